#include "pin/frmMenu.h"

#include <utility>

#include "common/Catalogue.h"
#include "pin/DesignFolder.h"

namespace dokkle {
namespace {

constexpr const wchar_t* ClassName = L"DokkleMenuForm";

void AppendItem(HMENU menu, UINT id, const wchar_t* caption) {
    AppendMenuW(menu, MF_STRING, id, caption);
}
void AppendSeparator(HMENU menu) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

}  // namespace

frmMenu::frmMenu(Events& owner, std::wstring designFolder)
    : owner_(owner), designFolder_(std::move(designFolder)) {}

frmMenu::~frmMenu() = default;

void frmMenu::EnsureLoaded() {
    if (Window()) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);
    CreateFormWindow(WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, RECT{0, 0, 0, 0});
    if (!popup_) BuildMenu();
}

void frmMenu::BuildMenu() {
    popup_.reset(CreatePopupMenu());
    HMENU popup = popup_.get();
    AppendItem(popup, mnuPopupRememberSize, Text(TextName::MenuFixSize));
    AppendItem(popup, mnuPopupRememberPos, Text(TextName::MenuFixPosition));
    AppendSeparator(popup);
    AppendItem(popup, mnuPopupSelectTarget, Text(TextName::MenuStickByHandle));
    AppendItem(popup, mnuPopupPrickableToChildWindow, Text(TextName::MenuChildWindows));
    AppendItem(popup, mnuPopupInformation, Text(TextName::MenuInformation));
    AppendSeparator(popup);
    design_ = CreatePopupMenu();
    AppendItem(design_, mnuPopupDesignItemsBase, L"Items");
    designCaptions_ = {L"Items"};
    AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(design_), Text(TextName::MenuDesign));
    AppendSeparator(popup);
    AppendItem(popup, mnuPopupVersionInfo, Text(TextName::MenuVersion));
    AppendSeparator(popup);
    AppendItem(popup, mnuPopupExit, Text(TextName::MenuPullOut));
}

bool frmMenu::Checked(Item item) {
    EnsureLoaded();
    return (GetMenuState(popup_.get(), item, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void frmMenu::SetChecked(Item item, bool checked) {
    EnsureLoaded();
    CheckMenuItem(popup_.get(), item, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void frmMenu::mnuPopup_Click() {
    EnsureLoaded();
    // Element 0 stays; the others are made anew from the folder each time.
    while (GetMenuItemCount(design_) > 1) DeleteMenu(design_, 1, MF_BYPOSITION);
    const std::vector<std::wstring> names = ListDesignFiles(designFolder_);
    designCaptions_.assign(1, names.empty() ? Text(TextName::MenuNoDesigns) : names.front());
    ModifyMenuW(design_, 0, MF_BYPOSITION | MF_STRING | (names.empty() ? MF_GRAYED : MF_ENABLED),
                mnuPopupDesignItemsBase, designCaptions_.front().c_str());
    for (size_t index = 1; index < names.size(); ++index) {
        designCaptions_.push_back(names[index]);
        AppendItem(design_, mnuPopupDesignItemsBase + static_cast<UINT>(index), names[index].c_str());
    }
}

void frmMenu::PopupMenu(HWND owner, POINT at) {
    EnsureLoaded();
    mnuPopup_Click();
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(popup_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x,
                       at.y, 0, owner, nullptr));
    // The pin closes its menu form as it closes, which may have happened while the menu was open.
    if (command != 0 && Window()) RunCommand(command);
}

void frmMenu::RunCommand(UINT command) {
    switch (command) {
        case mnuPopupRememberSize: {
            const bool checked = !Checked(mnuPopupRememberSize);
            SetChecked(mnuPopupRememberSize, checked);
            if (checked) owner_.frmMenuInst_MemorySize();
            return;
        }
        case mnuPopupRememberPos: {
            const bool checked = !Checked(mnuPopupRememberPos);
            SetChecked(mnuPopupRememberPos, checked);
            if (checked) owner_.frmMenuInst_MemoryPos();
            return;
        }
        case mnuPopupPrickableToChildWindow:
            SetChecked(mnuPopupPrickableToChildWindow, !Checked(mnuPopupPrickableToChildWindow));
            owner_.frmMenuInst_mnuPopupPrickableToChildWindowClick();
            return;
        case mnuPopupSelectTarget:
            owner_.frmMenuInst_mnuPopupSelectTargetClick();
            return;
        case mnuPopupInformation:
            owner_.frmMenuInst_mnuPopupInformationClick();
            return;
        case mnuPopupVersionInfo:
            owner_.frmMenuInst_mnuPopupVersionInfoClick();
            return;
        case mnuPopupExit:
            owner_.frmMenuInst_mnuPopupExitClick();
            return;
        default:
            break;
    }
    const size_t index = command - mnuPopupDesignItemsBase;
    if (command >= mnuPopupDesignItemsBase && index < designCaptions_.size()) {
        // A copy: the handler may rebuild the list.
        const std::wstring NewDesign = designCaptions_[index];
        owner_.frmMenuInst_DesignChanged(NewDesign);
    }
}

void frmMenu::Unload() {
    if (Window()) DestroyWindow(Window());
}

LRESULT frmMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace dokkle
