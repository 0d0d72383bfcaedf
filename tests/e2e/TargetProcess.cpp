#include "TargetProcess.h"

#include <cstdio>

#include "Desktop.h"

namespace dokkle::e2e {
namespace {

std::wstring Arguments(const TargetOptions& options) {
    wchar_t geometry[128];
    swprintf(geometry, 128, L"--rect %ld %ld %ld %ld --colour %06lx", options.bounds.left, options.bounds.top,
             options.bounds.right - options.bounds.left, options.bounds.bottom - options.bounds.top,
             static_cast<unsigned long>(options.colour));
    return L"--title \"" + options.title + L"\" " + geometry + (options.withButton ? L" --button" : L"");
}

}  // namespace

TargetProcess::TargetProcess(const TargetOptions& options)
    : ChildProcess(BuildFolder() + L"TestTarget.exe", Arguments(options), BuildFolder()) {
    WaitUntil([&] {
        const auto windows = VisibleWindowsOfClass(L"DokkleTestTarget");
        window_ = windows.empty() ? nullptr : windows.front();
        return window_ != nullptr;
    });
    // Clicks follow the X stacking order: give the new window a moment to be on top there too.
    PumpMessagesFor(200);
}

HWND TargetProcess::Button() const { return FindWindowExW(window_, nullptr, L"BUTTON", nullptr); }

POINT TargetProcess::FreePoint() const {
    RECT client{};
    GetClientRect(window_, &client);
    POINT point{client.right - 60, client.bottom - 50};
    ClientToScreen(window_, &point);
    return point;
}

POINT TargetProcess::ButtonCentre() const {
    const RECT button = RectOf(Button());
    return POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
}

}  // namespace dokkle::e2e
