#pragma once
// SetWindowPos flags, by their values in the window system, for the decisions that include no
// <windows.h>.
#include <cstdint>

namespace dokkle::WindowPosFlags {

constexpr uint32_t NoSize = 0x0001;
constexpr uint32_t NoMove = 0x0002;
constexpr uint32_t NoZOrder = 0x0004;
constexpr uint32_t NoActivate = 0x0010;
constexpr uint32_t ShowWindow = 0x0040;
constexpr uint32_t HideWindow = 0x0080;
constexpr uint32_t AsyncWindowPos = 0x4000;

}  // namespace dokkle::WindowPosFlags

// Where SetWindowPos puts a window in the z-order, by the values of the window system's HWND_ constants.
namespace dokkle::InsertAfter {

constexpr intptr_t Top = 0;
constexpr intptr_t Bottom = 1;
constexpr intptr_t Topmost = -1;
constexpr intptr_t NoTopmost = -2;

}  // namespace dokkle::InsertAfter
