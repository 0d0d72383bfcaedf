// The selection dialog's list, map and search: what the user picks and how the dialog shows it.
#include "common/modWindowTips.h"
#include "tools/DrawWindowMap.h"
#include "tools/KeywordMatch.h"
#include "tools/KeywordSearch.h"
#include "tools/WindowMap.h"
#include "tools/ZOrderWalk.h"
#include "tools/frmSelectWindow.h"

namespace dokkle {
namespace {

uintptr_t AsNumber(HWND window) {
    return reinterpret_cast<uintptr_t>(window);
}
HWND AsWindow(uintptr_t handle) {
    return reinterpret_cast<HWND>(handle);
}

// The virtual screen: every monitor's rectangle together.
Rect Desktop() {
    const int32_t left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int32_t top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Rect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM monitors) {
    reinterpret_cast<std::vector<Rect>*>(monitors)->push_back(
        Rect{bounds->left, bounds->top, bounds->right, bounds->bottom});
    return TRUE;
}

std::vector<Rect> Monitors() {
    std::vector<Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace

void frmSelectWindow::RefreshWindowList() {
    RECT inner{};
    GetClientRect(picDesktop.Window(), &inner);
    const MapScale scale = MeasureMap(inner.right, inner.bottom, Desktop());
    MapScaleX = scale.x;
    MapScaleY = scale.y;
    mapOrigin_ = scale.origin;
    monitorOutlines_ = MonitorOutlines(Monitors(), scale);

    const std::vector<uintptr_t> windows = WalkZOrder(
        AsNumber(GetTopWindow(GetDesktopWindow())),
        [](uintptr_t window) { return AsNumber(GetWindow(AsWindow(window), GW_HWNDNEXT)); },
        AsNumber(Window()));
    WindowEntries.clear();
    WindowEntries.reserve(windows.size());
    for (uintptr_t window : windows) WindowEntries.push_back(ReadEntry(window));

    FillList();
    if (const auto line = LineOf(SelectedWindow)) SelectLine(*line);
    // The map shows the new rectangles at once rather than at the next change of selection.
    PaintMap();
}

WindowEntry frmSelectWindow::ReadEntry(uintptr_t handle) const {
    HWND window = AsWindow(handle);
    WindowEntry entry;
    entry.hWnd = handle;
    entry.Title = modWindowTips::GetWindowTextString(window);
    // A window that has gone in the meantime keeps an empty rectangle.
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const Rect onMap = ToMapRect(Rect{bounds.left, bounds.top, bounds.right, bounds.bottom},
                                 MapScale{MapScaleX, MapScaleY, mapOrigin_});
    entry.Left = onMap.left;
    entry.Top = onMap.top;
    entry.Right = onMap.right;
    entry.Bottom = onMap.bottom;
    entry.HasParent = GetParent(window) != nullptr;
    return entry;
}

void frmSelectWindow::FillList() {
    // Without redrawing while it fills, the list is drawn once rather than once a line.
    SendMessageW(lstWindows, WM_SETREDRAW, FALSE, 0);
    SendMessageW(lstWindows, LB_RESETCONTENT, 0, 0);
    SendMessageW(lstWindows, LB_INITSTORAGE, WindowEntries.size(),
                 WindowEntries.size() * 48 * sizeof(wchar_t));
    for (size_t i = 0; i < WindowEntries.size(); ++i) {
        const std::wstring line = ListLine(WindowEntries[i]);
        if (SendMessageW(lstWindows, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str())) < 0) {
            // Line i belongs to entry i: a list that takes no more lines leaves no entry without one.
            WindowEntries.resize(i);
            break;
        }
    }
    SendMessageW(lstWindows, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(lstWindows, nullptr, TRUE);
}

void frmSelectWindow::PaintMap() const {
    picDesktop.Repaint();
}

void frmSelectWindow::PictureBox_Paint(HDC dc, const RECT& inner) {
    DrawWindowMap(dc, inner, monitorOutlines_, WindowEntries, AsNumber(SelectedWindow), SelectedLine());
}

void frmSelectWindow::PictureBox_MouseDown(POINT point) {
    if (const auto hit = HitTestMap(WindowEntries, Point{point.x, point.y})) {
        ChangeSelection(AsWindow(WindowEntries[*hit].hWnd));
    }
}

void frmSelectWindow::ChangeSelection(HWND h) {
    SelectedWindow = h;
    PaintMap();
    if (const auto line = LineOf(h)) {
        SelectLine(*line);
        EnableWindow(cmdOK, TRUE);
    } else {
        EnableWindow(cmdOK, FALSE);
    }
    if (WindowEntries.empty()) EnableWindow(cmdOK, h != Window());
}

void frmSelectWindow::lstWindows_Click() {
    const auto line = SelectedLine();
    ChangeSelection(line ? AsWindow(WindowEntries[*line].hWnd) : nullptr);
    PaintMap();
}

void frmSelectWindow::SelectLine(size_t line) {
    if (SelectedLine() == line) return;
    SendMessageW(lstWindows, LB_SETCURSEL, line, 0);
    lstWindows_Click();
}

std::optional<size_t> frmSelectWindow::SelectedLine() const {
    const LRESULT line = SendMessageW(lstWindows, LB_GETCURSEL, 0, 0);
    if (line < 0 || static_cast<size_t>(line) >= WindowEntries.size()) return std::nullopt;
    return static_cast<size_t>(line);
}

std::optional<size_t> frmSelectWindow::LineOf(HWND h) const {
    for (size_t line = 0; line < WindowEntries.size(); ++line) {
        if (WindowEntries[line].hWnd == AsNumber(h)) return line;
    }
    return std::nullopt;
}

void frmSelectWindow::SearchKeyword(bool FromNext) {
    std::vector<std::wstring> lines;
    lines.reserve(WindowEntries.size());
    for (const WindowEntry& entry : WindowEntries) lines.push_back(ListLine(entry));
    const std::wstring keyword = modWindowTips::GetWindowTextString(txtKeyword);
    if (const auto line = FindKeywordLine(lines, keyword, SelectedLine(), FromNext, ContainsIgnoringCase)) {
        SelectLine(*line);
    }
}

}  // namespace dokkle
