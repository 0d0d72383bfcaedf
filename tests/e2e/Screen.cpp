#include "Screen.h"

namespace dokkle::e2e {

bool SameColour(Colour colour, COLORREF expected) {
    return colour.red == GetRValue(expected) && colour.green == GetGValue(expected) &&
           colour.blue == GetBValue(expected);
}

Screenshot::Screenshot(RECT area) : area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    pixels_.assign(static_cast<size_t>(width * height), 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = source[i] & 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

Colour Screenshot::At(int screenX, int screenY) const {
    const int width = area_.right - area_.left;
    const uint32_t pixel =
        pixels_[static_cast<size_t>((screenY - area_.top) * width + (screenX - area_.left))];
    return Colour{static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                  static_cast<int>(pixel & 0xFF)};
}

void Screenshot::Save(const std::wstring& path) const {
    const int width = area_.right - area_.left;
    const int height = area_.bottom - area_.top;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    std::vector<uint8_t> rows(static_cast<size_t>(stride * height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels_[static_cast<size_t>(y * width + x)];
            uint8_t* out = &rows[static_cast<size_t>((height - 1 - y) * stride + x * 3)];
            out[0] = static_cast<uint8_t>(pixel);
            out[1] = static_cast<uint8_t>(pixel >> 8);
            out[2] = static_cast<uint8_t>(pixel >> 16);
        }
    }
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(handle, &file, sizeof(file), &written, nullptr);
    WriteFile(handle, &info, sizeof(info), &written, nullptr);
    WriteFile(handle, rows.data(), static_cast<DWORD>(rows.size()), &written, nullptr);
    CloseHandle(handle);
}

bool DialogOnScreen(HWND dialog) {
    POINT corner{3, 3};
    ClientToScreen(dialog, &corner);
    const Colour seen =
        Screenshot(RECT{corner.x, corner.y, corner.x + 1, corner.y + 1}).At(corner.x, corner.y);
    return SameColour(seen, GetSysColor(COLOR_BTNFACE));
}

}  // namespace dokkle::e2e
