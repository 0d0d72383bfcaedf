#pragma once
#include <windows.h>

#include <string>

namespace dokkle::HandOff {

// Asks the window titled mainTitle to open one more pin. Gives up after a few seconds when that
// copy does not answer, and does nothing when there is no such window.
void SendCreateNewPin(const std::wstring& mainTitle);

// The receiving side: the message's payload, read with no trust in its size or pointer.
bool IsCreateNewPinMessage(UINT uMsg, LPARAM lParam);

}  // namespace dokkle::HandOff
