#include <gtest/gtest.h>

#include "TestWindow.h"
#include "common/modGeneralTips.h"
#include "common/modWindowTips.h"

namespace dokkle {
namespace {

using modWindowTips::GetWindowTextString;

TEST(WindowText, ATitleWithDoubleByteCharactersComesBackInFullAndNothingAfterIt) {
    testing::CallLog log;
    testing::TestWindow window(log, L"メモ帳 - 無題 (Memo)");
    EXPECT_EQ(GetWindowTextString(window.Handle()), L"メモ帳 - 無題 (Memo)");
}

TEST(WindowText, AnUntitledOrVanishedWindowGivesTheEmptyText) {
    testing::CallLog log;
    HWND gone = nullptr;
    {
        testing::TestWindow window(log, L"");
        EXPECT_EQ(GetWindowTextString(window.Handle()), L"");
        gone = window.Handle();
    }
    EXPECT_EQ(GetWindowTextString(gone), L"");
    EXPECT_EQ(GetWindowTextString(nullptr), L"");
}

TEST(WindowText, SelectAllTextSelectsTheWholeTextOfAnEditBox) {
    HWND edit =
        CreateWindowExW(0, L"EDIT", L"値を入力", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(edit, EM_SETSEL, 2, 2);
    modGeneralTips::SelectAllText(edit);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    DestroyWindow(edit);
}

TEST(Rectangles, WidthAndHeightAreSignedDifferences) {
    const RECT rect{30, 40, 10, 100};
    EXPECT_EQ(modGeneralTips::RectWidth(rect), -20);
    EXPECT_EQ(modGeneralTips::RectHeight(rect), 60);
}

}  // namespace
}  // namespace dokkle
