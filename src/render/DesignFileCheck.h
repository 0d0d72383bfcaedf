#pragma once
// Reads a design file's headers before any bitmap is made from it, so that a broken, hostile or
// unsupported file falls back to the built-in design instead of being loaded at all.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace dokkle {

// Where a usable design file keeps its pixels: rows bottom first, each padded to a multiple of 4 bytes.
struct DesignFileLayout {
    int32_t width, height, bitsPerPixel;
    size_t pixelOffset;  // from the start of the file
    size_t pixelBytes;   // height x row stride, all inside the file
};

// The layout of a BMP file that the pin image can use: a 40-byte or larger information header, one
// plane, 24 or 32 bits per pixel without compression or bit fields, bottom-up, even and bounded
// dimensions, and every pixel row present in the file. Nothing for any other file.
std::optional<DesignFileLayout> ReadDesignFileLayout(const uint8_t* bytes, size_t size);

inline bool IsUsableDesignFile(const uint8_t* bytes, size_t size) {
    return ReadDesignFileLayout(bytes, size).has_value();
}

}  // namespace dokkle
