#pragma once
// Turns one row of a design into the pin's 32-bit image with premultiplied opacity.
// A design is a 2 x 2 grid of cells: colour pictures on the left, their masks on the right; the upper
// row shows the carried pin, the lower row the pricked one. A mask pixel's blue byte is the opacity.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dokkle {

struct CellSize {
    int32_t width, height;
};

// Half of each dimension, a half going to the even neighbour.
CellSize DesignCellSize(int32_t designWidth, int32_t designHeight);

// Bytes per row of a bottom-up bitmap: width x bytes per pixel rounded up to a multiple of 4.
int64_t RowStride(int32_t width, int32_t bytesPerPixel);

// A design the composition can read safely: 24 or 32 bits per pixel, positive and even dimensions.
bool IsComposableDesign(int32_t width, int32_t height, int32_t bitsPerPixel);

// source: the design's pixels, rows bottom first; stateRow 0 is the upper (carried) row, 1 the lower.
// Returns cell width x height x 4 bytes (blue, green, red, opacity), rows bottom first, or nothing
// when the design is not composable or the source is shorter than the design.
std::vector<uint8_t> ComposePinPixels(const uint8_t* source, size_t sourceSize, int32_t width, int32_t height,
                                      int32_t bytesPerPixel, int32_t stateRow);

}  // namespace dokkle
