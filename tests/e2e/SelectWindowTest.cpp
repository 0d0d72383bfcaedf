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
        for (char letter : letters) {
            PressKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(letter))));
        }
    }

    static bool Closes(const SelectDialogView& view) {
        return WaitUntil([&] { return !IsWindow(view.Handle()); }, 3000);
    }

    static bool Selects(const SelectDialogView& view, HWND window) {
        return WaitUntil(
            [&] {
                const auto line = view.LineOf(window);
                return line && view.SelectedLine() == line;
            },
            2000);
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
                                                  {pin, MainPinTitle}};
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

TEST_F(SelectWindow, OpensCentredOnTheWorkAreaOfTheScreenUnderTheCursor) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    EXPECT_TRUE(IsCentredOnWorkAreaUnderCursor(view.Handle()));
}

TEST_F(SelectWindow, TypingAndEnterWalkTheMatchingLinesAndWrapAround) {
    LocalWindow mail({.title = L"Mail", .bounds = {450, 420, 700, 600}, .topmost = true});
    LocalWindow summary({.title = L"summary", .bounds = {450, 100, 700, 300}, .topmost = true});
    LocalWindow memo({.title = L"Memo", .bounds = {60, 100, 360, 300}});
    // Pricked, Memo becomes topmost above the other two: three lines in a row.
    HWND pin = PrickAt(memo.Centre());
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(memo.Handle()); }));
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    const std::vector<std::wstring> lines = view.Lines();
    const size_t memoLine = view.LineOf(memo.Handle()).value_or(0);
    ASSERT_EQ(view.LineOf(summary.Handle()), memoLine + 1);
    ASSERT_EQ(view.LineOf(mail.Handle()), memoLine + 2);
    ASSERT_EQ(view.SelectedLine(), memoLine);

    // Memo holds an M, so typing one keeps it; Enter searches on while the keyword box has the focus.
    Type("m");
    ASSERT_TRUE(WaitUntil([&] { return view.ControlText(Layout::txtKeyword) == L"m"; }));
    EXPECT_EQ(view.SelectedLine(), memoLine);
    PressKey(VK_RETURN);
    EXPECT_TRUE(Selects(view, summary.Handle()));
    PressKey(VK_RETURN);
    EXPECT_TRUE(Selects(view, mail.Handle()));

    // On through every other line that holds an m in either case, and round to Memo again.
    const auto holdsM = [](const std::wstring& line) {
        return line.find_first_of(L"mM") != std::wstring::npos;
    };
    size_t expected = memoLine + 2;
    for (size_t presses = 0; presses < lines.size() && expected != memoLine; ++presses) {
        do {
            expected = (expected + 1) % lines.size();
        } while (!holdsM(lines[expected]));
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return view.SelectedLine() == expected; })) << "line " << expected;
    }
    EXPECT_EQ(view.SelectedLine(), memoLine);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(Closes(view));
}

// Typed as characters, not as keys: what an input method hands the box once a word is chosen.
TEST_F(SelectWindow, AJapaneseKeywordFindsTheWindowWhoseTitleHoldsIt) {
    LocalWindow schedule({.title = L"予定表 12月", .bounds = {450, 100, 700, 300}});
    LocalWindow memo({.title = L"議事録", .bounds = {60, 100, 360, 300}});
    HWND pin = PrickAt(memo.Centre());
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    ASSERT_TRUE(Selects(view, memo.Handle()));
    TypeText(L"予定");
    EXPECT_TRUE(WaitUntil([&] { return view.ControlText(Layout::txtKeyword) == L"予定"; }));
    EXPECT_TRUE(Selects(view, schedule.Handle()));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(Closes(view));
}

