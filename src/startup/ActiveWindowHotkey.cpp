#include "startup/ActiveWindowHotkey.h"

#include <string>
#include <vector>

#include "common/NoticeTexts.h"
#include "common/Notices.h"
#include "common/modGeneralTips.h"
#include "common/modWindowTips.h"
#include "pin/frmMain.h"
#include "startup/CopyWindow.h"
#include "startup/HotkeyCombination.h"
#include "startup/HotkeyPress.h"
#include "startup/modMain.h"

namespace dokkle::ActiveWindowHotkey {
namespace {

static_assert(HotkeyModifier::Alt == MOD_ALT && HotkeyModifier::Control == MOD_CONTROL &&
              HotkeyModifier::Shift == MOD_SHIFT && HotkeyModifier::Windows == MOD_WIN);

constexpr int HotkeyId = 1;
HWND registeredOn = nullptr;

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
    const HWND target = foreground ? modWindowTips::FramedAncestor(foreground) : nullptr;
    ForegroundFacts facts;
    facts.exists = foreground != nullptr;
    // A pin, menu or dialog of any copy: pinning one would chain pins to pins.
    facts.ofDokkle =
        foreground && (CopyWindow::IsDokkleWindow(foreground) || CopyWindow::IsDokkleWindow(target));
    facts.isDesktopOrShell = foreground && (IsDesktopOrShell(foreground) || IsDesktopOrShell(target));
    const std::vector<HWND> pins =
        target && !facts.ofDokkle ? frmMain::PinsStuckIntoOrInside(target) : std::vector<HWND>{};
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

}  // namespace

void Start(HWND window) {
    const std::wstring text = modGeneralTips::GetIniString(
        L"Hotkey", L"PinActiveWindow", std::wstring(DefaultHotkeyText), modGeneralTips::IniFilePath());
    const HotkeySetting setting = ReadHotkeySetting(text);
    if (setting.switchedOff) {
        Notices::Add(NoticeTexts::HotkeySwitchedOff());
        return;
    }
    if (!setting.combination) {
        Notices::Add(NoticeTexts::HotkeySettingUnreadable(text));
        return;
    }
    const HotkeyCombination& combination = *setting.combination;
    if (!window ||
        !RegisterHotKey(window, HotkeyId, combination.modifiers | MOD_NOREPEAT, combination.virtualKey)) {
        Notices::Add(NoticeTexts::HotkeyHeldElsewhere(FormatHotkey(combination)));
        return;
    }
    registeredOn = window;
    Notices::Add(NoticeTexts::HotkeyInUse(FormatHotkey(combination)));
}

void Pressed(WPARAM id) {
    if (id == HotkeyId && registeredOn) ActOnForegroundWindow();
}

void Stop() {
    if (registeredOn) UnregisterHotKey(registeredOn, HotkeyId);
    registeredOn = nullptr;
}

}  // namespace dokkle::ActiveWindowHotkey
