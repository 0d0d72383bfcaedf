#pragma once
// The receiving side of the hand-off: a later launch's request for one more pin, as it arrives.
#include <windows.h>

namespace dokkle {

// True for WM_COPYDATA carrying exactly the request; its payload is read with no trust in its size or
// pointer.
bool IsCreateNewPinMessage(UINT uMsg, LPARAM lParam);

}  // namespace dokkle
