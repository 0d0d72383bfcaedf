#pragma once
#include <windows.h>

namespace dokkle::modGDI {

inline SIZE MakeSize(LONG cx, LONG cy) noexcept {
    return SIZE{cx, cy};
}

}  // namespace dokkle::modGDI
