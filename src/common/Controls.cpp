#include "common/Controls.h"

namespace dokkle::Controls {

static_assert(FontRequest::DefaultCharacterSet == DEFAULT_CHARSET &&
              FontRequest::ShiftJisCharacterSet == SHIFTJIS_CHARSET);
static_assert(FontRequest::AnyPitch == (DEFAULT_PITCH | FF_DONTCARE) &&
              FontRequest::FixedPitchModern == (FIXED_PITCH | FF_MODERN));

unique_hfont CreateDesignFont(const FontDesign& design) {
    HDC screen = ::GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW font{};
    font.lfHeight = -MulDiv(design.points, dotsPerInch, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = design.characterSet;
    font.lfPitchAndFamily = design.pitchAndFamily;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, design.face, LF_FACESIZE);
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
