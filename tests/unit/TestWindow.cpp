#include "TestWindow.h"

#include <string>

namespace dokkle::testing {
namespace {

constexpr const wchar_t* ClassName = L"DokkleRecordingTestWindow";

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<CallLog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == ProbeMessage) {
        if (log) log->push_back("window " + std::to_string(wParam) + "," + std::to_string(lParam));
        return WindowResult;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TestWindow::TestWindow(CallLog& log, const wchar_t* title) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = RecordingProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, ClassName, title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
}

TestWindow::~TestWindow() {
    DestroyWindow(window_);
}

WNDPROC TestWindow::OwnProcedure() {
    return RecordingProcedure;
}

RecordingListener::RecordingListener(CallLog& log, std::string name)
    : listener(clsMessageListener::Create(*this)), log_(log), name_(std::move(name)) {}

void RecordingListener::BeforeArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    Record("before", uMsg, wParam, lParam);
    if (onBefore) onBefore();
}

void RecordingListener::AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    Record("after", uMsg, wParam, lParam);
    if (onAfter) onAfter();
}

void RecordingListener::Record(const char* phase, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg != ProbeMessage) return;  // the window system's own traffic is not part of the cases
    log_.push_back(std::string(phase) + " " + name_ + " " + std::to_string(wParam) + "," +
                   std::to_string(lParam));
}

}  // namespace dokkle::testing
