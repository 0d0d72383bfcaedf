#pragma once
// One running copy per executable. The first copy owns a named mutex for its whole life (the system
// frees it when the process ends in any way, so a killed copy blocks nothing) and sets a named event
// once its main pin is there; a later launch waits on both, so one that starts at the same instant as
// the first copy is not lost.
namespace dokkle::SingleInstance {

enum class Role { FirstCopy, LaterLaunch };

// Claims the first copy's mutex. A later launch waits, a few seconds at most, until the running copy
// has shown its main pin; if that copy ends meanwhile, this launch becomes the first copy after all.
Role Claim();

// The first copy's main pin is there: later launches may hand off to it.
void MainPinShown();

// For a later launch that found no main pin to hand off to: true when the running copy was just
// ending, and this launch is now the first copy.
bool ClaimIfRunningCopyEnds();

}  // namespace dokkle::SingleInstance
