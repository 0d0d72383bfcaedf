#include "common/NoticeTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace dokkle {
namespace {

using NoticeTexts::Quoted;

TEST(NoticeTexts, AValueOfUpToFortyCharactersIsQuotedWhole) {
    for (size_t length = 0; length <= 40; ++length) {
        const std::wstring value(length, L'x');
        EXPECT_EQ(Quoted(value), value) << length;
    }
    const std::wstring forty =
        L"ホットキーの設定は読めないためホットキーは使えませんホットキーの設定は読めないた";
    ASSERT_EQ(forty.size(), 40u);
    EXPECT_EQ(Quoted(forty), forty);
}

TEST(NoticeTexts, ALongerValueKeepsItsFirstFortyCharactersAndAnEllipsis) {
    for (size_t length : {41u, 42u, 100u, 300u, 70000u}) {
        const std::wstring value = std::wstring(40, L'a') + std::wstring(length - 40, L'b');
        EXPECT_EQ(Quoted(value), std::wstring(40, L'a') + L"\x2026") << length;
    }
    const std::wstring hotkey = L"Ctrl+Alt+P" + std::wstring(300, L' ') + L"+Q";
    EXPECT_EQ(Quoted(hotkey), L"Ctrl+Alt+P" + std::wstring(30, L' ') + L"\x2026");
}

TEST(NoticeTexts, ACharacterOfTwoCodeUnitsAtTheCutIsLeftOutWhole) {
    const std::wstring clef = L"\xD834\xDD1E";  // U+1D11E, one character in two code units
    // Its first unit would be the fortieth: the character goes, and 39 units stay.
    const std::wstring across = std::wstring(39, L'a') + clef + L"tail";
    EXPECT_EQ(Quoted(across), std::wstring(39, L'a') + L"\x2026");
    // Wholly inside the first forty it stays.
    const std::wstring inside = std::wstring(38, L'a') + clef + L"tail";
    EXPECT_EQ(Quoted(inside), std::wstring(38, L'a') + clef + L"\x2026");
}

TEST(NoticeTexts, TheHotkeyNoticesQuoteTheValue) {
    EXPECT_EQ(NoticeTexts::HotkeySettingUnreadable(L"Ctrl+Banana"),
              L"ホットキーの設定「Ctrl+Banana」は読めないため、ホットキーは使えません。");
    EXPECT_EQ(
        NoticeTexts::HotkeySettingUnreadable(std::wstring(50, L'z')),
        L"ホットキーの設定「" + std::wstring(40, L'z') + L"…」は読めないため、ホットキーは使えません。");
    EXPECT_EQ(NoticeTexts::HotkeyHeldElsewhere(L"Ctrl+Alt+P"),
              L"ホットキー「Ctrl+Alt+P」は他のプログラムが使っているため、ホットキーは使えません。");
}

}  // namespace
}  // namespace dokkle
