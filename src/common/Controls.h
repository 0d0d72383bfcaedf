#pragma once
// Making the controls of a dialog from its layout tables.
#include <windows.h>

#include <string>

#include "common/Catalogue.h"
#include "common/TwipsLayout.h"
#include "common/Win32Handles.h"

namespace dokkle::Controls {

// A font of the catalogue, its point size for the screen's resolution.
unique_hfont CreateDesignFont(const FontDesign& design);

// A child control at pixel bounds inside its parent, with the given font; the id is its control id.
HWND Create(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, DWORD extendedStyle,
            const Bounds& pixels, int id, HFONT font);

}  // namespace dokkle::Controls
