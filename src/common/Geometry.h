#pragma once
// Rectangles and points for the platform-free decisions: the same members as RECT and POINT.
#include <cstdint>

namespace dokkle {

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int32_t x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// 32-bit signed arithmetic that wraps as the window system's does, instead of overflowing.
inline int32_t Wrap32(int64_t value) noexcept {
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}
inline int32_t Add32(int32_t a, int32_t b) noexcept {
    return Wrap32(int64_t{a} + b);
}
inline int32_t Subtract32(int32_t a, int32_t b) noexcept {
    return Wrap32(int64_t{a} - b);
}

inline int32_t Width(const Rect& rect) noexcept {
    return Subtract32(rect.right, rect.left);
}
inline int32_t Height(const Rect& rect) noexcept {
    return Subtract32(rect.bottom, rect.top);
}

}  // namespace dokkle
