#include "LocalWindow.h"

namespace dokkle::e2e {
namespace {

constexpr const wchar_t* ClassName = L"DokkleTestLocalWindow";

void RegisterLocalClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        windowClass.lpszClassName = ClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

LocalWindow::LocalWindow(const LocalWindowOptions& options) {
    RegisterLocalClass();
    const RECT& bounds = options.bounds;
    window_ = CreateWindowExW(options.topmost ? WS_EX_TOPMOST : 0, ClassName, options.title.c_str(),
                              WS_OVERLAPPEDWINDOW, bounds.left, bounds.top, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, options.owner, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    if (options.visible) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

LocalWindow::~LocalWindow() {
    Destroy();
}

void LocalWindow::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

POINT LocalWindow::Centre() const {
    RECT client{};
    GetClientRect(window_, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(window_, &centre);
    return centre;
}

}  // namespace dokkle::e2e
