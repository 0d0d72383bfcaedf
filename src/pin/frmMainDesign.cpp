// The pin's look: applying a design and drawing one row of it.
#include "common/Rounding.h"
#include "common/modGeneralTips.h"
#include "pin/frmMain.h"
#include "render/PinImage.h"

namespace dokkle {

std::wstring frmMain::DesignPath(const std::wstring& DesignFile) const {
    return modGeneralTips::AppPath() + L"design\\" + DesignFile;
}

void frmMain::ApplyDesign(const std::wstring& DesignFile) {
    DesignFileName = DesignFile;
    const std::wstring configuration = DesignPath(DesignFile) + L".cfg";
    // Without a configuration the tip is the middle of the window as it is before the new design is drawn.
    const RECT bounds = WindowBounds();
    const int defaultX = RoundHalfEven(modGeneralTips::RectWidth(bounds) / 2.0);
    const int defaultY = RoundHalfEven(modGeneralTips::RectHeight(bounds) / 2.0);
    CursorPositionX =
        static_cast<int32_t>(GetPrivateProfileIntW(L"CursorPosition", L"X", defaultX, configuration.c_str()));
    CursorPositionY =
        static_cast<int32_t>(GetPrivateProfileIntW(L"CursorPosition", L"Y", defaultY, configuration.c_str()));
    DrawPin(DesignPath(DesignFile), 255, IsPricked ? 1 : 0);
}

void frmMain::DrawPin(const std::wstring& BitmapPath, int32_t Opacity, int32_t StateRow) {
    SetWindowLongW(Window(), GWL_EXSTYLE, GetWindowLongW(Window(), GWL_EXSTYLE) | WS_EX_LAYERED);
    const BitmapHandle composed = ComposePinImage(LoadDesignOrBuiltIn(BitmapPath), StateRow);
    ShowOnLayeredWindow(Window(), composed, Opacity);
}

}  // namespace dokkle
