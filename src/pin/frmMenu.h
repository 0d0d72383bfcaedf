#pragma once
// The pin's menu form: never shown, it holds the pop-up menu mnuPopup, whose check marks are part of
// its pin's state, and turns menu choices into events for its pin.
#include <windows.h>

#include <string>
#include <vector>

#include "common/BaseWindow.h"
#include "common/Win32Handles.h"

namespace dokkle {

class frmMenu final : public BaseWindow {
  public:
    class Events {
      public:
        virtual void frmMenuInst_mnuPopupInformationClick() = 0;
        virtual void frmMenuInst_mnuPopupVersionInfoClick() = 0;
        virtual void frmMenuInst_mnuPopupExitClick() = 0;
        virtual void frmMenuInst_MemoryPos() = 0;
        virtual void frmMenuInst_MemorySize() = 0;
        virtual void frmMenuInst_mnuPopupPrickableToChildWindowClick() = 0;
        virtual void frmMenuInst_DesignChanged(const std::wstring& NewDesign) = 0;
        virtual void frmMenuInst_mnuPopupSelectTargetClick() = 0;

      protected:
        ~Events() = default;
    };

    // Menu item identifiers; the design list takes DesignItemsBase + index.
    enum Item : UINT {
        mnuPopupRememberSize = 101,
        mnuPopupRememberPos,
        mnuPopupSelectTarget,
        mnuPopupPrickableToChildWindow,
        mnuPopupInformation,
        mnuPopupVersionInfo,
        mnuPopupExit,
        mnuPopupDesignItemsBase = 1000,
    };

    // designFolder: where the design list comes from; the pin's menu lists the design folder beside the
    // program.
    frmMenu(Events& owner, std::wstring designFolder);
    ~frmMenu() override;

    // The check marks; reading one loads the form's window (hidden) as in its first use.
    bool Checked(Item item);
    void SetChecked(Item item, bool checked);

    // Rebuilds the design list, then shows the pop-up at the screen point; a choice raises its event.
    void PopupMenu(HWND owner, POINT at);
    // Destroys the form's window; the object goes with its pin.
    void Unload();

    // The menu's opening: rebuilds the design list from the folder.
    void mnuPopup_Click();
    // Carries out a chosen item as if it had been clicked.
    void RunCommand(UINT command);

    HMENU mnuPopup() {
        EnsureLoaded();
        return popup_.get();
    }
    HMENU mnuPopupDesign() {
        EnsureLoaded();
        return design_;
    }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void EnsureLoaded();
    void BuildMenu();

    Events& owner_;
    std::wstring designFolder_;
    unique_hmenu popup_;
    HMENU design_ = nullptr;  // the submenu, owned by popup_
    std::vector<std::wstring> designCaptions_;
};

}  // namespace dokkle
