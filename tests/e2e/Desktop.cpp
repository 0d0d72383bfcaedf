#include "Desktop.h"

namespace dokkle::e2e {
namespace {

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = x;
    input.mi.dy = y;
    return input;
}

INPUT KeyInput(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT AbsoluteMove(POINT point) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // Absolute coordinates run 0..65535 over the whole desktop, every monitor; aim at the centre of the
    // pixel.
    const LONG x = static_cast<LONG>(((point.x - left) * 65536LL + 32768) / width);
    const LONG y = static_cast<LONG>(((point.y - top) * 65536LL + 32768) / height);
    return MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK, x, y);
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessagesFor(30);
}

}  // namespace

void PumpMessagesFor(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount64() < end);
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMilliseconds);
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        PumpMessagesFor(10);
    }
}

void MoveMouseTo(POINT point) {
    Send({AbsoluteMove(point)});
    const POINT now = CursorPosition();
    if (now.x != point.x || now.y != point.y) SetCursorPos(point.x, point.y);
}

void LeftClickAt(POINT point, const std::vector<WORD>& heldKeys) {
    MoveMouseTo(point);
    // Wine drops an injected modifier as soon as the mouse moves: press, click and release in one go.
    std::vector<INPUT> inputs;
    for (WORD key : heldKeys) inputs.push_back(KeyInput(key, false));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
    for (WORD key : heldKeys) inputs.push_back(KeyInput(key, true));
    Send(inputs);
}

void LeftDoubleClickAt(POINT point) {
    MoveMouseTo(point);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP), MouseInput(MOUSEEVENTF_LEFTDOWN),
          MouseInput(MOUSEEVENTF_LEFTUP)});
}

void RightClickAt(POINT point) {
    MoveMouseTo(point);
    Send({MouseInput(MOUSEEVENTF_RIGHTDOWN), MouseInput(MOUSEEVENTF_RIGHTUP)});
}

void LeftPress() {
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN)});
}
void LeftRelease() {
    Send({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void PressKey(WORD virtualKey) {
    Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
}

void PressKeys(const std::vector<WORD>& virtualKeys) {
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) inputs.push_back(KeyInput(key, false));
    for (auto key = virtualKeys.rbegin(); key != virtualKeys.rend(); ++key)
        inputs.push_back(KeyInput(*key, true));
    Send(inputs);
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        for (DWORD release : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = character;
            input.ki.dwFlags = KEYEVENTF_UNICODE | release;
            inputs.push_back(input);
        }
    }
    Send(inputs);
}

POINT CursorPosition() {
    POINT point{};
    GetCursorPos(&point);
    return point;
}

std::wstring TitleOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

RECT RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT WorkAreaUnderCursor() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint(CursorPosition(), MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

bool IsTopmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::vector<std::wstring> TextsOf(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[512] = {};
        SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000,
                            nullptr);
        texts.push_back(text);
    }
    return texts;
}

bool IsAbove(HWND upper, HWND lower) {
    if (!upper || !lower || upper == lower) return false;
    for (HWND below = GetWindow(upper, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
        if (below == lower) return true;
    }
    return false;
}

}  // namespace dokkle::e2e
