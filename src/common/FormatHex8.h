#pragma once
#include <cstdint>
#include <string>

namespace dokkle {

// "0x" and the eight upper-case hexadecimal digits of a 32-bit value (two's complement when negative).
std::wstring FormatHex8(int32_t Value);

// The same for a pointer-sized value: eight digits while it fits in 32 bits, all of its digits when wider.
std::wstring FormatHexHandle(uint64_t value);

}  // namespace dokkle
