#include "SelectWindowFixture.h"

#include "common/FormatHex8.h"
#include "tools/SelectWindowLayout.h"

namespace dokkle::testing {

HWND SelectWindowTest::MakeWindow(const std::wstring& title, RECT bounds, DWORD extendedStyle, HWND owner) {
    HWND window = CreateWindowExW(extendedStyle, L"STATIC", title.c_str(), WS_POPUP, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, owner, nullptr,
                                  nullptr, nullptr);
    windows.emplace_back(window);
    return window;
}

void SelectWindowTest::Open(HWND target) {
    dialog = std::make_unique<frmSelectWindow>();
    dialog->hTargetWindow(target);
    ASSERT_TRUE(dialog->Load());
}

void SelectWindowTest::Notify(int id, int code) const {
    SendMessageW(dialog->Window(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
}

void SelectWindowTest::Click(int id) const {
    Notify(id, BN_CLICKED);
}

void SelectWindowTest::ChooseLine(int line) const {
    SendMessageW(Item(SelectWindowLayout::lstWindows), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    Notify(SelectWindowLayout::lstWindows, LBN_SELCHANGE);
}

void SelectWindowTest::TypeKeyword(const std::wstring& keyword) const {
    // Setting an edit box's text raises its change notification, as typing does.
    SetWindowTextW(Item(SelectWindowLayout::txtKeyword), keyword.c_str());
}

void SelectWindowTest::PressMapAt(int32_t x, int32_t y, UINT buttonMessage) const {
    SendMessageW(Item(SelectWindowLayout::picDesktop), buttonMessage, 0, MAKELPARAM(x, y));
}

std::vector<std::wstring> SelectWindowTest::Lines() const {
    HWND list = Item(SelectWindowLayout::lstWindows);
    std::vector<std::wstring> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring line(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        line.resize(
            static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
        lines.push_back(line);
    }
    return lines;
}

std::optional<size_t> SelectWindowTest::SelectedLine() const {
    const LRESULT line = SendMessageW(Item(SelectWindowLayout::lstWindows), LB_GETCURSEL, 0, 0);
    if (line < 0) return std::nullopt;
    return static_cast<size_t>(line);
}

std::optional<size_t> SelectWindowTest::LineOf(HWND window) const {
    const std::wstring prefix = LineFor(window, L"");
    const std::vector<std::wstring> lines = Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with(prefix)) return i;
    }
    return std::nullopt;
}

std::wstring SelectWindowTest::LineFor(HWND window, const std::wstring& title) {
    return FormatHex8(static_cast<int32_t>(reinterpret_cast<uintptr_t>(window))) + L"\t" + title;
}

bool SelectWindowTest::IsOkEnabled() const {
    return IsWindowEnabled(Item(SelectWindowLayout::cmdOK)) != FALSE;
}

}  // namespace dokkle::testing
