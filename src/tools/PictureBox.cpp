#include "tools/PictureBox.h"

#include <windowsx.h>

namespace dokkle {
namespace {

constexpr const wchar_t* ClassName = L"DokklePictureBox";

}  // namespace

HWND PictureBox::Create(HWND parent, const Bounds& pixels, int id) {
    WNDCLASSEXW windowClass{};
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);

    HWND window = CreateFormWindow(
        WS_EX_CLIENTEDGE, ClassName, L"", WS_CHILD | WS_VISIBLE,
        RECT{pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height}, parent);
    if (window) SetWindowLongPtrW(window, GWLP_ID, id);
    return window;
}

void PictureBox::Repaint() const {
    if (Window()) InvalidateRect(Window(), nullptr, FALSE);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        // The owner's painting covers the whole box.
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
            owner_.PictureBox_MouseDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return message == WM_XBUTTONDOWN ? TRUE : 0;  // as the extra buttons' messages want
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

void PictureBox::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Window(), &paint);
    if (dc) {
        RECT inner{};
        GetClientRect(Window(), &inner);
        owner_.PictureBox_Paint(dc, inner);
    }
    EndPaint(Window(), &paint);
}

}  // namespace dokkle
