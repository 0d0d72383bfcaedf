#pragma once
// One listed window of the selection dialog: line i of its list and one rectangle of its map.
#include <cstdint>
#include <string>

namespace dokkle {

struct WindowEntry {
    uintptr_t hWnd = 0;  // the window's handle, as a number
    std::wstring Title;  // its title at the time of the refresh
    // Its window rectangle in map pixels, right and bottom included.
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool HasParent = false;  // it has an owner
};

// The list line: the handle's 32-bit value in hexadecimal, a tab, the title.
std::wstring ListLine(const WindowEntry& entry);

}  // namespace dokkle
