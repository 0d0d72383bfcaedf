#pragma once
#include <windows.h>

namespace dokkle::HandOff {

enum class Answer {
    Accepted,  // the running copy has opened one more pin
    Refused,   // it is ending, or the window is gone or is no copy's
    NoAnswer,  // it did not answer in time: hung, or too busy
};

// Asks the running copy of this same program file, through the window it published, to open one more
// pin. A copy that does not answer is given up after a few seconds.
Answer SendCreateNewPin(HWND destination);

}  // namespace dokkle::HandOff
