// Any bytes as a design file: what the header check lets through composes without reading past the file.
#include <cstddef>
#include <cstdint>

#include "render/DesignFileCheck.h"
#include "render/PinComposition.h"

namespace {

uint32_t Read32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!dokkle::IsUsableDesignFile(data, size)) return 0;
    const uint32_t pixelOffset = Read32(data + 10);
    const auto width = static_cast<int32_t>(Read32(data + 18));
    const auto height = static_cast<int32_t>(Read32(data + 22));
    const int32_t bytesPerPixel = (data[28] | data[29] << 8) / 8;
    for (int32_t row = 0; row < 2; ++row) {
        if (dokkle::ComposePinPixels(data + pixelOffset, size - pixelOffset, width, height, bytesPerPixel,
                                     row)
                .empty()) {
            __builtin_trap();  // a file the check accepts must compose
        }
    }
    return 0;
}
