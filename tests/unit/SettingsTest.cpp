#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "common/modGeneralTips.h"

namespace dokkle {
namespace {

using modGeneralTips::GetIniString;

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        path = std::wstring(folder) + L"dokkle-settings-test.ini";
        DeleteFileW(path.c_str());
    }
    void TearDown() override { DeleteFileW(path.c_str()); }

    void Write(const char* content) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content, static_cast<DWORD>(strlen(content)), &written, nullptr);
        CloseHandle(file);
    }

    std::string Content() const {
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        char content[256] = {};
        DWORD read = 0;
        ReadFile(file, content, sizeof(content) - 1, &read, nullptr);
        CloseHandle(file);
        return std::string(content, read);
    }

    std::wstring path;
};

TEST_F(Settings, AMissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"Standard Red.bmp", path), L"Standard Red.bmp");
    Write("[Other]\r\nFileName=x.bmp\r\n[Design]\r\nName=y.bmp\r\n");
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"Standard Red.bmp", path), L"Standard Red.bmp");
}

TEST_F(Settings, SectionAndKeyMatchWithoutRegardToCaseAndAnEmptyValueIsEmpty) {
    Write("[design]\r\nfilename=Blue.bmp\r\n");
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"default", path), L"Blue.bmp");
    Write("[Design]\r\nFileName=\r\n");
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"default", path), L"");
}

TEST_F(Settings, ALongValueIsReadWhole) {
    for (size_t length : {255u, 256u, 300u, 1023u, 1024u, 70000u}) {
        const std::string value = std::string(length - 1, 'a') + "z";
        Write(("[Design]\r\nFileName=" + value + "\r\n").c_str());
        EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), std::wstring(length - 1, L'a') + L"z")
            << length;
    }
    Write(("[Hotkey]\r\nPinActiveWindow=Ctrl+Alt+P" + std::string(300, ' ') + "+Q\r\n").c_str());
    EXPECT_EQ(GetIniString(L"Hotkey", L"PinActiveWindow", L"", path),
              L"Ctrl+Alt+P" + std::wstring(300, L' ') + L"+Q");
}

TEST_F(Settings, AFileWrittenByTheProfileWriterHoldsOneSectionAndOneKey) {
    WritePrivateProfileStringW(L"Design", L"FileName", L"Sky Blue.bmp", path.c_str());
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), L"Sky Blue.bmp");
    EXPECT_EQ(Content(), "[Design]\r\nFileName=Sky Blue.bmp\r\n");
}

TEST(Paths, TheSettingsFileIsTheExecutablesBaseNameWithIniBesideIt) {
    const std::wstring folder = modGeneralTips::AppPath();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_NE(folder.substr(0, folder.size() - 1).back(), L'\\');
    EXPECT_EQ(modGeneralTips::IniFilePath(), folder + L"dokkle_unit_tests.ini");
    EXPECT_EQ(modGeneralTips::ExecutablePath(), folder + L"dokkle_unit_tests.exe");
}

TEST(Twips, FifteenTwipsToThePixelAtNinetySixDotsPerInch) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_FLOAT_EQ(modGeneralTips::TwipsPerPixelX(), 1440.0f / static_cast<float>(dotsPerInch));
    EXPECT_FLOAT_EQ(modGeneralTips::TwipsPerPixelY(), modGeneralTips::TwipsPerPixelX());
}

}  // namespace
}  // namespace dokkle

namespace dokkle {
namespace {

class SettingsWrite : public Settings {};

TEST_F(SettingsWrite, ANameTheAnsiCodePageHoldsKeepsTheFileAnsi) {
    modGeneralTips::WriteIniString(L"Design", L"FileName", L"Sky Blue.bmp", path);
    EXPECT_EQ(Content(), "[Design]\r\nFileName=Sky Blue.bmp\r\n");
}

TEST_F(SettingsWrite, ANameBeyondTheAnsiCodePageIsRememberedInFull) {
    Write("[Design]\r\nFileName=Sky Blue.bmp\r\n");
    const std::wstring name = L"ピン \u20AC\u0142 \U0001F4CC.bmp";
    modGeneralTips::WriteIniString(L"Design", L"FileName", name, path);
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), name);
    // Later plain names still go through the same file.
    modGeneralTips::WriteIniString(L"Design", L"FileName", L"Leaf Green.bmp", path);
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), L"Leaf Green.bmp");
}

TEST_F(SettingsWrite, NamesWithBlanksOrQuotesAroundThemReadBackExactly) {
    for (const std::wstring name :
         {L" Sky Blue.bmp", L"Sky Blue.bmp ", L"\t Sky Blue.bmp", L"\"Sky Blue.bmp\"", L"'Sky Blue.bmp'",
          L"\"Sky Blue.bmp", L" ", L"\"", L"\"\"", L" ピン.bmp"}) {
        modGeneralTips::WriteIniString(L"Design", L"FileName", name, path);
        EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), name);
        // Read again from the file itself, not from the profile functions' copy of it.
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
        EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), name);
    }
}

TEST_F(SettingsWrite, AFileThatCannotBeWrittenIsLeftAsItWas) {
    Write("[Design]\r\nFileName=Sky Blue.bmp\r\n");
    // Held open without sharing by another program: every write fails, as on a read-only or full disk.
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    modGeneralTips::WriteIniString(L"Design", L"FileName", L"Leaf Green.bmp", path);
    modGeneralTips::WriteIniString(L"Design", L"FileName", L"ピン.bmp", path);
    CloseHandle(held);
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), L"Sky Blue.bmp");
}

TEST_F(SettingsWrite, AHiddenFileStaysHiddenWhenItIsRewrittenForAName) {
    Write("[Design]\r\nFileName=Sky Blue.bmp\r\n");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    modGeneralTips::WriteIniString(L"Design", L"FileName", L"ピン.bmp", path);
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), L"ピン.bmp");
    const DWORD attributes = GetFileAttributesW(path.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN)) << attributes;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The names of the files in the temporary folder that a rewrite could leave behind.
std::vector<std::wstring> LeftoverNames(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.push_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

TEST_F(SettingsWrite, AnotherWritersFileBesideItNeitherStopsTheRewriteNorIsTouched) {
    Write("[Design]\r\nFileName=Sky Blue.bmp\r\n");
    const std::wstring besides[] = {path + L".new", path + L".tmp", path + L"~"};
    std::vector<HANDLE> held;
    for (const std::wstring& other : besides) {
        HANDLE file = CreateFileW(other.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, "other", 5, &written, nullptr);
        held.push_back(file);
    }
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
    const std::vector<std::wstring> before = LeftoverNames(folder + L"*");

    modGeneralTips::WriteIniString(L"Design", L"FileName", L"ピン.bmp", path);
    for (HANDLE file : held) CloseHandle(file);
    EXPECT_EQ(GetIniString(L"Design", L"FileName", L"", path), L"ピン.bmp");
    EXPECT_EQ(LeftoverNames(folder + L"*"), before);
    for (const std::wstring& other : besides) {
        HANDLE file = CreateFileW(other.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        char content[16] = {};
        DWORD read = 0;
        ReadFile(file, content, sizeof(content), &read, nullptr);
        CloseHandle(file);
        EXPECT_EQ(std::string(content, read), "other");
        DeleteFileW(other.c_str());
    }
}

}  // namespace
}  // namespace dokkle
