#pragma once
// Reads a design file's headers before the window system loads it, so that a broken, hostile or
// unsupported file falls back to the built-in design instead of being loaded at all.
#include <cstddef>
#include <cstdint>

namespace dokkle {

// True for a BMP file that the pin image can use: a 40-byte or larger information header, one plane,
// 24 or 32 bits per pixel without compression or bit fields, bottom-up, even and bounded dimensions,
// and every pixel row present in the file.
bool IsUsableDesignFile(const uint8_t* bytes, size_t size);

}  // namespace dokkle
