#pragma once
// A drawing box: a child window with a sunken two-pixel border that hands its painting, and the
// presses of any mouse button in it, to its owner.
#include <windows.h>

#include "common/BaseWindow.h"
#include "common/TwipsLayout.h"

namespace dokkle {

class PictureBox final : public BaseWindow {
  public:
    class Events {
      public:
        // Paint the whole inner area; nothing has been drawn in it.
        virtual void PictureBox_Paint(HDC dc, const RECT& inner) = 0;
        // A mouse button went down at a point of the inner area.
        virtual void PictureBox_MouseDown(POINT point) = 0;

      protected:
        ~Events() = default;
    };

    explicit PictureBox(Events& owner) : owner_(owner) {}

    // Makes the box's window at pixel bounds (border included) in its parent.
    HWND Create(HWND parent, const Bounds& pixels, int id);
    // Has the box painted again at the next opportunity.
    void Repaint() const;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();

    Events& owner_;
};

}  // namespace dokkle
