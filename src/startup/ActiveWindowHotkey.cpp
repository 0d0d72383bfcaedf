#include "startup/ActiveWindowHotkey.h"

#include <windows.h>

#include <string>
#include <vector>

#include "common/Notices.h"
#include "common/modGeneralTips.h"
#include "common/modWindowTips.h"
#include "pin/frmMain.h"
#include "startup/HotkeyCombination.h"
#include "startup/HotkeyPress.h"
#include "startup/modMain.h"

namespace dokkle::ActiveWindowHotkey {
namespace {

static_assert(HotkeyModifier::Alt == MOD_ALT && HotkeyModifier::Control == MOD_CONTROL &&
              HotkeyModifier::Shift == MOD_SHIFT && HotkeyModifier::Windows == MOD_WIN);

constexpr const wchar_t* ClassName = L"DokkleHotkey";
constexpr int HotkeyId = 1;

bool IsDesktopOrShell(HWND window) {
    if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    for (const wchar_t* shellClass :
         {L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd", L"Progman", L"WorkerW", L"#32769"}) {
        if (lstrcmpiW(className, shellClass) == 0) return true;
    }
    return false;
}

void ActOnForegroundWindow() {
    HWND foreground = GetForegroundWindow();
    DWORD processId = 0;
    if (foreground) GetWindowThreadProcessId(foreground, &processId);
    const HWND target = foreground ? modWindowTips::FramedAncestor(foreground) : nullptr;
    const std::vector<HWND> pins = target ? frmMain::PinsStuckInto(target) : std::vector<HWND>{};

    ForegroundFacts facts;
    facts.exists = foreground != nullptr;
    facts.ofThisProcess = processId == GetCurrentProcessId();
    facts.isDesktopOrShell = foreground && (IsDesktopOrShell(foreground) || IsDesktopOrShell(target));
    facts.hasOurPin = !pins.empty();
    switch (DecideHotkeyPress(facts)) {
        case HotkeyAction::Pin:
            modMain::CreatePinStuckInto(target);
            break;
        case HotkeyAction::Unpin:
            // Each close may run other handlers; a pin gone meanwhile is skipped.
            for (HWND pin : pins) {
                if (frmMain* form = frmMain::FromWindow(pin)) form->Close();
            }
            break;
        case HotkeyAction::Nothing:
            break;
    }
}

LRESULT CALLBACK HotkeyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_HOTKEY && wParam == HotkeyId) {
        try {
            ActOnForegroundWindow();
        } catch (...) {
            // A press that fails does nothing; the next one is tried afresh.
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateHotkeyWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HotkeyProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                           nullptr);
}

}  // namespace

void Start() {
    const std::wstring text = modGeneralTips::GetIniString(
        L"Hotkey", L"PinActiveWindow", std::wstring(DefaultHotkeyText), modGeneralTips::IniFilePath());
    const HotkeySetting setting = ReadHotkeySetting(text);
    if (setting.switchedOff) return;
    if (!setting.combination) {
        Notices::Add(L"ホットキーの設定「" + text + L"」は読めないため、ホットキーは使えません。");
        return;
    }
    // The window lives as long as the process; the system frees it, and the hotkey, at the end.
    HWND window = CreateHotkeyWindow();
    const HotkeyCombination& combination = *setting.combination;
    if (!window ||
        !RegisterHotKey(window, HotkeyId, combination.modifiers | MOD_NOREPEAT, combination.virtualKey)) {
        Notices::Add(L"ホットキー「" + FormatHotkey(combination) +
                     L"」は他のプログラムが使っているため、ホットキーは使えません。");
    }
}

}  // namespace dokkle::ActiveWindowHotkey
