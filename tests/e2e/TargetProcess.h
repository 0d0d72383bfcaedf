#pragma once
// TestTarget.exe: a framed window of known title, place and colour, optionally with a child button,
// for pins to be stuck into.
#include <windows.h>

#include <string>

#include "ChildProcess.h"

namespace dokkle::e2e {

struct TargetOptions {
    std::wstring title = L"Dokkle Test Target";
    RECT bounds{200, 150, 600, 450};  // left, top, right, bottom
    bool withButton = false;
    COLORREF colour = RGB(255, 255, 255);
};

class TargetProcess : public ChildProcess {
public:
    explicit TargetProcess(const TargetOptions& options = {});

    // The main window, once shown (null if it never appears).
    HWND Window() const { return window_; }
    HWND Button() const;
    // A point inside the client area, away from the button.
    POINT FreePoint() const;
    POINT ButtonCentre() const;

private:
    HWND window_ = nullptr;
};

}  // namespace dokkle::e2e