TEST_F(SelectWindow, TheDialogStandsAsLaidOutWithItsCaptionsAndASunkenMap) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    EXPECT_EQ(TitleOf(view.Handle()), L"ウィンドウの選択");
    RECT client{};
    GetClientRect(view.Handle(), &client);
    EXPECT_EQ(client.right, 545);
    EXPECT_EQ(client.bottom, 374);

    // left, top, right, bottom in the client area, once the layout has run for 545 x 374
    const struct {
        int id;
        RECT bounds;
        const wchar_t* caption;
    } controls[] = {
        {Layout::lblDescription,
         {5, 5, 540, 31},
         L"ウィンドウハンドルを左のリストから選択するか、"
         L"対象となるウィンドウを右のボックスから選択してください。"
         L"ハンドルやタイトルで検索することもできます。"},
        {Layout::lstWindows, {5, 35, 284, 369}, nullptr},
        {Layout::picDesktop, {289, 35, 540, 211}, nullptr},
        {Layout::txtKeyword, {289, 318, 485, 339}, L""},
        {Layout::cmdSearch, {489, 318, 540, 339}, L"検索"},
        {Layout::cmdUpdate, {289, 343, 370, 369}, L"更新"},
        {Layout::cmdOK, {374, 343, 455, 369}, L"OK"},
        {Layout::cmdCancel, {459, 343, 540, 369}, L"キャンセル"},
    };
    for (const auto& control : controls) {
        const RECT bounds = view.ControlBounds(control.id);
        EXPECT_TRUE(EqualRect(&bounds, &control.bounds))
            << "control " << control.id << " at " << bounds.left << ", " << bounds.top << ", " << bounds.right
            << ", " << bounds.bottom;
        if (control.caption) {
            EXPECT_EQ(view.ControlText(control.id), control.caption) << "control " << control.id;
        }
    }

    // Two pixels of sunken border: shadow outside, dark shadow inside, then the map's own pixels.
    const RECT map = RectOf(view.Control(Layout::picDesktop));
    const Screenshot shot(map);
    const int middle = (map.top + map.bottom) / 2;
    EXPECT_TRUE(SameColour(shot.At(map.left, middle), GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_TRUE(SameColour(shot.At(map.left + 1, middle), GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_TRUE(SameColour(shot.At(map.right - 1, middle), GetSysColor(COLOR_BTNHIGHLIGHT)));
    RECT inner{};
    GetClientRect(view.Control(Layout::picDesktop), &inner);
    EXPECT_EQ(inner.right, 247);
    EXPECT_EQ(inner.bottom, 172);
}

TEST_F(SelectWindow, AClickOnTheMapSelectsTheWindowDrawnThereAndTheHighlightMovesToIt) {
    TargetProcess target;
    LocalWindow memo({.title = L"Memo", .bounds = {40, 60, 300, 260}});
    HWND pin = PrickAt(target.FreePoint());
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    const Rect memoOnMap = SelectDialogView::MapRectOf(RectOf(memo.Handle()));
    const Rect targetOnMap = SelectDialogView::MapRectOf(RectOf(target.Window()));
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    // A point of the target's block that Memo's does not cover.
    const POINT targetPixel =
        view.ScreenPointOfMapPixel(Point{targetOnMap.right - 5, targetOnMap.bottom - 5});
    ASSERT_TRUE(WaitUntil([&] {
        return SameColour(Screenshot(RectOf(view.Handle())).At(targetPixel.x, targetPixel.y), highlight);
    }));

    const POINT memoPixel = view.ScreenPointOfMapPixel(Point{memoOnMap.left + 5, memoOnMap.top + 5});
    LeftClickAt(memoPixel);
    EXPECT_TRUE(Selects(view, memo.Handle()));
    ASSERT_TRUE(WaitUntil([&] {
        return SameColour(Screenshot(RectOf(view.Handle())).At(memoPixel.x, memoPixel.y), highlight);
    }));

    const Screenshot shot(RectOf(view.Handle()));
    EXPECT_TRUE(SameColour(shot.At(targetPixel.x, targetPixel.y), GetSysColor(COLOR_WINDOW)));
    // Memo's outline takes in its right and bottom edges (the target's block covers its lower right
    // corner); the dotted frame runs one pixel outside it.
    const POINT upperRight = view.ScreenPointOfMapPixel(Point{memoOnMap.right, memoOnMap.top});
    const POINT lowerLeft = view.ScreenPointOfMapPixel(Point{memoOnMap.left, memoOnMap.bottom});
    EXPECT_TRUE(SameColour(shot.At(upperRight.x, upperRight.y), GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_TRUE(SameColour(shot.At(lowerLeft.x, lowerLeft.y), GetSysColor(COLOR_WINDOWTEXT)));
    int dots = 0;
    for (int32_t x = memoOnMap.left - 1; x <= memoOnMap.right + 1; ++x) {
        const POINT above = view.ScreenPointOfMapPixel(Point{x, memoOnMap.top - 1});
        if (SameColour(shot.At(above.x, above.y), highlight)) ++dots;
    }
    EXPECT_GT(dots, (memoOnMap.right - memoOnMap.left) / 3);
    EXPECT_LT(dots, memoOnMap.right - memoOnMap.left);

    // Any button selects; a click where no window lies changes nothing.
    RightClickAt(view.ScreenPointOfMapPixel(Point{targetOnMap.right - 5, targetOnMap.bottom - 5}));
    EXPECT_TRUE(Selects(view, target.Window()));
    LeftClickAt(view.ScreenPointOfMapPixel(Point{244, 169}));
    // Nothing shows that the click has been handled: a while in which nothing may change.
    PumpMessagesFor(200);
    EXPECT_EQ(view.SelectedLine(), view.LineOf(target.Window()));
}

TEST_F(SelectWindow, OkWithAnotherWindowSticksThePinAtItsTopCentreAndRemembersThatWindowsRectangle) {
    TargetProcess target;
    LocalWindow summary({.title = L"Dokkle summary", .bounds = {620, 90, 900, 330}});
    HWND pin = PrickAt(target.FreePoint());
    // With the position fixed, what the pin remembers shows: the new target must stay where it is.
    ASSERT_TRUE(ChooseFromMenu(pin, {'P'}));
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    Type("summary");
    ASSERT_TRUE(Selects(view, summary.Handle()));

    // Once the keyword box has lost the focus (Tab, Tab to the list), Enter is OK again.
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ASSERT_TRUE(
        WaitUntil([&] { return LOWORD(SendMessageW(view.Handle(), DM_GETDEFID, 0, 0)) == Layout::cmdOK; }));
    PressKey(VK_RETURN);
    ASSERT_TRUE(Closes(view));

    // The tip 20 pixels below the top edge at the horizontal centre: (620 + 900) / 2 = 760, 90 + 20.
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(pin, POINT{760, 110}); }));
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(summary.Handle()) && !IsTopmost(target.Window()); }));
    EXPECT_EQ(GetForegroundWindow(), summary.Handle());
    EXPECT_TRUE(WaitUntil([&] { return InZOrder({pin, summary.Handle()}).front() == pin; }));

    // A few ticks on, neither has moved; the new target, dragged away, snaps back to its own place.
    PumpMessagesFor(300);
    EXPECT_TRUE(PinHangsAt(pin, POINT{760, 110}));
    EXPECT_EQ(RectOf(summary.Handle()).left, 620);
    SetWindowPos(summary.Handle(), nullptr, 580, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil(
        [&] { return RectOf(summary.Handle()).left == 620 && RectOf(summary.Handle()).top == 90; }));
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(pin, POINT{760, 110}); }));
}

