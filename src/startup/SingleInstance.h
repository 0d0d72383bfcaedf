#pragma once
// One running copy per program file, however the path to it is spelled. The first copy owns a named
// mutex for its whole life (the system frees it when the process ends in any way, so a killed copy
// blocks nothing), publishes the window that takes hand-offs in shared memory, and then sets a named
// event; a later launch waits on the mutex and the event, so one that starts at the same instant as the
// first copy is not lost.
#include <windows.h>

namespace dokkle::SingleInstance {

enum class Role {
    FirstCopy,    // this process owns the markers
    LaterLaunch,  // a running copy takes hand-offs
    OnItsOwn,     // a running copy holds the markers but did not become ready or did not answer
};

// Claims the first copy's mutex. A later launch waits, a few seconds at most, until the running copy
// takes hand-offs; if that copy ends meanwhile, this launch becomes the first copy after all.
Role Claim();

// The window the running copy published to take hand-offs, or null.
HWND RunningCopyWindow();

// For a later launch whose hand-off the running copy refused because it is ending: the role once that
// copy has gone, or once another launch has become the first copy and is ready.
Role ClaimAfterRefusal();

// For a later launch that the running copy did not answer: the first copy if that copy ends at once.
Role ClaimIfRunningCopyEnds();

// The first copy takes hand-offs through the window from now on.
void Publish(HWND window);

// The first copy is ending: later launches no longer wait for it, and the next becomes the first copy.
void Withdraw();

}  // namespace dokkle::SingleInstance
