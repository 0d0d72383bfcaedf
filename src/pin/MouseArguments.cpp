#include "pin/MouseArguments.h"

namespace dokkle {

int16_t ButtonsHeld(uint32_t keyState) {
    int16_t buttons = 0;
    if (keyState & MouseKeys::LeftButton) buttons |= MouseButton::Left;
    if (keyState & MouseKeys::RightButton) buttons |= MouseButton::Right;
    if (keyState & MouseKeys::MiddleButton) buttons |= MouseButton::Middle;
    return buttons;
}

int16_t ModifiersHeld(uint32_t keyState, bool altDown) {
    int16_t shift = 0;
    if (keyState & MouseKeys::ShiftKey) shift |= 1;
    if (keyState & MouseKeys::ControlKey) shift |= 2;
    if (altDown) shift |= 4;
    return shift;
}

}  // namespace dokkle
