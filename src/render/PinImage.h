#pragma once
// The pin's picture: a design loaded with its fallback to the built-in one, one row of it composed into
// a premultiplied 32-bit image, and that image shown on a layered window.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "render/BitmapHandle.h"

namespace dokkle {

// The design file if it is one the pin can show, otherwise the built-in design DEFAULT. The file is
// read once, for its check and its pixels alike.
BitmapHandle LoadDesignOrBuiltIn(const std::wstring& BitmapPath);

// A bitmap of the pixel rows of a design file's bytes, if they are a design the pin can show; otherwise
// an object that holds no bitmap.
BitmapHandle DesignFromFileBytes(const std::vector<uint8_t>& bytes);

// The composed image of one row (0 carried, 1 pricked); holds no bitmap if the source cannot be read.
BitmapHandle ComposePinImage(const BitmapHandle& Source, int32_t StateRow);

// Sizes the window to the image, keeping its top-left corner, and hands the image to the layered
// window with per-pixel opacity and the given constant opacity on top.
void ShowOnLayeredWindow(HWND window, const BitmapHandle& image, int32_t Opacity);

}  // namespace dokkle
