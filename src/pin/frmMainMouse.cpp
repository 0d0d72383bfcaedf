// The pin's mouse interaction: carrying it on the cursor, pricking it into a window, pulling it out.
#include <windowsx.h>

#include <utility>

#include "common/Geometry.h"

#include "common/modGeneralTips.h"
#include "common/modWindowTips.h"
#include "pin/MouseArguments.h"
#include "pin/TargetEventHooks.h"
#include "pin/frmMain.h"

namespace dokkle {
namespace {

static_assert(MouseKeys::LeftButton == MK_LBUTTON && MouseKeys::RightButton == MK_RBUTTON &&
              MouseKeys::ShiftKey == MK_SHIFT && MouseKeys::ControlKey == MK_CONTROL &&
              MouseKeys::MiddleButton == MK_MBUTTON);

}  // namespace

void frmMain::OnMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto keyState = static_cast<uint32_t>(wParam);
    const int16_t Shift = ModifiersHeld(keyState, GetKeyState(VK_MENU) < 0);
    // The form's units are twips.
    const float X = static_cast<float>(GET_X_LPARAM(lParam)) * modGeneralTips::TwipsPerPixelX();
    const float Y = static_cast<float>(GET_Y_LPARAM(lParam)) * modGeneralTips::TwipsPerPixelY();

    switch (message) {
        case WM_MOUSEMOVE:
            Form_MouseMove(ButtonsHeld(keyState), Shift, X, Y);
            break;
        case WM_LBUTTONDOWN:
            leftPressedOnPin_ = true;
            Form_MouseDown(MouseButton::Left, Shift, X, Y);
            break;
        case WM_LBUTTONUP: {
            const bool click = std::exchange(leftPressedOnPin_, false);
            Form_MouseUp(MouseButton::Left, Shift, X, Y);
            if (click && !IsClosed()) Form_Click();
            break;
        }
        case WM_LBUTTONDBLCLK:
            // The second press of a double-click: the first one's click has already dropped the pin.
            leftPressedOnPin_ = false;
            Form_DblClick();
            break;
        case WM_RBUTTONDOWN:
            Form_MouseDown(MouseButton::Right, Shift, X, Y);
            break;
        case WM_RBUTTONUP:
            Form_MouseUp(MouseButton::Right, Shift, X, Y);
            break;
        case WM_MBUTTONDOWN:
            Form_MouseDown(MouseButton::Middle, Shift, X, Y);
            break;
        case WM_MBUTTONUP:
            Form_MouseUp(MouseButton::Middle, Shift, X, Y);
            break;
        default:
            break;
    }
}

void frmMain::Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    LastShift = Shift;
    if (Button == MouseButton::Left) {
        DownX = X;
        DownY = Y;
    }
}

void frmMain::Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    LastShift = Shift;
    if (IsPricked) {
        // No drag threshold: any movement with the left button alone held pulls the pin out.
        if (Button == MouseButton::Left && (X != DownX || Y != DownY)) PickUp();
    } else {
        MoveOntoCursor();
    }
}

void frmMain::Form_MouseUp(int16_t Button, int16_t Shift, float, float) {
    LastShift = Shift;
    if (Button != MouseButton::Right) return;
    if (IsPricked) {
        ShowPopupMenu();
    } else {
        ShowCursorAgain();
        Close();
    }
}

void frmMain::Form_Click() {
    Drop();
}

void frmMain::Form_DblClick() {
    Close();
}

void frmMain::MoveOntoCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int32_t left = Subtract32(cursor.x, CursorPositionX);
    const int32_t top = Subtract32(cursor.y, CursorPositionY);
    // A still cursor costs nothing at the next tick.
    const RECT bounds = WindowBounds();
    if (bounds.left != left || bounds.top != top) MoveTo(left, top);
}

void frmMain::ShowCursorAgain() {
    if (!cursorHidden_) return;
    cursorHidden_ = false;
    ShowCursor(TRUE);
}

void frmMain::PickUp() {
    Unprick();
    if (IsClosed()) return;
    // Without NoActivate: a carried pin must be the foreground window to hold the capture.
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetCapture(Window());
    if (!cursorHidden_) {
        cursorHidden_ = true;
        ShowCursor(FALSE);
    }
    Form_MouseMove(0, 0, 0, 0);
    ApplyDesign(DesignFileName);
}

void frmMain::Drop() {
    if (IsPricked) return;
    ReleaseCapture();
    Prick(nullptr, true);
    ShowCursorAgain();
    if (IsClosed()) return;
    DrawPin(DesignPath(DesignFileName), 255, 1);
    // Raised without activating it: the target that Prick has just activated stays the active window.
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void frmMain::Prick(HWND hWnd, bool UseCursor) {
    if (IsPricked) return;
    if (LastShift != 0) frmMenuInst->SetChecked(frmMenu::mnuPopupPrickableToChildWindow, true);

    HWND h = hWnd;
    if (!h) {
        // The pin is hidden for a moment so that it cannot find itself.
        POINT point{};
        if (UseCursor) {
            GetCursorPos(&point);
        } else {
            point = POINT{PrickedPositionX(), PrickedPositionY()};
        }
        ShowWindow(Window(), SW_HIDE);
        h = WindowFromPoint(point);
        ShowWindow(Window(), SW_SHOWNA);
    }

    if (frmMenuInst->Checked(frmMenu::mnuPopupPrickableToChildWindow)) {
        hTarget = h;
    } else {
        hTarget = modWindowTips::FramedAncestor(h);
        const BOOL madeTopmost = modWindowTips::SetWindowPosWithoutStalling(hTarget, HWND_TOPMOST, 0, 0, 0, 0,
                                                                            SWP_NOMOVE | SWP_NOSIZE);
        if (IsClosed()) return;
        if (!madeTopmost) {
            Close();
            return;
        }
    }

    RECT target{};
    GetWindowRect(hTarget, &target);
    RecordPrickedOffsets(target);
    SetForegroundWindow(hTarget);
    // A pin that has closed meanwhile must not leave its target's events hooked.
    if (IsClosed()) return;
    IsPricked = true;
    TargetEventHooks::PinStuck(Window(), hTarget);
}

void frmMain::RecordPrickedOffsets(const RECT& target) {
    // The pin's edges in pixels as they are: a round trip through twips would round them by a
    // twips-per-pixel that is no whole number at 168 or 192 dots per inch.
    const RECT pin = WindowBounds();
    PrickedOffsetX = Subtract32(pin.left, target.left);
    PrickedOffsetY = Subtract32(pin.top, target.top);
}

}  // namespace dokkle
