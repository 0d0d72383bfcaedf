#include "pin/frmMain.h"

#include "common/FormLifetime.h"
#include "common/Geometry.h"
#include "common/Rounding.h"
#include "common/modGeneralTips.h"
#include "pin/FollowStatistics.h"
#include "messaging/HandOffMessage.h"
#include "res/ResourceNames.h"
#include "tools/frmWindowInfo.h"

namespace dokkle {
namespace {

// The pin's size until its design is first drawn.
constexpr int InitialWidthTwips = 345;
constexpr int InitialHeightTwips = 360;
constexpr UINT_PTR timKicker = 1;
constexpr UINT timKickerInterval = 100;

}  // namespace

bool frmMain::Create(Maker& maker, const std::wstring& caption) {
    frmMain* pin = CreateHidden(maker, caption, false);
    if (!pin) return false;
    // A carried pin needs the foreground: only the foreground window's capture takes every mouse message.
    ShowWindow(pin->Window(), SW_SHOW);
    SetForegroundWindow(pin->Window());
    return true;
}

void frmMain::CreateStuckInto(Maker& maker, const std::wstring& caption, HWND target) {
    frmMain* pin = CreateHidden(maker, caption, true);
    if (!pin) return;
    pin->StickInto(target);
    if (pin->IsClosed()) return;
    pin->DrawPin(pin->DesignPath(pin->DesignFileName), 255, 1);
    // Shown only now, in its place, and without taking the activation from the target.
    SetWindowPos(pin->Window(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

struct frmMain::StuckPinSearch {
    HWND target;
    bool childWindowsToo;
    std::vector<HWND> pins;
};

BOOL CALLBACK frmMain::CollectStuckPin(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<StuckPinSearch*>(parameter);
    const frmMain* pin = FromWindow(window);
    if (pin && pin->IsPricked &&
        (pin->hTarget == search->target ||
         (search->childWindowsToo && IsChild(search->target, pin->hTarget)))) {
        search->pins.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> frmMain::PinsStuckInto(HWND target) {
    StuckPinSearch search{target, false, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectStuckPin, reinterpret_cast<LPARAM>(&search));
    return search.pins;
}

std::vector<HWND> frmMain::PinsStuckIntoOrInside(HWND target) {
    StuckPinSearch search{target, true, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectStuckPin, reinterpret_cast<LPARAM>(&search));
    return search.pins;
}

frmMain* frmMain::FromWindow(HWND window) {
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    if (lstrcmpW(className, ClassName) != 0 ||
        GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
        return nullptr;
    }
    return static_cast<frmMain*>(reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
}

frmMain* frmMain::CreateHidden(Maker& maker, const std::wstring& caption, bool startsStuck) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    // CS_IME: a pin takes no typing, so it needs no input-method window, whose start would cost the
    // pin's first activation the start of COM.
    windowClass.style = CS_DBLCLKS | CS_IME;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, ResourceNames::Icon);
    // The pin's own pointer while the mouse is over a pricked pin: a hand pointing up.
    windowClass.hCursor = LoadCursorW(windowClass.hInstance, ResourceNames::HandCursor);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);

    const int width = RoundHalfEven(InitialWidthTwips / modGeneralTips::TwipsPerPixelX());
    const int height = RoundHalfEven(InitialHeightTwips / modGeneralTips::TwipsPerPixelY());
    std::unique_ptr<frmMain> pin(new frmMain(maker, caption));
    pin->startsStuck_ = startsStuck;
    // No taskbar entry (tool window), always on top, drawn with per-pixel opacity.
    HWND window = pin->CreateFormWindow(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED, ClassName, L"",
                                        WS_POPUP, RECT{0, 0, width, height});
    // Once its window has existed the pin belongs to it, even when the creation then failed.
    frmMain* created = pin->HadWindow() ? pin.release() : nullptr;
    return window ? created : nullptr;
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    static const UINT followCallsQuery = RegisterWindowMessageW(FollowStatistics::QueryMessageName);
    static const UINT eventsQuery = RegisterWindowMessageW(FollowStatistics::EventQueryMessageName);
    if (message == followCallsQuery) return static_cast<LRESULT>(FollowStatistics::WindowPosCalls());
    if (message == eventsQuery) {
        return static_cast<LRESULT>(
            FollowStatistics::EventCountOf(static_cast<FollowStatistics::EventCount>(wParam)));
    }
    switch (message) {
        // A load step that fails makes the creation fail, and the unload step tidies what it left.
        case WM_CREATE:
            return LoadOrFail();
        case WM_DESTROY:
            Form_Unload();
            return 0;
        case WM_TIMER:
            if (wParam == timKicker) timKicker_Timer();
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            OnMouseMessage(message, wParam, lParam);
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

void frmMain::OnWindowGone() {
    FormLifetime::DeleteWhenIdle(std::unique_ptr<BaseWindow>(this));
}

void frmMain::Form_Load() {
    SetWindowTextW(Window(), caption_.c_str());

    objMessageListener = clsMessageListener::Create(*this);
    objMessageListener->StartHook(Window());

    DesignFileName = modGeneralTips::GetIniString(L"Design", L"FileName", L"Standard Red.bmp",
                                                  modGeneralTips::IniFilePath());

    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    frmMenuInst = std::make_unique<frmMenu>(static_cast<frmMenu::Events&>(*this),
                                            modGeneralTips::AppPath() + L"design\\");
    SetTimer(Window(), timKicker, timKickerInterval, nullptr);
    // A pin stuck in by its creator is placed by it; any other starts out hanging on the cursor.
    if (startsStuck_) {
        ApplyDesign(DesignFileName);
    } else {
        PickUp();
    }
}

LRESULT frmMain::LoadOrFail() noexcept {
    try {
        Form_Load();
        return 0;
    } catch (...) {
        return -1;
    }
}

// Also runs after a load step that failed part of the way, so each step checks what it finds.
void frmMain::Form_Unload() {
    KillTimer(Window(), timKicker);
    if (objMessageListener) {
        objMessageListener->EndHook();
        objMessageListener.reset();
    }
    Unprick();
    if (frmMenuInst) frmMenuInst->Unload();
    frmWindowInfo::Instance().OwnerFormClosing(this);
    ShowCursorAgain();
}

void frmMain::Close() {
    if (!IsClosed()) DestroyWindow(Window());
}

RECT frmMain::WindowBounds() const {
    RECT bounds{};
    GetWindowRect(Window(), &bounds);
    return bounds;
}

void frmMain::MoveTo(int32_t left, int32_t top) {
    SetWindowPos(Window(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int32_t frmMain::PrickedPositionX() const {
    return Add32(WindowBounds().left, CursorPositionX);
}

int32_t frmMain::PrickedPositionY() const {
    return Add32(WindowBounds().top, CursorPositionY);
}

void frmMain::BeforeArrival(UINT, WPARAM, LPARAM) {}

void frmMain::AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    objMessageListener_AfterArrival(uMsg, wParam, lParam);
}

void frmMain::objMessageListener_AfterArrival(UINT uMsg, WPARAM, LPARAM lParam) {
    if (IsCreateNewPinMessage(uMsg, lParam)) maker_.NewPinRequested();
}

}  // namespace dokkle
