// The window selection dialog, opened from a pricked pin's menu and driven as a user would.
#include <cctype>
#include <string>

#include "LocalWindow.h"
#include "PinFixture.h"
#include "Screen.h"
#include "SelectDialogView.h"
#include "tools/SelectWindowLayout.h"

namespace dokkle::e2e {
namespace {

namespace Layout = SelectWindowLayout;

class SelectWindow : public PinTest {
protected:
    // Chooses "ハンドルを指定して刺す (&H)" from the pin's menu and waits for the dialog.
    SelectDialogView OpenDialogOf(HWND pin) {
        EXPECT_TRUE(ChooseFromMenu(pin, {'H'}));
        return SelectDialogView(SelectDialogView::WaitForDialog(dokkle->Id()));
    }

    static void Type(const std::string& letters) {
        for (char letter : letters) PressKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(letter))));
    }

    static bool Closes(const SelectDialogView& view) {
        return WaitUntil([&] { return !IsWindow(view.Handle()); }, 3000);
    }

    static bool Selects(const SelectDialogView& view, HWND window) {
        return WaitUntil([&] {
            const auto line = view.LineOf(window);
            return line && view.SelectedLine() == line;
        }, 2000);
    }

    static bool SameColour(Colour colour, COLORREF expected) {
        return colour.red == GetRValue(expected) && colour.green == GetGValue(expected) &&
               colour.blue == GetBValue(expected);
    }
};

// The windows of a list in the order the window manager has them, from the top.
std::vector<HWND> InZOrder(const std::vector<HWND>& windows) {
    std::vector<HWND> ordered;
    for (HWND window = GetTopWindow(GetDesktopWindow()); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (std::find(windows.begin(), windows.end(), window) != windows.end()) ordered.push_back(window);
    }
    return ordered;
}

TEST_F(SelectWindow, ListsEveryTopLevelWindowButItselfInZOrderWithExactLines) {
    TargetProcess target;
    LocalWindow memo({.title = L"Memo", .bounds = {40, 60, 300, 260}});
    LocalWindow untitled({.title = L"", .bounds = {60, 500, 200, 600}});
    LocalWindow hidden({.title = L"隠れた窓 Ελληνικά", .bounds = {700, 80, 900, 200}, .visible = false});
    LocalWindow owned({.title = L"owned", .bounds = {80, 90, 260, 220}, .owner = memo.Handle()});
    HWND pin = PrickAt(target.FreePoint());
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);

    const std::vector<std::wstring> lines = view.Lines();
    EXPECT_EQ(view.LineOf(view.Handle()), std::nullopt);
    const std::pair<HWND, std::wstring> ours[] = {{memo.Handle(), L"Memo"},
                                                  {untitled.Handle(), L""},
                                                  {hidden.Handle(), L"隠れた窓 Ελληνικά"},
                                                  {owned.Handle(), L"owned"},
                                                  {target.Window(), L"Dokkle Test Target"},
                                                  {pin, L"Dokkle v1.2"}};
    std::vector<HWND> listed;
    for (const std::wstring& line : lines) {
        for (const auto& [window, title] : ours) {
            if (line.starts_with(SelectDialogView::ExpectedLine(window, L""))) {
                EXPECT_EQ(line, SelectDialogView::ExpectedLine(window, title));
                listed.push_back(window);
            }
        }
    }
    std::vector<HWND> windows;
    for (const auto& [window, title] : ours) windows.push_back(window);
    EXPECT_EQ(listed, InZOrder(windows));

    // The pin's target is selected from the start, and OK may hand it back.
    EXPECT_EQ(view.SelectedLine(), view.LineOf(target.Window()));
    EXPECT_TRUE(IsWindowEnabled(view.Control(Layout::cmdOK)));
    EXPECT_TRUE(IsTopmost(view.Handle()));
}

TEST_F(SelectWindow, TypingAndEnterWalkTheMatchingLinesAndWrapAround) {
    LocalWindow mail({.title = L"Mail", .bounds = {450, 420, 700, 600}, .topmost = true});
    LocalWindow summary({.title = L"summary", .bounds = {450, 100, 700, 300}, .topmost = true});
    LocalWindow memo({.title = L"Memo", .bounds = {60, 100, 360, 300}});
    // Pricked, Memo becomes topmost above the other two: three lines in a row.
    HWND pin = PrickAt(memo.Centre());
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(memo.Handle()); }, 1000));
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    const std::vector<std::wstring> lines = view.Lines();
    const size_t memoLine = view.LineOf(memo.Handle()).value_or(0);
    ASSERT_EQ(view.LineOf(summary.Handle()), memoLine + 1);
    ASSERT_EQ(view.LineOf(mail.Handle()), memoLine + 2);
    ASSERT_EQ(view.SelectedLine(), memoLine);

    // Memo holds an M, so typing one keeps it; Enter searches on while the keyword box has the focus.
    Type("m");
    ASSERT_TRUE(WaitUntil([&] { return view.ControlText(Layout::txtKeyword) == L"m"; }, 1000));
    EXPECT_EQ(view.SelectedLine(), memoLine);
    PressKey(VK_RETURN);
    EXPECT_TRUE(Selects(view, summary.Handle()));
    PressKey(VK_RETURN);
    EXPECT_TRUE(Selects(view, mail.Handle()));

    // On through every other line that holds an m in either case, and round to Memo again.
    const auto holdsM = [](const std::wstring& line) { return line.find_first_of(L"mM") != std::wstring::npos; };
    size_t expected = memoLine + 2;
    for (size_t presses = 0; presses < lines.size() && expected != memoLine; ++presses) {
        do {
            expected = (expected + 1) % lines.size();
        } while (!holdsM(lines[expected]));
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return view.SelectedLine() == expected; }, 1000)) << "line " << expected;
    }
    EXPECT_EQ(view.SelectedLine(), memoLine);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(Closes(view));
}

}  // namespace
}  // namespace dokkle::e2e
