#pragma once
// The mouse event arguments of a form, from a window message's key state: Button (1 left, 2 right,
// 4 middle) and Shift (1 Shift, 2 Ctrl, 4 Alt), added.
#include <cstdint>

namespace dokkle {

// The MK_ bits of a mouse message's wParam, by their values in the window system.
namespace MouseKeys {
constexpr uint32_t LeftButton = 0x0001;
constexpr uint32_t RightButton = 0x0002;
constexpr uint32_t ShiftKey = 0x0004;
constexpr uint32_t ControlKey = 0x0008;
constexpr uint32_t MiddleButton = 0x0010;
}  // namespace MouseKeys

namespace MouseButton {
constexpr int16_t Left = 1;
constexpr int16_t Right = 2;
constexpr int16_t Middle = 4;
}  // namespace MouseButton

// The buttons held, for a move.
int16_t ButtonsHeld(uint32_t keyState);
// The modifier keys held; Alt is not part of the message and comes from the keyboard state.
int16_t ModifiersHeld(uint32_t keyState, bool altDown);

}  // namespace dokkle