enum class Closing { CancelButton, Escape, CloseBox, UnchangedOk };

class SelectWindowClosing : public SelectWindow, public ::testing::WithParamInterface<Closing> {};

// One way of closing per run: under Wine without a window manager, a dialog closed by a click can leave
// the X stacking of the pin and its target behind Wine's own order, so a second click would miss the pin.
TEST_P(SelectWindowClosing, CancelEscTheCloseBoxOrAnUnchangedOkLeaveThePinAsItWas) {
    TargetProcess target;
    LocalWindow summary({.title = L"Dokkle summary", .bounds = {620, 90, 900, 330}});
    HWND pin = PrickAt(target.FreePoint());
    const POINT before = PinOrigin(pin);
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    if (GetParam() != Closing::UnchangedOk) {
        Type("summary");
        ASSERT_TRUE(Selects(view, summary.Handle()));
    }
    switch (GetParam()) {
        case Closing::CancelButton:
            LeftClickAt(view.ControlCentre(Layout::cmdCancel));
            break;
        case Closing::Escape:
            PressKey(VK_ESCAPE);
            break;
        case Closing::CloseBox:
            PostMessageW(view.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case Closing::UnchangedOk:
            LeftClickAt(view.ControlCentre(Layout::cmdOK));
            break;
    }
    ASSERT_TRUE(Closes(view));
    // The pin acts on the dialog's answer after the dialog has gone: a while in which nothing may change.
    PumpMessagesFor(300);
    EXPECT_EQ(PinOrigin(pin).x, before.x);
    EXPECT_EQ(PinOrigin(pin).y, before.y);
    EXPECT_TRUE(IsTopmost(target.Window()));
    EXPECT_FALSE(IsTopmost(summary.Handle()));
}

INSTANTIATE_TEST_SUITE_P(SelectWindow, SelectWindowClosing,
                         ::testing::Values(Closing::CancelButton, Closing::Escape, Closing::CloseBox,
                                           Closing::UnchangedOk));

TEST_F(SelectWindow, APinWhoseTargetGoesWhileTheDialogIsOpenClosesAndTheProgramEndsCleanly) {
    LocalWindow memo({.title = L"Memo", .bounds = {60, 100, 360, 300}});
    LocalWindow summary({.title = L"Dokkle summary", .bounds = {620, 90, 900, 330}});
    HWND pin = PrickAt(memo.Centre());
    const SelectDialogView view = OpenDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    memo.Destroy();
    ASSERT_TRUE(WaitUntil([&] { return dokkle->Pins().empty(); }));

    // The dialog still works; its choice finds no pin to stick.
    Type("summary");
    ASSERT_TRUE(Selects(view, summary.Handle()));
    LeftClickAt(view.ControlCentre(Layout::cmdOK));
    ASSERT_TRUE(Closes(view));
    EXPECT_TRUE(dokkle->WaitForExit(3000));
    EXPECT_EQ(dokkle->ExitCode(), 0u);
    EXPECT_FALSE(IsTopmost(summary.Handle()));
}

}  // namespace
}  // namespace dokkle::e2e
