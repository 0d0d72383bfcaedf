#include "common/TwipsLayout.h"

#include "common/Rounding.h"

namespace dokkle {

Bounds TwipsToPixels(const Bounds& twips, double twipsPerPixelX, double twipsPerPixelY) {
    return {RoundHalfEven(twips.left / twipsPerPixelX), RoundHalfEven(twips.top / twipsPerPixelY),
            RoundHalfEven(twips.width / twipsPerPixelX), RoundHalfEven(twips.height / twipsPerPixelY)};
}

}  // namespace dokkle
