#pragma once
// What the information dialog needs of the pin that opened it: where the pin's tip is on the screen,
// the point at which its mouse-button operations click. The pin implements it, and tells the dialog
// when it closes.
#include <cstdint>

namespace dokkle {

class PinTip {
  public:
    // The tip's screen position in pixels.
    virtual int32_t PrickedPositionX() const = 0;
    virtual int32_t PrickedPositionY() const = 0;

  protected:
    ~PinTip() = default;
};

}  // namespace dokkle
