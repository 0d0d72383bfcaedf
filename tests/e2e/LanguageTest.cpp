// Which language Dokkle speaks: the display language's (Japanese, or English for any other), unless the
// settings file names one. Each fixture runs in its own display language, set for the whole test run.
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

bool JapaneseDisplay() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
}

class LanguageTest : public PinTest {
  protected:
    void UseSetting(const wchar_t* language) {
        WritePrivateProfileStringW(L"General", L"Language", language, (folder + L"Dokkle.ini").c_str());
    }

    // The first line of the version box of a new pin stuck into a target; the box closed again.
    std::wstring VersionLine() {
        TargetProcess target;
        HWND pin = PrickAt(target.FreePoint());
        if (!ChooseFromMenu(pin, {'V'})) return L"(no menu)";
        HWND box = nullptr;
        WaitUntil(
            [&] {
                const auto boxes = dokkle->VisibleWindowsOfClass(L"#32770");
                box = boxes.empty() ? nullptr : boxes.front();
                return box != nullptr;
            },
            2000);
        std::wstring line = L"(no box)";
        for (const std::wstring& text : box ? TextsOf(box) : std::vector<std::wstring>{}) {
            if (text.find(L"Copyright") != std::wstring::npos) line = text.substr(0, text.find(L"\r\n"));
        }
        PressKey(VK_RETURN);
        WaitUntil([&] { return !IsWindow(box); }, 2000);
        return line;
    }
};

using LanguageOnJapaneseDisplay = LanguageTest;
using LanguageOnEnglishDisplay = LanguageTest;

TEST_F(LanguageOnJapaneseDisplay, DokkleSpeaksJapanese) {
    ASSERT_TRUE(JapaneseDisplay()) << "this case runs on a Japanese display";
    EXPECT_EQ(VersionLine(), L"Dokkle - バージョン " DOKKLE_VERSION_TEXT);
}

TEST_F(LanguageOnJapaneseDisplay, TheSettingMakesItSpeakEnglish) {
    ASSERT_TRUE(JapaneseDisplay()) << "this case runs on a Japanese display";
    UseSetting(L"en");
    EXPECT_EQ(VersionLine(), L"Dokkle version " DOKKLE_VERSION_TEXT);
}

TEST_F(LanguageOnEnglishDisplay, DokkleSpeaksEnglish) {
    ASSERT_FALSE(JapaneseDisplay()) << "this case runs on an English display";
    EXPECT_EQ(VersionLine(), L"Dokkle version " DOKKLE_VERSION_TEXT);
}

TEST_F(LanguageOnEnglishDisplay, TheSettingMakesItSpeakJapanese) {
    ASSERT_FALSE(JapaneseDisplay()) << "this case runs on an English display";
    UseSetting(L" JA ");
    EXPECT_EQ(VersionLine(), L"Dokkle - バージョン " DOKKLE_VERSION_TEXT);
}

}  // namespace
}  // namespace dokkle::e2e
