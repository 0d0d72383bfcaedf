#include "common/LanguageChoice.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

constexpr uint16_t JapaneseDisplay = 0x0411;  // ja-JP
constexpr uint16_t EnglishDisplay = 0x0409;   // en-US
constexpr uint16_t BritishDisplay = 0x0809;   // en-GB
constexpr uint16_t GermanDisplay = 0x0407;    // de-DE

TEST(LanguageChoice, EveryDisplayLanguageCrossedWithEverySetting) {
    constexpr Language J = Language::Japanese, E = Language::English;
    struct Case {
        const wchar_t* setting;
        Language onJapanese, onEnglish, onBritish, onGerman;
    };
    const Case cases[] = {
        // The display decides.
        {L"auto", J, E, E, E},
        {L"", J, E, E, E},
        {L"AUTO", J, E, E, E},
        {L"  Auto\t", J, E, E, E},
        // The setting decides.
        {L"ja", J, J, J, J},
        {L"en", E, E, E, E},
        {L"JA", J, J, J, J},
        {L"En", E, E, E, E},
        {L" ja ", J, J, J, J},
        {L"\ten", E, E, E, E},
        // Anything else is read as "auto".
        {L"de", J, E, E, E},
        {L"japanese", J, E, E, E},
        {L"english", J, E, E, E},
        {L"e n", J, E, E, E},
        {L"ja-JP", J, E, E, E},
        {L"en_US", J, E, E, E},
        {L"\"en\"", J, E, E, E},
        {L"   ", J, E, E, E},
        {L"\x65E5\x672C\x8A9E", J, E, E, E},  // "Japanese", written in Japanese
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseLanguage(JapaneseDisplay, c.setting), c.onJapanese)
            << "ja-JP, setting [" << c.setting << "]";
        EXPECT_EQ(ChooseLanguage(EnglishDisplay, c.setting), c.onEnglish)
            << "en-US, setting [" << c.setting << "]";
        EXPECT_EQ(ChooseLanguage(BritishDisplay, c.setting), c.onBritish)
            << "en-GB, setting [" << c.setting << "]";
        EXPECT_EQ(ChooseLanguage(GermanDisplay, c.setting), c.onGerman)
            << "de-DE, setting [" << c.setting << "]";
    }
}

TEST(LanguageChoice, OnlyThePrimaryLanguageOfTheDisplayCounts) {
    // Japanese with another sublanguage number, and the neutral Japanese identifier.
    EXPECT_EQ(ChooseLanguage(0x0811, L"auto"), Language::Japanese);
    EXPECT_EQ(ChooseLanguage(0x0011, L"auto"), Language::Japanese);
    // Languages whose numbers lie next to Japanese's.
    EXPECT_EQ(ChooseLanguage(0x0410, L"auto"), Language::English);  // Italian
    EXPECT_EQ(ChooseLanguage(0x0412, L"auto"), Language::English);  // Korean
    EXPECT_EQ(ChooseLanguage(0x0404, L"auto"), Language::English);  // Chinese (Taiwan)
    // The primary language has ten bits: a byte of 0x11 alone is not Japanese.
    EXPECT_EQ(ChooseLanguage(0x0311, L"auto"), Language::English);
    EXPECT_EQ(ChooseLanguage(0x0000, L"auto"), Language::English);  // neutral
}

}  // namespace
}  // namespace dokkle
