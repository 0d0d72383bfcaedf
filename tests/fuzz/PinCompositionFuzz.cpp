// Any bytes as a design: the composition reads only inside them and writes only inside its image.
#include <cstddef>
#include <cstdint>

#include "render/DesignFileCheck.h"
#include "render/PinComposition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 6) return 0;
    // The first bytes choose the shape; the rest is the pixels.
    const int32_t width = static_cast<int8_t>(data[0]) * 2 + (data[4] & 1);
    const int32_t height = static_cast<int8_t>(data[1]) * 2 + ((data[4] >> 1) & 1);
    const int32_t bytesPerPixel = data[2] % 6;
    const int32_t stateRow = static_cast<int8_t>(data[3]) % 3;
    const auto pixels = dokkle::ComposePinPixels(data + 5, size - 5, width, height, bytesPerPixel, stateRow);
    if (!pixels.empty()) {
        const dokkle::CellSize cell = dokkle::DesignCellSize(width, height);
        if (pixels.size() != static_cast<size_t>(cell.width) * static_cast<size_t>(cell.height) * 4)
            __builtin_trap();
    }
    dokkle::IsUsableDesignFile(data, size);
    return 0;
}
