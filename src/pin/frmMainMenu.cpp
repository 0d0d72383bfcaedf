// The pin's handlers of its menu's events.
#include "common/AppVersion.h"
#include "common/Catalogue.h"
#include "common/Rounding.h"
#include "common/modGeneralTips.h"
#include "common/Notices.h"
#include "common/modWindowTips.h"
#include "pin/frmMain.h"
#include "common/VersionResource.h"
#include "tools/frmSelectWindow.h"
#include "tools/frmWindowInfo.h"

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
    if (IsClosed()) return;
    Prick(nullptr, false);
}

void frmMain::frmMenuInst_mnuPopupSelectTargetClick() {
    HWND n = nullptr;
    {
        frmSelectWindow dialog;
        dialog.hTargetWindow(hTarget);
        dialog.ShowModal();
        n = dialog.hTargetWindow();
    }
    // The pin keeps following while the dialog is open, and closes if its target goes meanwhile.
    if (IsClosed()) return;
    if (n == hTarget || !IsWindow(n) || n == Window()) return;

    Unprick();
    if (IsClosed()) return;
    StickInto(n);
}

void frmMain::StickInto(HWND n) {
    Prick(n, true);
    if (IsClosed()) return;

    RECT target{};
    GetWindowRect(hTarget, &target);
    // The tip goes to the target's horizontal centre, 20 pixels below its top edge.
    const double tipX = (static_cast<double>(target.left) + target.right) / 2;
    const double tipY = static_cast<double>(target.top) + 20;
    MoveTo(RoundHalfEven(tipX - CursorPositionX), RoundHalfEven(tipY - CursorPositionY));
    RecordPrickedOffsets(target);
    MemoryLeft = target.left;
    MemoryTop = target.top;
    MemoryWidth = modGeneralTips::RectWidth(target);
    MemoryHeight = modGeneralTips::RectHeight(target);
}

void frmMain::frmMenuInst_mnuPopupInformationClick() {
    frmWindowInfo& dialog = frmWindowInfo::Instance();
    dialog.OwnerForm = this;
    // A target that has just closed leaves nothing to show or to act on: the message saying so is all.
    if (dialog.LoadInfo(hTarget)) dialog.ShowModal();
}

namespace {

// What the user should know about this run, one line each after the version text.
std::wstring NoticeLines() {
    std::wstring lines;
    for (const std::wstring& line : Notices::All()) lines += L"\r\n" + line;
    return lines;
}

}  // namespace

void frmMain::frmMenuInst_mnuPopupVersionInfoClick() {
    modWindowTips::SetWindowPosWithoutStalling(hTarget, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (IsClosed()) return;
    const std::wstring version =
        std::to_wstring(DOKKLE_VERSION_MAJOR) + L"." + std::to_wstring(DOKKLE_VERSION_MINOR);
    const std::wstring text = Format(TextName::VersionLine, {L"" DOKKLE_TITLE, version}) + L"\r\n" +
                              VersionResource::LegalCopyright() + NoticeLines();
    // Modal to the whole program, as the pins' other dialogs are.
    MessageBoxW(nullptr, text.c_str(), L"" DOKKLE_TITLE, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    // A pin closed while the box was open has already given its target back its z-order.
    if (IsClosed()) return;
    modWindowTips::SetWindowPosWithoutStalling(hTarget, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void frmMain::frmMenuInst_mnuPopupExitClick() {
    Close();
}

void frmMain::frmMenuInst_DesignChanged(const std::wstring& NewDesign) {
    ApplyDesign(NewDesign);
    modGeneralTips::WriteIniString(L"Design", L"FileName", DesignFileName, modGeneralTips::IniFilePath());
}

}  // namespace dokkle
