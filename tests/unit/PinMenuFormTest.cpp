// The pin's menu form in-process: its items, its check marks and events, and the design list.
#include "pin/frmMenu.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "InLanguage.h"
#include "pin/DesignFolder.h"

namespace dokkle {
namespace {

struct RecordingPin final : frmMenu::Events {
    void frmMenuInst_mnuPopupInformationClick() override { events.push_back(L"Information"); }
    void frmMenuInst_mnuPopupVersionInfoClick() override { events.push_back(L"VersionInfo"); }
    void frmMenuInst_mnuPopupExitClick() override { events.push_back(L"Exit"); }
    void frmMenuInst_MemoryPos() override { events.push_back(L"MemoryPos"); }
    void frmMenuInst_MemorySize() override { events.push_back(L"MemorySize"); }
    void frmMenuInst_mnuPopupPrickableToChildWindowClick() override {
        events.push_back(L"PrickableToChildWindow");
    }
    void frmMenuInst_DesignChanged(const std::wstring& NewDesign) override {
        events.push_back(L"Design " + NewDesign);
    }
    void frmMenuInst_mnuPopupSelectTargetClick() override { events.push_back(L"SelectTarget"); }
    std::vector<std::wstring> events;
};

std::wstring TemporaryFolder(const wchar_t* name) {
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    std::wstring folder = std::wstring(temporary) + name + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void Touch(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
}

void Remove(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring path = folder + found.cFileName;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryW(path.c_str());
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

std::vector<std::wstring> Items(HMENU menu) {
    std::vector<std::wstring> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        items.push_back(state & MF_SEPARATOR ? L"-" : ItemText(menu, i));
    }
    return items;
}

TEST(PinMenuForm, HoldsTheItemsInOrderAllUncheckedAndEnabled) {
    RecordingPin pin;
    frmMenu menu(pin, L"Z:\\no such folder\\");
    EXPECT_EQ(
        Items(menu.mnuPopup()),
        (std::vector<std::wstring>{L"サイズ固定 (&S)", L"位置固定 (&P)", L"-", L"ハンドルを指定して刺す (&H)",
                                   L"子ウィンドウにも刺せる (&C)", L"情報と操作 (&I)", L"-",
                                   L"デザイン設定 (&D)", L"-", L"バージョン情報 (&V)", L"-", L"抜く (&X)"}));
    EXPECT_EQ(GetSubMenu(menu.mnuPopup(), 7), menu.mnuPopupDesign());
    EXPECT_EQ(Items(menu.mnuPopupDesign()), std::vector<std::wstring>{L"Items"});
    for (int i = 0; i < GetMenuItemCount(menu.mnuPopup()); ++i) {
        const UINT state = GetMenuState(menu.mnuPopup(), static_cast<UINT>(i), MF_BYPOSITION);
        if (state & MF_SEPARATOR) continue;
        EXPECT_EQ(state & (MF_CHECKED | MF_GRAYED), 0u) << i;
    }
    menu.Unload();
}

TEST(PinMenuForm, InEnglishEveryItemIsEnglishWithAnAccessKeyOfItsOwn) {
    testing::InLanguage english(Language::English);
    RecordingPin pin;
    frmMenu menu(pin, L"Z:\\no such folder\\");
    const std::vector<std::wstring> items = Items(menu.mnuPopup());
    EXPECT_EQ(items,
              (std::vector<std::wstring>{L"Fix &Size", L"Fix &Position", L"-", L"Stick by &Handle...",
                                         L"Stick into &Child Windows", L"&Info and Actions...", L"-",
                                         L"&Design", L"-", L"&Version Information", L"-", L"Pull &Out"}));
    std::wstring keys;
    for (const std::wstring& item : items) {
        const size_t ampersand = item.find(L'&');
        if (item != L"-" && ampersand != std::wstring::npos) keys += towupper(item[ampersand + 1]);
    }
    EXPECT_EQ(keys, L"SPHCIDVO");
    menu.mnuPopup_Click();
    EXPECT_EQ(Items(menu.mnuPopupDesign()), std::vector<std::wstring>{L"(none)"});
    menu.Unload();
}

TEST(PinMenuForm, FixesRaiseTheirEventOnlyWhenSwitchedOnAndTheChildOptionBothWays) {
    RecordingPin pin;
    frmMenu menu(pin, L"Z:\\no such folder\\");
    menu.RunCommand(frmMenu::mnuPopupRememberPos);
    EXPECT_TRUE(menu.Checked(frmMenu::mnuPopupRememberPos));
    menu.RunCommand(frmMenu::mnuPopupRememberPos);
    EXPECT_FALSE(menu.Checked(frmMenu::mnuPopupRememberPos));
    menu.RunCommand(frmMenu::mnuPopupRememberSize);
    menu.RunCommand(frmMenu::mnuPopupPrickableToChildWindow);
    menu.RunCommand(frmMenu::mnuPopupPrickableToChildWindow);
    EXPECT_FALSE(menu.Checked(frmMenu::mnuPopupPrickableToChildWindow));
    EXPECT_EQ(pin.events, (std::vector<std::wstring>{L"MemoryPos", L"MemorySize", L"PrickableToChildWindow",
                                                     L"PrickableToChildWindow"}));
    menu.Unload();
}

TEST(PinMenuForm, CommandsRaiseTheirEvents) {
    RecordingPin pin;
    frmMenu menu(pin, L"Z:\\no such folder\\");
    for (UINT command : {frmMenu::mnuPopupSelectTarget, frmMenu::mnuPopupInformation,
                         frmMenu::mnuPopupVersionInfo, frmMenu::mnuPopupExit}) {
        menu.RunCommand(command);
    }
    EXPECT_EQ(pin.events,
              (std::vector<std::wstring>{L"SelectTarget", L"Information", L"VersionInfo", L"Exit"}));
    menu.Unload();
}

TEST(DesignList, ListsNormalBmpFilesAsStoredAndOnceAfterEveryOpening) {
    const std::wstring folder = TemporaryFolder(L"dokkle-design-list");
    for (const wchar_t* name : {L"a.bmp", L"b.BMP", L"ピン €.bmp", L"notes.txt", L"x.bmpx"})
        Touch(folder + name);
    Touch(folder + L"hidden.bmp", FILE_ATTRIBUTE_HIDDEN);
    Touch(folder + L"system.bmp", FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryW((folder + L"folder.bmp").c_str(), nullptr);

    const std::vector<std::wstring> listed = ListDesignFiles(folder);
    std::vector<std::wstring> sorted = listed;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::wstring>{L"a.bmp", L"b.BMP", L"ピン €.bmp"}));

    RecordingPin pin;
    frmMenu menu(pin, folder);
    menu.mnuPopup_Click();
    menu.mnuPopup_Click();
    EXPECT_EQ(Items(menu.mnuPopupDesign()), listed);
    EXPECT_EQ(GetMenuState(menu.mnuPopupDesign(), 0, MF_BYPOSITION) & MF_GRAYED, 0u);

    menu.RunCommand(frmMenu::mnuPopupDesignItemsBase + 2);
    EXPECT_EQ(pin.events, std::vector<std::wstring>{L"Design " + listed[2]});
    menu.Unload();
    Remove(folder);
}

TEST(DesignList, AnEmptyOrMissingFolderGivesOneDisabledNoneUntilDesignsAppear) {
    const std::wstring folder = TemporaryFolder(L"dokkle-design-empty");
    RecordingPin pin;
    frmMenu missing(pin, folder + L"missing\\");
    missing.mnuPopup_Click();
    EXPECT_EQ(Items(missing.mnuPopupDesign()), std::vector<std::wstring>{L"(なし)"});
    EXPECT_NE(GetMenuState(missing.mnuPopupDesign(), 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    missing.Unload();

    frmMenu menu(pin, folder);
    menu.mnuPopup_Click();
    EXPECT_EQ(Items(menu.mnuPopupDesign()), std::vector<std::wstring>{L"(なし)"});
    Touch(folder + L"new.bmp");
    menu.mnuPopup_Click();
    EXPECT_EQ(Items(menu.mnuPopupDesign()), std::vector<std::wstring>{L"new.bmp"});
    EXPECT_EQ(GetMenuState(menu.mnuPopupDesign(), 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    menu.Unload();
    Remove(folder);
}

}  // namespace
}  // namespace dokkle
