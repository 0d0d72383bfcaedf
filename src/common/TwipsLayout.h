#pragma once
// Control positions written in twips, as a form's design gives them, turned into screen pixels.
#include <cstdint>

namespace dokkle {

struct Bounds {
    int32_t left, top, width, height;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// Each value divided by its axis's twips per pixel and rounded, a half to the even neighbour.
Bounds TwipsToPixels(const Bounds& twips, double twipsPerPixelX, double twipsPerPixelY);

}  // namespace dokkle
