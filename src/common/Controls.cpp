#include "common/Controls.h"

namespace dokkle::Controls {

unique_hfont CreatePointFont(const wchar_t* faceName, int points, BYTE characterSet) {
    HDC screen = ::GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW font{};
    font.lfHeight = -MulDiv(points, dotsPerInch, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = characterSet;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, faceName, LF_FACESIZE);
    return unique_hfont(CreateFontIndirectW(&font));
}

HWND Create(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, DWORD extendedStyle,
            const Bounds& pixels, int id, HFONT font) {
    HWND control = CreateWindowExW(extendedStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                   pixels.left, pixels.top, pixels.width, pixels.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

}  // namespace dokkle::Controls
