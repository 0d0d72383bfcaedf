#pragma once
#include <windows.h>

#include <string>

namespace dokkle::HandOff {

// Asks the running copy of this same executable to open one more pin, through its main pin: the pin
// window titled mainTitle. False when there is no such window; a copy that does not answer is given
// up after a few seconds.
bool SendCreateNewPin(const std::wstring& mainTitle);

}  // namespace dokkle::HandOff
