#include "render/PinComposition.h"

#include "common/Rounding.h"

namespace dokkle {
namespace {

constexpr int32_t LargestDesignSide = 4096;

}  // namespace

CellSize DesignCellSize(int32_t designWidth, int32_t designHeight) {
    return {RoundHalfEven(designWidth / 2.0), RoundHalfEven(designHeight / 2.0)};
}

int64_t RowStride(int32_t width, int32_t bytesPerPixel) {
    return (int64_t{width} * bytesPerPixel + 3) & ~int64_t{3};
}

bool IsComposableDesign(int32_t width, int32_t height, int32_t bitsPerPixel) {
    return (bitsPerPixel == 24 || bitsPerPixel == 32) && width > 0 && height > 0 && width % 2 == 0 &&
           height % 2 == 0 && width <= LargestDesignSide && height <= LargestDesignSide;
}

std::vector<uint8_t> ComposePinPixels(const uint8_t* source, size_t sourceSize, int32_t width, int32_t height,
                                      int32_t bytesPerPixel, int32_t stateRow) {
    if (!source || !IsComposableDesign(width, height, bytesPerPixel * 8) ||
        (stateRow != 0 && stateRow != 1)) {
        return {};
    }
    const int64_t stride = RowStride(width, bytesPerPixel);
    if (static_cast<int64_t>(sourceSize) < stride * height) return {};

    const CellSize cell = DesignCellSize(width, height);
    std::vector<uint8_t> output(static_cast<size_t>(cell.width) * static_cast<size_t>(cell.height) * 4, 0);
    for (int32_t y = 0; y < cell.height; ++y) {
        // Rows are stored bottom first: the upper row of the picture is the second half in memory.
        size_t s = static_cast<size_t>((y + cell.height * (1 - stateRow)) * stride);
        size_t d = static_cast<size_t>(y) * static_cast<size_t>(cell.width) * 4;
        const size_t maskOffset = static_cast<size_t>(cell.width) * static_cast<size_t>(bytesPerPixel);
        for (int32_t x = 0; x < cell.width; ++x) {
            const unsigned opacity = source[s + maskOffset];
            output[d + 3] = static_cast<uint8_t>(opacity);
            for (size_t k = 0; k < 3; ++k) {
                output[d + k] = static_cast<uint8_t>(opacity * source[s + k] / 255);
            }
            s += static_cast<size_t>(bytesPerPixel);
            d += 4;
        }
    }
    return output;
}

}  // namespace dokkle
