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

}  // namespace dokkle::WindowPosFlags
