// The selection dialog's list, selection, search, map presses and result, in the test process.
#include <algorithm>

#include "SelectWindowFixture.h"
#include "tools/SelectWindowLayout.h"
#include "tools/WindowMap.h"

namespace dokkle::testing {
namespace {

namespace Layout = SelectWindowLayout;

using SelectWindowChoice = SelectWindowTest;

// The map pixel of a screen point, as the dialog's map of 247 x 172 pixels draws it.
Point OnMap(POINT screen) {
    const MapScale scale =
        MeasureMap(247, 172, Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    const Rect rect = ToMapRect(Rect{screen.x, screen.y, screen.x, screen.y}, scale);
    return Point{rect.left, rect.top};
}

TEST_F(SelectWindowChoice, ListsHiddenOwnedUntitledLongAndForeignScriptTitledWindowsButNeverItself) {
    HWND owner = MakeWindow(L"Memo");
    HWND owned = MakeWindow(L"owned", {120, 120, 200, 200}, 0, owner);
    HWND untitled = MakeWindow(L"");
    const std::wstring foreign = L"Ελληνικά 한국어 עברית 😀";
    HWND foreignTitled = MakeWindow(foreign);
    const std::wstring longTitle(10000, L'長');
    HWND longTitled = MakeWindow(longTitle);
    Open(nullptr);

    const std::vector<std::wstring> lines = Lines();
    EXPECT_EQ(LineOf(dialog->Window()), std::nullopt);
    const std::pair<HWND, std::wstring> expected[] = {{owner, L"Memo"},
                                                      {owned, L"owned"},
                                                      {untitled, L""},
                                                      {foreignTitled, foreign},
                                                      {longTitled, longTitle}};
    for (const auto& [window, title] : expected) {
        const auto line = LineOf(window);
        ASSERT_TRUE(line) << title.size();
        EXPECT_EQ(lines[*line], LineFor(window, title));
    }
    // Line 0 is the top of the Z order; every other top-level window is there, the dialog excepted.
    size_t topLevelWindows = 0;
    for (HWND window = GetTopWindow(GetDesktopWindow()); window; window = GetWindow(window, GW_HWNDNEXT)) {
        ++topLevelWindows;
    }
    EXPECT_EQ(lines.size(), topLevelWindows - 1);
    EXPECT_EQ(LineOf(GetWindow(dialog->Window(), GW_HWNDNEXT)), 0u);
}

TEST_F(SelectWindowChoice, ListsMoreThanTwoThousandWindowsAllOfThemInZOrder) {
    for (int i = 0; i < 2100; ++i) MakeWindow(L"many " + std::to_wstring(i));
    Open(nullptr);
    // Each new window went on top of the ones before it.
    std::vector<size_t> lines;
    for (const unique_hwnd& window : windows) {
        const auto line = LineOf(window.get());
        ASSERT_TRUE(line);
        lines.push_back(*line);
    }
    EXPECT_TRUE(std::is_sorted(lines.rbegin(), lines.rend()));
    EXPECT_GT(Lines().size(), 2100u);
    EXPECT_EQ(Lines()[lines.back()], LineFor(windows.back().get(), L"many 2099"));
}

TEST_F(SelectWindowChoice, TheWindowHandedInIsSelectedOkHandsBackTheNewChoiceAndCancelTheWindowHandedIn) {
    HWND memo = MakeWindow(L"Memo");
    HWND mail = MakeWindow(L"Mail");
    Open(memo);
    EXPECT_EQ(SelectedLine(), LineOf(memo));
    EXPECT_TRUE(IsOkEnabled());

    ChooseLine(static_cast<int>(*LineOf(mail)));
    EXPECT_EQ(dialog->hTargetWindow(), memo);  // nothing handed back before OK
    Click(Layout::cmdCancel);
    EXPECT_EQ(dialog->Window(), nullptr);
    EXPECT_EQ(dialog->hTargetWindow(), memo);

    Open(memo);
    ChooseLine(static_cast<int>(*LineOf(mail)));
    Click(Layout::cmdOK);
    EXPECT_EQ(dialog->Window(), nullptr);
    EXPECT_EQ(dialog->hTargetWindow(), mail);

    Open(memo);
    ChooseLine(static_cast<int>(*LineOf(mail)));
    SendMessageW(dialog->Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog->Window(), nullptr);
    EXPECT_EQ(dialog->hTargetWindow(), memo);
}

TEST_F(SelectWindowChoice, AWindowThatIsNotListedSelectsNoLineAndOkHandsItBack) {
    HWND framed = MakeWindow(L"Memo");
    HWND child =
        CreateWindowExW(0, L"BUTTON", L"child", WS_CHILD, 0, 0, 10, 10, framed, nullptr, nullptr, nullptr);
    for (HWND target : {HWND{nullptr}, child}) {
        Open(target);
        EXPECT_EQ(SelectedLine(), std::nullopt);
        EXPECT_TRUE(IsOkEnabled());
        Click(Layout::cmdOK);
        EXPECT_EQ(dialog->hTargetWindow(), target);
    }
}

TEST_F(SelectWindowChoice, WithNoLineSelectedOkIsDisabledAndTakesNoCommandUntilALineIsSelectedAgain) {
    HWND memo = MakeWindow(L"Memo");
    Open(memo);
    ChooseLine(-1);
    EXPECT_FALSE(IsOkEnabled());
    Click(Layout::cmdOK);
    ASSERT_NE(dialog->Window(), nullptr);

    ChooseLine(static_cast<int>(*LineOf(memo)));
    EXPECT_TRUE(IsOkEnabled());
    Click(Layout::cmdOK);
    EXPECT_EQ(dialog->hTargetWindow(), memo);
}

TEST_F(SelectWindowChoice, TypingSelectsTheFirstMatchSearchGoesOnToTheNextAndNoMatchChangesNothing) {
    HWND other = MakeWindow(L"Dokkle keyword OTHER");
    HWND second = MakeWindow(L"Dokkle Keyword second");
    HWND first = MakeWindow(L"dokkle KEYWORD first");
    Open(nullptr);
    TypeKeyword(L"dokkle keyword");
    EXPECT_EQ(SelectedLine(), LineOf(first));
    Click(Layout::cmdSearch);
    EXPECT_EQ(SelectedLine(), LineOf(second));
    Click(Layout::cmdSearch);
    EXPECT_EQ(SelectedLine(), LineOf(other));

    TypeKeyword(L"dokkle keyword nowhere");
    EXPECT_EQ(SelectedLine(), LineOf(other));
    Click(Layout::cmdSearch);
    EXPECT_EQ(SelectedLine(), LineOf(other));

    // The handle's digits match too, in either case.
    std::wstring digits = LineFor(second, L"").substr(2, 8);
    std::transform(digits.begin(), digits.end(), digits.begin(), ::towlower);
    TypeKeyword(digits);
    EXPECT_EQ(SelectedLine(), LineOf(second));
    Click(Layout::cmdOK);
    EXPECT_EQ(dialog->hTargetWindow(), second);
}

TEST_F(SelectWindowChoice, APressOnTheMapSelectsTheTopWindowThereWithAnyButtonAndAMissChangesNothing) {
    HWND below = MakeWindow(L"below", {100, 100, 500, 400}, WS_EX_TOPMOST);
    HWND above = MakeWindow(L"above", {300, 250, 700, 600}, WS_EX_TOPMOST);
    Open(nullptr);
    ASSERT_LT(LineOf(above), LineOf(below));

    const Point overlap = OnMap(POINT{400, 300});
    PressMapAt(overlap.x, overlap.y);
    EXPECT_EQ(SelectedLine(), LineOf(above));
    const Point belowOnly = OnMap(POINT{150, 150});
    PressMapAt(belowOnly.x, belowOnly.y, WM_RBUTTONDOWN);
    EXPECT_EQ(SelectedLine(), LineOf(below));
    // The lower right corner of the screen, where no window lies.
    PressMapAt(246, 171, WM_MBUTTONDOWN);
    EXPECT_EQ(SelectedLine(), LineOf(below));
    Click(Layout::cmdOK);
    EXPECT_EQ(dialog->hTargetWindow(), below);
}

TEST_F(SelectWindowChoice, UpdateKeepsTheSelectionListsNewWindowsAndDropsGoneOnes) {
    HWND memo = MakeWindow(L"Memo");
    HWND mail = MakeWindow(L"Mail");
    Open(mail);
    ChooseLine(static_cast<int>(*LineOf(memo)));
    HWND fresh = MakeWindow(L"fresh");
    Click(Layout::cmdUpdate);
    EXPECT_TRUE(LineOf(fresh));
    EXPECT_EQ(SelectedLine(), LineOf(memo));

    // A selected window that closes stays the selection, without a line, until OK hands it back.
    windows.front().reset();
    Click(Layout::cmdUpdate);
    EXPECT_EQ(LineOf(memo), std::nullopt);
    EXPECT_EQ(SelectedLine(), std::nullopt);
    EXPECT_TRUE(IsOkEnabled());
    Click(Layout::cmdOK);
    EXPECT_EQ(dialog->hTargetWindow(), memo);
}

TEST_F(SelectWindowChoice, AWindowClosedAfterTheListWasMadeCanStillBeChosenAndPaintedWithoutHarm) {
    HWND memo = MakeWindow(L"Memo", {100, 100, 400, 300}, WS_EX_TOPMOST);
    Open(nullptr);
    windows.back().reset();
    ShowWindow(dialog->Window(), SW_SHOWNA);
    UpdateWindow(dialog->Window());
    const Point inside = OnMap(POINT{250, 200});
    PressMapAt(inside.x, inside.y);
    EXPECT_EQ(SelectedLine(), LineOf(memo));
    UpdateWindow(dialog->Window());
    Click(Layout::cmdOK);
    EXPECT_EQ(dialog->hTargetWindow(), memo);
}

}  // namespace
}  // namespace dokkle::testing
