// The map, the pins and the dialogs on the desktop of two monitors, where the left monitor's windows
// have negative coordinates.
#include <string>

#include "LocalWindow.h"
#include "MonitorRig.h"
#include "Screen.h"
#include "SelectDialogView.h"
#include "tools/SelectWindowLayout.h"

namespace dokkle::e2e {
namespace {

namespace Layout = SelectWindowLayout;

const std::vector<WORD> CtrlAltP{VK_CONTROL, VK_MENU, 'P'};

class MultiMonitor : public MonitorRigTest {
  protected:
    // Chooses "ハンドルを指定して刺す (&H)" from the pin's menu and waits for the dialog.
    SelectDialogView OpenSelectDialogOf(HWND pin) {
        EXPECT_TRUE(ChooseFromMenu(pin, {'H'}));
        return SelectDialogView(SelectDialogView::WaitForDialog(dokkle->Id()));
    }

    static bool Selects(const SelectDialogView& view, HWND window) {
        return WaitUntil(
            [&] {
                const auto line = view.LineOf(window);
                return line && view.SelectedLine() == line;
            },
            2000);
    }

    static bool Shows(const SelectDialogView& view, Point mapPixel, COLORREF colour) {
        const POINT point = view.ScreenPointOfMapPixel(mapPixel);
        return WaitUntil(
            [&] { return SameColour(Screenshot(RectOf(view.Handle())).At(point.x, point.y), colour); }, 2000);
    }

    // Holds a pin's place for a few follow ticks: none of them may move it.
    static bool StaysAt(HWND pin, POINT tip) {
        PumpMessagesFor(300);
        return PinHangsAt(pin, tip);
    }

    static bool IsInside(const RECT& inner, const RECT& outer) {
        return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
               inner.bottom <= outer.bottom;
    }
};

using MultiMonitorMap = MultiMonitor;
using MultiMonitorPins = MultiMonitor;
using MultiMonitorDialogs = MultiMonitor;

TEST_F(MultiMonitorMap, AWindowOnEitherMonitorIsDrawnInsideTheBoxOverTheMonitorsOutlinesAndAClickPicksIt) {
    TargetOptions options;
    options.bounds = RECT{1200, 620, 1800, 980};
    TargetProcess target(options);
    LocalWindow left({.title = L"Left memo", .bounds = {-1200, 300, -600, 700}});
    HWND pin = PrickAt(target.FreePoint());
    const SelectDialogView view = OpenSelectDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);

    // Worked by hand for the 247 x 172 box: the desktop runs from (-1280, 0) to (1920, 1200), so a pixel is
    // 246 / 3200 = 0.076875 map pixels across and 171 / 1200 = 0.1425 down. The left window: 80, 680 ->
    // 6.15, 52.275; 300, 700 -> 42.75, 99.75. The target: 2480, 3080 -> 190.65, 236.775; 620, 980 ->
    // 88.35, 139.65. The left monitor: 0 to 98.4 across, 25.08 to 171 down; the primary: 98.4 to 246.
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF faint =
        RGB((GetRValue(window) + GetRValue(grey)) / 2, (GetGValue(window) + GetGValue(grey)) / 2,
            (GetBValue(window) + GetBValue(grey)) / 2);
    ASSERT_TRUE(Shows(view, Point{193, 91}, highlight));  // the pin's target, selected from the start
    const Screenshot shot(RectOf(view.Handle()));
    if (const wchar_t* shots = _wgetenv(L"DOKKLE_SCREENSHOTS"))
        shot.Save(std::wstring(shots) + L"\\select-window-two-monitors.bmp");
    const auto at = [&](int32_t x, int32_t y) {
        const POINT point = view.ScreenPointOfMapPixel(Point{x, y});
        return shot.At(point.x, point.y);
    };
    for (const Point edge :
         {Point{6, 70}, Point{52, 70}, Point{30, 43}, Point{30, 100}, Point{191, 120}, Point{237, 100}}) {
        EXPECT_TRUE(SameColour(at(edge.x, edge.y), text)) << "window edge at " << edge.x << ", " << edge.y;
    }
    EXPECT_TRUE(SameColour(at(30, 70), window));
    EXPECT_TRUE(SameColour(at(5, 70), window));
    EXPECT_TRUE(SameColour(at(53, 70), window));
    for (const Point edge :
         {Point{0, 150}, Point{60, 25}, Point{98, 150}, Point{160, 0}, Point{246, 60}, Point{30, 171}}) {
        EXPECT_TRUE(SameColour(at(edge.x, edge.y), faint)) << "monitor edge at " << edge.x << ", " << edge.y;
    }
    EXPECT_TRUE(SameColour(at(60, 24), window));  // above the left monitor, which starts lower: no monitor

    LeftClickAt(view.ScreenPointOfMapPixel(Point{29, 71}));
    EXPECT_TRUE(Selects(view, left.Handle()));
    EXPECT_TRUE(Shows(view, Point{29, 71}, highlight));
    EXPECT_TRUE(Shows(view, Point{193, 91}, window));
    RightClickAt(view.ScreenPointOfMapPixel(Point{236, 89}));
    EXPECT_TRUE(Selects(view, target.Window()));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(view.Handle()); }));
}

