// The pin's handlers of its menu's events.
#include "common/AppVersion.h"
#include "common/modGeneralTips.h"
#include "pin/frmMain.h"
#include "startup/VersionResource.h"

namespace dokkle {

void frmMain::ShowPopupMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    frmMenuInst->PopupMenu(Window(), cursor);
}

void frmMain::frmMenuInst_MemoryPos() {
    RECT target{};
    GetWindowRect(hTarget, &target);
    MemoryLeft = target.left;
    MemoryTop = target.top;
}

void frmMain::frmMenuInst_MemorySize() {
    RECT target{};
    GetWindowRect(hTarget, &target);
    MemoryWidth = modGeneralTips::RectWidth(target);
    MemoryHeight = modGeneralTips::RectHeight(target);
}

void frmMain::frmMenuInst_mnuPopupPrickableToChildWindowClick() {
    Unprick();
    Prick(nullptr, false);
}

void frmMain::frmMenuInst_mnuPopupSelectTargetClick() {}

void frmMain::frmMenuInst_mnuPopupInformationClick() {}

void frmMain::frmMenuInst_mnuPopupVersionInfoClick() {
    SetWindowPos(hTarget, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const std::wstring text = L"" DOKKLE_TITLE L" - バージョン " + std::to_wstring(DOKKLE_VERSION_MAJOR) + L"." +
                              std::to_wstring(DOKKLE_VERSION_MINOR) + L"\r\n" + VersionResource::LegalCopyright();
    // Modal to the whole program, as the pins' other dialogs are.
    MessageBoxW(nullptr, text.c_str(), L"" DOKKLE_TITLE, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    SetWindowPos(hTarget, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void frmMain::frmMenuInst_mnuPopupExitClick() { Close(); }

void frmMain::frmMenuInst_DesignChanged(const std::wstring& NewDesign) {
    ApplyDesign(NewDesign);
    modGeneralTips::WriteIniString(L"Design", L"FileName", DesignFileName, modGeneralTips::IniFilePath());
}

}  // namespace dokkle
