// The selection dialog's window and controls as it opens, and its layout when resized.
#include "SelectWindowFixture.h"
#include "tools/SelectWindowLayout.h"

namespace dokkle::testing {
namespace {

namespace Layout = SelectWindowLayout;

RECT BoundsInDialog(HWND control) {
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

using SelectWindowLook = SelectWindowTest;

TEST_F(SelectWindowLook, IsResizableAndTopmostWithACloseBoxButNoMinimizeOrMaximizeBox) {
    Open(nullptr);
    const auto style = static_cast<DWORD>(GetWindowLongW(dialog->Window(), GWL_STYLE));
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongW(dialog->Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(SelectWindowLook, EveryTextIsNinePointMsUiGothicInTheShiftJisCharacterSet) {
    Open(nullptr);
    const unique_hdc_window screen = GetDC(nullptr);
    const int expectedHeight = -MulDiv(9, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    for (int id : {Layout::lblDescription, Layout::lstWindows, Layout::txtKeyword, Layout::cmdSearch,
                   Layout::cmdUpdate, Layout::cmdOK, Layout::cmdCancel}) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Item(id), WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        ASSERT_EQ(GetObjectW(font, sizeof(logical), &logical), static_cast<int>(sizeof(logical))) << id;
        EXPECT_STREQ(logical.lfFaceName, L"MS UI Gothic") << id;
        EXPECT_EQ(logical.lfCharSet, SHIFTJIS_CHARSET) << id;
        EXPECT_EQ(logical.lfHeight, expectedHeight) << id;
        EXPECT_EQ(logical.lfWeight, FW_NORMAL) << id;
    }
}

TEST_F(SelectWindowLook, TabRunsKeywordSearchListOkCancelUpdateAndOkIsTheDefaultButton) {
    Open(nullptr);
    HWND window = dialog->Window();
    EXPECT_EQ(GetNextDlgTabItem(window, nullptr, FALSE), Item(Layout::txtKeyword));
    std::vector<int> order;
    HWND control = Item(Layout::txtKeyword);
    for (int step = 0; step < 6; ++step) {
        control = GetNextDlgTabItem(window, control, FALSE);
        order.push_back(GetDlgCtrlID(control));
    }
    EXPECT_EQ(order, (std::vector<int>{Layout::cmdSearch, Layout::lstWindows, Layout::cmdOK,
                                       Layout::cmdCancel, Layout::cmdUpdate, Layout::txtKeyword}));
    EXPECT_EQ(LOWORD(SendMessageW(window, DM_GETDEFID, 0, 0)), Layout::cmdOK);

    // The keyword box with the focus makes Search the default button; losing it gives it back to OK.
    Notify(Layout::txtKeyword, EN_SETFOCUS);
    EXPECT_EQ(LOWORD(SendMessageW(window, DM_GETDEFID, 0, 0)), Layout::cmdSearch);
    Notify(Layout::txtKeyword, EN_KILLFOCUS);
    EXPECT_EQ(LOWORD(SendMessageW(window, DM_GETDEFID, 0, 0)), Layout::cmdOK);
}

TEST_F(SelectWindowLook, ALargerWindowStretchesLabelAndListAndCarriesMapAndPanelToTheRightAndBottom) {
    Open(nullptr);
    HWND window = dialog->Window();
    RECT frame{0, 0, 800, 600};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const struct {
        int id;
        RECT bounds;
    } expected[] = {
        {Layout::lstWindows, {5, 35, 539, 595}},
        {Layout::picDesktop, {544, 35, 795, 211}},
        {Layout::cmdCancel, {714, 569, 795, 595}},
    };
    for (const auto& control : expected) {
        const RECT bounds = BoundsInDialog(Item(control.id));
        EXPECT_TRUE(EqualRect(&bounds, &control.bounds))
            << control.id << ": " << bounds.left << ", " << bounds.top << ", " << bounds.right << ", "
            << bounds.bottom;
    }
}

TEST_F(SelectWindowLook, AWindowTooSmallForTheListKeepsTheListAndMovesWhatItCan) {
    Open(nullptr);
    const RECT listBefore = BoundsInDialog(Item(Layout::lstWindows));
    SendMessageW(dialog->Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 20));
    const RECT list = BoundsInDialog(Item(Layout::lstWindows));
    EXPECT_TRUE(EqualRect(&list, &listBefore));
    EXPECT_EQ(BoundsInDialog(Item(Layout::lblDescription)).right, 95);
    EXPECT_EQ(BoundsInDialog(Item(Layout::picDesktop)).left, listBefore.right - listBefore.left + 10);
    EXPECT_EQ(BoundsInDialog(Item(Layout::txtKeyword)).left, 100 - 256);
    EXPECT_EQ(BoundsInDialog(Item(Layout::cmdOK)).top, 20 - 56 + 25);

    // Sized to nothing, and back: everything in its place again.
    SendMessageW(dialog->Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(0, 0));
    SendMessageW(dialog->Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(545, 374));
    const RECT restored = BoundsInDialog(Item(Layout::lstWindows));
    const RECT initial{5, 35, 284, 369};
    EXPECT_TRUE(EqualRect(&restored, &initial));
    EXPECT_EQ(BoundsInDialog(Item(Layout::cmdCancel)).left, 459);
}

}  // namespace
}  // namespace dokkle::testing
