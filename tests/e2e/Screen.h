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

bool SameColour(Colour colour, COLORREF expected);

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

// Whether the X server already shows the dialog, judged by the blank form in its top-left corner. A
// click given before then reaches the window below it.
bool DialogOnScreen(HWND dialog);

}  // namespace dokkle::e2e
