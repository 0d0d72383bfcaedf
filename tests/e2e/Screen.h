#pragma once
// A picture of part of the screen, taken as the user sees it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dokkle::e2e {

struct Colour {
    int red, green, blue;
};

class Screenshot {
public:
    explicit Screenshot(RECT area);
    Colour At(int screenX, int screenY) const;
    // Writes a 24-bit BMP, for looking at a failure.
    void Save(const std::wstring& path) const;

private:
    RECT area_;
    std::vector<uint32_t> pixels_;  // top row first, 0x00RRGGBB
};

}  // namespace dokkle::e2e
