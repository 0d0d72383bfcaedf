#include "startup/CopyWindow.h"

#include "common/FormLifetime.h"
#include "messaging/HandOffMessage.h"
#include "messaging/HandOffPayload.h"
#include "startup/ActiveWindowHotkey.h"
#include "startup/modMain.h"

namespace dokkle::CopyWindow {
namespace {

HWND window = nullptr;

// A copy that is ending refuses, so that the launch becomes the next first copy instead of being lost.
LRESULT ReceiveHandOff(LPARAM lParam) {
    if (!IsCreateNewPinMessage(WM_COPYDATA, lParam) || FormLifetime::QuitPosted()) return 0;
    return modMain::CreatePin() ? CreateNewPinAccepted : 0;
}

LRESULT CALLBACK CopyProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        switch (message) {
            case WM_COPYDATA:
                return ReceiveHandOff(lParam);
            case WM_HOTKEY:
                ActiveWindowHotkey::Pressed(wParam);
                return 0;
            default:
                break;
        }
    } catch (...) {
        // A request that fails does nothing; the next one is tried afresh.
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

DWORD ProcessOf(HWND hWnd) {
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    return processId;
}

}  // namespace

HWND Create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = CopyProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);
    window = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                             nullptr);
    return window;
}

HWND Window() {
    return window;
}

void Destroy() {
    if (window) DestroyWindow(window);
    window = nullptr;
}

bool IsCopyWindow(HWND hWnd) {
    wchar_t className[32] = L"";
    return hWnd && GetClassNameW(hWnd, className, 32) && lstrcmpW(className, ClassName) == 0;
}

bool IsDokkleWindow(HWND hWnd) {
    const DWORD processId = ProcessOf(hWnd);
    if (processId == 0) return false;
    if (processId == GetCurrentProcessId()) return true;
    HWND copy = nullptr;
    while ((copy = FindWindowExW(HWND_MESSAGE, copy, ClassName, nullptr)) != nullptr) {
        if (ProcessOf(copy) == processId) return true;
    }
    return false;
}

}  // namespace dokkle::CopyWindow
