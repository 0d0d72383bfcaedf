#include "SelectDialogView.h"

#include "Desktop.h"
#include "Screen.h"
#include "common/FormatHex8.h"
#include "tools/SelectWindowLayout.h"
#include "tools/WindowMap.h"

namespace dokkle::e2e {
namespace {

// The map's inner drawing area: the box less its two-pixel sunken border on each side.
constexpr int32_t MapInnerWidth = SelectWindowLayout::picDesktopBounds.width - 4;
constexpr int32_t MapInnerHeight = SelectWindowLayout::picDesktopBounds.height - 4;

}  // namespace

const wchar_t* SelectDialogCaption() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? L"ウィンドウの選択"
                                                                      : L"Select Window";
}

HWND SelectDialogView::WaitForDialog(DWORD processId, int timeoutMilliseconds, const wchar_t* caption) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, caption); window;
                 window = FindWindowExW(nullptr, window, nullptr, caption)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == processId && IsWindowVisible(window) && DialogOnScreen(window)) found = window;
            }
            return found != nullptr;
        },
        timeoutMilliseconds);
    return found;
}

RECT SelectDialogView::ControlBounds(int id) const {
    RECT bounds = RectOf(Control(id));
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

POINT SelectDialogView::ControlCentre(int id) const {
    const RECT bounds = RectOf(Control(id));
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

std::wstring SelectDialogView::ControlText(int id) const {
    HWND control = Control(id);
    const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const LRESULT copied = SendMessageW(control, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::vector<std::wstring> SelectDialogView::Lines() const {
    HWND list = Control(SelectWindowLayout::lstWindows);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::vector<std::wstring> lines;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring line(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const LRESULT copied =
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
        line.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        lines.push_back(line);
    }
    return lines;
}

std::optional<size_t> SelectDialogView::SelectedLine() const {
    const LRESULT line = SendMessageW(Control(SelectWindowLayout::lstWindows), LB_GETCURSEL, 0, 0);
    if (line < 0) return std::nullopt;
    return static_cast<size_t>(line);
}

std::optional<size_t> SelectDialogView::LineOf(HWND window) const {
    const std::wstring prefix = FormatHex8(static_cast<int32_t>(reinterpret_cast<uintptr_t>(window))) + L"\t";
    const std::vector<std::wstring> lines = Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(0, prefix.size(), prefix) == 0) return i;
    }
    return std::nullopt;
}

std::wstring SelectDialogView::ExpectedLine(HWND window, const std::wstring& title) {
    return FormatHex8(static_cast<int32_t>(reinterpret_cast<uintptr_t>(window))) + L"\t" + title;
}

POINT SelectDialogView::ScreenPointOfMapPixel(Point pixel) const {
    POINT point{pixel.x, pixel.y};
    ClientToScreen(Control(SelectWindowLayout::picDesktop), &point);
    return point;
}

Rect SelectDialogView::MapRectOf(const RECT& screen) {
    const int32_t left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int32_t top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const MapScale scale = MeasureMap(MapInnerWidth, MapInnerHeight,
                                      Rect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                           top + GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    return ToMapRect(Rect{screen.left, screen.top, screen.right, screen.bottom}, scale);
}

}  // namespace dokkle::e2e
