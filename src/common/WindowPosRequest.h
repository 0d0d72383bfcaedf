#pragma once
// A SetWindowPos call as plain data, and the one call that does the work of two made in a row, for a
// window that cannot take them one by one.
#include <cstdint>

namespace dokkle {

struct WindowPosRequest {
    intptr_t insertAfter;  // a window handle's value, or one of InsertAfter's
    int32_t x, y, width, height;
    uint32_t flags;
    friend bool operator==(const WindowPosRequest&, const WindowPosRequest&) = default;
};

// The later call's position, size, z-order and showing or hiding where it changes them, the earlier's
// where it does not; either one activating makes the combination activate. A later HWND_TOP keeps an
// earlier change of band, which already put the window at the top of its new band.
WindowPosRequest Combine(const WindowPosRequest& earlier, const WindowPosRequest& later);

}  // namespace dokkle