TEST_F(MultiMonitorPins, APinCarriedOntoTheLeftMonitorPricksAWindowThereAndFollowsItToThePrimaryAndBack) {
    TargetOptions options;
    options.bounds = RECT{-1100, 400, -500, 800};
    TargetProcess target(options);
    LocalWindow memo({.title = L"Left memo", .bounds = {-1250, 850, -650, 1150}});
    HWND pin = LaunchWithMouseAt(POINT{900, 700});
    ASSERT_NE(pin, nullptr);
    for (const POINT point : {POINT{100, 650}, POINT{-5, 650}, POINT{-640, 300}, POINT{-1270, 1190}}) {
        MoveMouseTo(point);
        EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(pin, point); })) << point.x << ", " << point.y;
    }

    const POINT tip = target.FreePoint();
    ASSERT_LT(tip.x, 0);
    MoveMouseTo(tip);
    ASSERT_TRUE(WaitUntil([&] { return PinHangsAt(pin, tip); }));
    LeftClickAt(tip);
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(pin, target.Window()); }));
    EXPECT_TRUE(StaysAt(pin, tip));

    // Dragged half across onto the primary, wholly onto it, and back where it was.
    for (const POINT shift : {POINT{800, 0}, POINT{1700, -300}, POINT{0, 0}}) {
        SetWindowPos(target.Window(), nullptr, -1100 + shift.x, 400 + shift.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const POINT moved{tip.x + shift.x, tip.y + shift.y};
        EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(pin, moved); }))
            << "target moved by " << shift.x << ", " << shift.y << "; pin corner at " << PinOrigin(pin).x
            << ", " << PinOrigin(pin).y;
    }

    // Pulled out, carried to the other window of the left monitor and pricked there.
    const POINT there = memo.Centre();
    ASSERT_TRUE(PullOutAndCarryTo(pin, target.Window(), there));
    LeftRelease();
    EXPECT_TRUE(WaitUntil([&] { return StuckInto(pin, memo.Handle()) && !IsTopmost(target.Window()); }));
    EXPECT_TRUE(StaysAt(pin, there));
}

TEST_F(MultiMonitorPins, StickByHandleAndTheHotkeyPinWindowsOfTheLeftMonitorAtTheirTopCentres) {
    TargetOptions home, away;
    home.title = L"Home";
    home.bounds = RECT{300, 300, 900, 700};
    away.title = L"Away";
    away.bounds = RECT{-1100, 250, -500, 650};
    TargetProcess homeTarget(home);
    TargetProcess awayTarget(away);
    LocalWindow summary({.title = L"Left summary", .bounds = {-1200, 800, -700, 1100}});
    HWND pin = PrickAt(homeTarget.FreePoint());

    const SelectDialogView view = OpenSelectDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    TypeText(L"Left summary");
    ASSERT_TRUE(Selects(view, summary.Handle()));
    // Tab, Tab to the list: Enter is OK again.
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ASSERT_TRUE(
        WaitUntil([&] { return LOWORD(SendMessageW(view.Handle(), DM_GETDEFID, 0, 0)) == Layout::cmdOK; }));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(view.Handle()); }));
    // The tip 20 pixels below the top edge at the horizontal centre: (-1200 + -700) / 2 = -950, 800 + 20.
    EXPECT_TRUE(WaitUntil([&] { return PinHangsAt(pin, POINT{-950, 820}); }));
    EXPECT_TRUE(StaysAt(pin, POINT{-950, 820}));
    EXPECT_TRUE(IsTopmost(summary.Handle()));

    LeftClickAt(awayTarget.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == awayTarget.Window(); }));
    PressKeys(CtrlAltP);
    ASSERT_TRUE(dokkle->WaitForPinCount(2));
    // (-1100 + -500) / 2 = -800, 250 + 20
    HWND hotkeyPin = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        for (HWND candidate : dokkle->Pins()) {
            if (PinHangsAt(candidate, POINT{-800, 270})) hotkeyPin = candidate;
        }
        return hotkeyPin != nullptr;
    }));
    EXPECT_TRUE(hotkeyPin && StaysAt(hotkeyPin, POINT{-800, 270}));
    EXPECT_TRUE(IsTopmost(awayTarget.Window()));
}

TEST_F(MultiMonitorDialogs, BothDialogsOpenCentredOnTheLeftMonitorWhenTheCursorIsThere) {
    TargetOptions options;
    options.bounds = RECT{-1200, 300, -200, 1100};
    TargetProcess target(options);
    HWND pin = PrickAt(target.FreePoint());

    const SelectDialogView view = OpenSelectDialogOf(pin);
    ASSERT_NE(view.Handle(), nullptr);
    const RECT work = WorkAreaUnderCursor();
    EXPECT_TRUE(EqualRect(&work, &LeftMonitor)) << Describe(work);
    EXPECT_TRUE(IsCentredOnWorkAreaUnderCursor(view.Handle()));
    EXPECT_TRUE(IsInside(RectOf(view.Handle()), LeftMonitor)) << Describe(RectOf(view.Handle()));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(view.Handle()); }));

    ASSERT_TRUE(ChooseFromMenu(pin, {'I'}));
    HWND info = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND window : dokkle->VisibleWindowsOfClass(L"#32770")) {
                if (TitleOf(window) == L"ウィンドウの情報と操作") info = window;
            }
            return info != nullptr;
        },
        5000));
    EXPECT_TRUE(IsCentredOnWorkAreaUnderCursor(info));
    EXPECT_TRUE(IsInside(RectOf(info), LeftMonitor)) << Describe(RectOf(info));
}

}  // namespace
}  // namespace dokkle::e2e
