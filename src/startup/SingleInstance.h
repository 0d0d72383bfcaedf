#pragma once

namespace dokkle::SingleInstance {

// True when another copy of this same executable runs. The first copy holds a named mutex for its
// whole life; the system frees it when the process ends in any way, so a killed copy blocks nothing.
bool AnotherCopyIsRunning();

}  // namespace dokkle::SingleInstance
