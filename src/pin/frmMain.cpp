#include "pin/frmMain.h"

#include "common/FormLifetime.h"
#include "common/Rounding.h"
#include "common/modGeneralTips.h"
#include "startup/HandOff.h"
#include "startup/modMain.h"

namespace dokkle {
namespace {

// The pin's size until its design is first drawn.
constexpr int InitialWidthTwips = 345;
constexpr int InitialHeightTwips = 360;
constexpr UINT_PTR KickerTimerId = 1;
constexpr UINT KickerIntervalMilliseconds = 100;

}  // namespace

void frmMain::Create() {
    WNDCLASSEXW windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);

    const int width = IntegerDivide(InitialWidthTwips, modGeneralTips::TwipsPerPixelX());
    const int height = IntegerDivide(InitialHeightTwips, modGeneralTips::TwipsPerPixelY());
    auto* pin = new frmMain();
    // No taskbar entry (tool window), always on top, drawn with per-pixel opacity.
    HWND window = pin->CreateFormWindow(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED, ClassName, L"",
                                        WS_POPUP, RECT{0, 0, width, height});
    if (!window) {
        delete pin;
        return;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: Form_Load(); return 0;
        case WM_DESTROY: Form_Unload(); return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

void frmMain::OnWindowGone() { FormLifetime::DeleteWhenIdle(std::unique_ptr<BaseWindow>(this)); }

void frmMain::Form_Load() {
    SetWindowTextW(Window(), modMain::CreatingMainPin ? modMain::MainTitle().c_str()
                                                      : (modMain::MainTitle() + L" Instance").c_str());
    modMain::CreatingMainPin = false;

    objMessageListener = clsMessageListener::Create(*this);
    objMessageListener->StartHook(Window());

    DesignFileName = modGeneralTips::GetIniString(L"Design", L"FileName", L"Standard Red.bmp",
                                                  modGeneralTips::IniFilePath());

    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetTimer(Window(), KickerTimerId, KickerIntervalMilliseconds, nullptr);
}

void frmMain::Form_Unload() {
    KillTimer(Window(), KickerTimerId);
    objMessageListener->EndHook();
    objMessageListener.reset();
}

void frmMain::Close() {
    if (!IsClosed()) DestroyWindow(Window());
}

void frmMain::BeforeArrival(UINT, WPARAM, LPARAM) {}

void frmMain::AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    objMessageListener_AfterArrival(uMsg, wParam, lParam);
}

void frmMain::objMessageListener_AfterArrival(UINT uMsg, WPARAM, LPARAM lParam) {
    if (HandOff::IsCreateNewPinMessage(uMsg, lParam)) modMain::CreatePin();
}

}  // namespace dokkle
