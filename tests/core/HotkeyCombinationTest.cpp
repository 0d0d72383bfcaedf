#include "startup/HotkeyCombination.h"

#include <gtest/gtest.h>

#include "startup/HotkeyPress.h"

namespace dokkle {
namespace {

using namespace HotkeyModifier;

HotkeyCombination Read(std::wstring_view text) {
    const HotkeySetting setting = ReadHotkeySetting(text);
    EXPECT_FALSE(setting.switchedOff) << "for a combination";
    return setting.combination.value_or(HotkeyCombination{});
}

TEST(HotkeyCombination, CombinationsAsAUserTypesThem) {
    EXPECT_EQ(Read(L"Ctrl+Alt+P"), (HotkeyCombination{Control | Alt, 'P'}));
    EXPECT_EQ(Read(L"Ctrl+Shift+F12"), (HotkeyCombination{Control | Shift, 0x7B}));
    EXPECT_EQ(Read(L" ctrl + alt + p "), (HotkeyCombination{Control | Alt, 'P'}));
    EXPECT_EQ(Read(L"Alt+Control+7"), (HotkeyCombination{Control | Alt, '7'}));
    EXPECT_EQ(Read(L"Win+Shift+Space"), (HotkeyCombination{Windows | Shift, 0x20}));
    EXPECT_EQ(Read(L"CTRL+F1"), (HotkeyCombination{Control, 0x70}));
    EXPECT_EQ(Read(L"Ctrl+F24"), (HotkeyCombination{Control, 0x87}));
    EXPECT_EQ(Read(L"Alt+pagedown"), (HotkeyCombination{Alt, 0x22}));
    EXPECT_EQ(Read(L"Ctrl+Alt+Shift+Win+Pause"), (HotkeyCombination{Control | Alt | Shift | Windows, 0x13}));
}

TEST(HotkeyCombination, NoneSwitchesItOffInAnyCase) {
    for (const wchar_t* text : {L"none", L"NONE", L" None "}) {
        const HotkeySetting setting = ReadHotkeySetting(text);
        EXPECT_TRUE(setting.switchedOff) << text;
        EXPECT_FALSE(setting.combination) << text;
    }
}

TEST(HotkeyCombination, TextsThatNameNoUsableCombinationAreNotRead) {
    for (const wchar_t* text : {L"",
                                L"P",
                                L"Shift+P",
                                L"Ctrl+",
                                L"+P",
                                L"Ctrl++P",
                                L"Ctrl+Ctrl+P",
                                L"Ctrl+Control+P",
                                L"Ctrl+Alt",
                                L"Ctrl+PP",
                                L"Ctrl+F0",
                                L"Ctrl+F25",
                                L"Ctrl+F01",
                                L"Ctrl+F1F",
                                L"Ctrl+Banana",
                                L"Strg+P",
                                L"Ctrl+Alt+P+Q",
                                L"Ctrl+é",
                                L"Ctrl+Ｐ",
                                L"Ctrl Alt P",
                                L"Ctrl-Alt-P",
                                L"none+P"}) {
        const HotkeySetting setting = ReadHotkeySetting(text);
        EXPECT_FALSE(setting.switchedOff) << text;
        EXPECT_FALSE(setting.combination) << text;
    }
}

TEST(HotkeyCombination, EveryKeyAndModifierSetIsWrittenAsItIsRead) {
    std::vector<uint32_t> keys{0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E, 0x13};
    for (uint32_t key = 'A'; key <= 'Z'; ++key) keys.push_back(key);
    for (uint32_t key = '0'; key <= '9'; ++key) keys.push_back(key);
    for (uint32_t key = 0x70; key <= 0x87; ++key) keys.push_back(key);
    for (uint32_t modifiers = 1; modifiers < 16; ++modifiers) {
        if (modifiers == Shift) continue;
        for (uint32_t key : keys) {
            const HotkeyCombination combination{modifiers, key};
            EXPECT_EQ(Read(FormatHotkey(combination)), combination);
        }
    }
    EXPECT_EQ(FormatHotkey(HotkeyCombination{Control | Alt, 'P'}), DefaultHotkeyText);
}

TEST(HotkeyPress, PinsOrPullsOutOnlyForAnotherProgramsOrdinaryWindow) {
    for (int bits = 0; bits < 16; ++bits) {
        ForegroundFacts facts;
        facts.exists = bits & 1;
        facts.ofThisProcess = bits & 2;
        facts.isDesktopOrShell = bits & 4;
        facts.hasOurPin = bits & 8;
        HotkeyAction expected = HotkeyAction::Nothing;
        if (facts.exists && !facts.ofThisProcess && !facts.isDesktopOrShell) {
            expected = facts.hasOurPin ? HotkeyAction::Unpin : HotkeyAction::Pin;
        }
        EXPECT_EQ(DecideHotkeyPress(facts), expected) << "case " << bits;
    }
}

}  // namespace
}  // namespace dokkle
