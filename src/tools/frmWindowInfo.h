#pragma once
// The window information dialog: a report on a pin's target window and its process, and operations
// on them. One dialog serves every pin; what it last reported on outlives its window, and the next
// opening starts from it.
#include <windows.h>

#include <optional>
#include <string>

#include "common/BaseDialog.h"
#include "common/Win32Handles.h"
#include "tools/PinTip.h"
#include "tools/frmWindowInfoLayout.h"

namespace dokkle {

class frmWindowInfo final : public BaseDialog {
  public:
    // The dialog that every pin opens.
    static frmWindowInfo& Instance();

    frmWindowInfo() = default;

    // Reports on the window and makes it the target, creating the dialog's window (hidden) if needed.
    // When the window no longer exists it says so, closes the dialog and returns false.
    bool LoadInfo(HWND hTargetWnd);

    // A pin going away lets go of the dialog, so that no click is aimed at a pin that is gone.
    void OwnerFormClosing(const PinTip* pin) noexcept;

    // The pin that opened the dialog; the mouse-button operations click at its tip.
    const PinTip* OwnerForm = nullptr;

  private:
    static constexpr UINT MouseButtonMessage = WM_APP + 1;  // wParam: the button; lParam: 1 press, 0 release
    static LRESULT CALLBACK MouseButtonSubclass(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR, DWORD_PTR) noexcept;

    // The dialog (frmWindowInfo.cpp).
    bool EnsureWindow();
    void OnInitDialog() override;
    void CreateControls();
    bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code);
    void TextBox_GotFocus(int id);
    void TextBox_LostFocus();
    void cmdUpdate_Click();
    void cmdClose_Click();
    HWND Control(frmWindowInfoLayout::ControlId id) const;
    std::wstring TextOf(frmWindowInfoLayout::ControlId id) const;
    void SetText(frmWindowInfoLayout::ControlId id, const std::wstring& text) const;
    int ShowMessage(const std::wstring& text, UINT style) const;
    void ShowClosedMessage(HWND window) const;

    // The operations (frmWindowInfoOperations.cpp).
    HWND ReportedTarget() const;
    void RefreshInfo();
    std::optional<unique_handle> OpenTargetProcess() const;
    void cmdTopmost_Click();
    void cmdNoTopMost_Click();
    void cmdVisible_Click();
    void cmdNotVisible_Click();
    void cmdRedraw_Click();
    void cmdCloseTarget_Click();
    void cmdChangeTitle_Click();
    void cmdResize_Click();
    void MouseButton_Operate(int id, bool pressed);
    LPARAM GetPrickedPointLParam(HWND target) const;
    void cmdHardwareStructureChanged_Click();
    void cmdSystemWillBeShutdown_Click();
    void cmdChangePriority_Click();
    void cmdTerminateProcess_Click();
    // The second after a termination, in which the pins go on and the dialog takes no input; false when
    // the dialog has closed meanwhile.
    bool PauseWithoutInput();

    HWND hInfoTarget = nullptr;
    std::wstring TargetTitle;
    DWORD TargetProcessID = 0;
    // With hInfoTarget and TargetProcessID, what tells the reported window from a later one that got
    // its handle.
    DWORD targetThreadId_ = 0;
    ATOM targetClass_ = 0;

    unique_hfont formFont_;
    unique_hfont reportFont_;
};

}  // namespace dokkle
