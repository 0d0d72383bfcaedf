#include "tools/PrickedPoint.h"

#include <algorithm>

namespace dokkle {
namespace {

uint32_t LowWord(int64_t coordinate) {
    return static_cast<uint16_t>(static_cast<int16_t>(std::clamp<int64_t>(coordinate, INT16_MIN, INT16_MAX)));
}

}  // namespace

int32_t PrickedPointLParam(Point tip, const Rect& target) {
    const int64_t x = int64_t{tip.x} - target.left;
    const int64_t y = int64_t{tip.y} - target.top;
    return static_cast<int32_t>(LowWord(y) << 16 | LowWord(x));
}

}  // namespace dokkle
