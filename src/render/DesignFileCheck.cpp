#include "render/DesignFileCheck.h"

#include "render/PinComposition.h"

namespace dokkle {
namespace {

constexpr size_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t UncompressedRgb = 0;

uint32_t ReadU32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

uint16_t ReadU16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

}  // namespace

std::optional<DesignFileLayout> ReadDesignFileLayout(const uint8_t* bytes, size_t size) {
    if (!bytes || size < FileHeaderSize + InfoHeaderSize) return std::nullopt;
    if (bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const uint32_t pixelOffset = ReadU32(bytes + 10);
    const uint8_t* info = bytes + FileHeaderSize;
    const uint32_t infoSize = ReadU32(info);
    if (infoSize < InfoHeaderSize || infoSize > size - FileHeaderSize) return std::nullopt;

    const auto width = static_cast<int32_t>(ReadU32(info + 4));
    const auto height = static_cast<int32_t>(ReadU32(info + 8));
    const uint16_t planes = ReadU16(info + 12);
    const uint16_t bitsPerPixel = ReadU16(info + 14);
    const uint32_t compression = ReadU32(info + 16);
    if (planes != 1 || compression != UncompressedRgb) return std::nullopt;
    if (!IsComposableDesign(width, height, bitsPerPixel)) return std::nullopt;

    const int64_t pixelBytes = RowStride(width, bitsPerPixel / 8) * height;
    if (pixelOffset < FileHeaderSize + infoSize ||
        int64_t{pixelOffset} + pixelBytes > static_cast<int64_t>(size)) {
        return std::nullopt;
    }
    return DesignFileLayout{width, height, bitsPerPixel, pixelOffset, static_cast<size_t>(pixelBytes)};
}

}  // namespace dokkle
