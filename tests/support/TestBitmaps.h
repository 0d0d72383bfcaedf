#pragma once
// BMP files made in memory for the tests: well-formed ones, which a case then breaks as it needs.
#include <cstdint>
#include <vector>

namespace dokkle::testing {

inline void Put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline void Put16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

// Header offsets of the fields a case may break.
namespace BmpField {
constexpr size_t PixelOffset = 10, InfoSize = 14, Width = 18, Height = 22, Planes = 26, BitCount = 28,
                 Compression = 30;
}

// A file header, a 40-byte information header, a colour table for 8 bits or fewer, and zeroed pixels.
inline std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, uint16_t bitsPerPixel) {
    const uint32_t stride = (static_cast<uint32_t>(width) * bitsPerPixel / 8 + 3) & ~3u;
    const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
    const uint32_t paletteBytes = bitsPerPixel <= 8 ? 4u << bitsPerPixel : 0;
    const uint32_t pixelOffset = 54 + paletteBytes;
    std::vector<uint8_t> bytes(pixelOffset + stride * rows, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    Put32(bytes, BmpField::PixelOffset, pixelOffset);
    Put32(bytes, BmpField::InfoSize, 40);
    Put32(bytes, BmpField::Width, static_cast<uint32_t>(width));
    Put32(bytes, BmpField::Height, static_cast<uint32_t>(height));
    Put16(bytes, BmpField::Planes, 1);
    Put16(bytes, BmpField::BitCount, bitsPerPixel);
    return bytes;
}

}  // namespace dokkle::testing
