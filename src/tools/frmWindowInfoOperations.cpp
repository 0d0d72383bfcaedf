// The dialog's operations on its target window and on the process that owns it.
#include "common/Catalogue.h"
#include "common/Geometry.h"
#include "common/UnwaitedSend.h"
#include "common/modWindowTips.h"
#include "tools/BoxNumber.h"
#include "tools/PrickedPoint.h"
#include "tools/ProcessPriority.h"
#include "tools/WindowFactsReader.h"
#include "tools/WindowIdentity.h"
#include "tools/frmWindowInfo.h"

namespace dokkle {

using namespace frmWindowInfoLayout;

namespace {

static_assert(PriorityClass::Idle == IDLE_PRIORITY_CLASS && PriorityClass::Normal == NORMAL_PRIORITY_CLASS &&
              PriorityClass::High == HIGH_PRIORITY_CLASS &&
              PriorityClass::Realtime == REALTIME_PRIORITY_CLASS);

// The pause after a close or a termination, before the report is refreshed.
constexpr uint64_t PauseMilliseconds = 1000;

struct MouseButtonMessages {
    int button;
    UINT press;
    UINT release;
    WPARAM keys;
};

constexpr MouseButtonMessages MouseButtons[] = {
    {cmdLeftButton, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON},
    {cmdMiddleButton, WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON},
    {cmdRightButton, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
};

}  // namespace

// The target while its handle still names the window that was reported on. A window that has closed
// fails every operation silently, and one that got a closed window's handle is left alone the same
// way; the next refresh tells the user.
HWND frmWindowInfo::ReportedTarget() const {
    const WindowIdentity reported{hInfoTarget, targetThreadId_, TargetProcessID, targetClass_};
    return StillNamesTheSameWindow(reported) ? hInfoTarget : nullptr;
}

void frmWindowInfo::RefreshInfo() {
    if (ReportedTarget()) {
        LoadInfo(hInfoTarget);
        return;
    }
    ShowClosedMessage(hInfoTarget);
    CloseDialog();
}

// The process is opened only while the reported window exists, and that is checked again once it is
// open: a window cannot outlive its process, so the ID cannot meanwhile have gone to another process.
// None when the window has gone; an empty handle when the process could not be opened.
std::optional<unique_handle> frmWindowInfo::OpenTargetProcess() const {
    if (!ReportedTarget()) return std::nullopt;
    unique_handle process{OpenProcess(ClassicProcessAllAccess, FALSE, TargetProcessID)};
    if (!ReportedTarget()) return std::nullopt;
    return process;
}

void frmWindowInfo::cmdTopmost_Click() {
    if (HWND target = ReportedTarget())
        modWindowTips::SetWindowPosWithoutStalling(target, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void frmWindowInfo::cmdNoTopMost_Click() {
    if (HWND target = ReportedTarget())
        modWindowTips::SetWindowPosWithoutStalling(target, HWND_NOTOPMOST, 0, 0, 0, 0,
                                                   SWP_NOMOVE | SWP_NOSIZE);
}

void frmWindowInfo::cmdVisible_Click() {
    if (HWND target = ReportedTarget()) {
        modWindowTips::SetWindowPosWithoutStalling(target, nullptr, 0, 0, 0, 0,
                                                   SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
}

void frmWindowInfo::cmdNotVisible_Click() {
    if (HWND target = ReportedTarget()) {
        modWindowTips::SetWindowPosWithoutStalling(target, nullptr, 0, 0, 0, 0,
                                                   SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
}

void frmWindowInfo::cmdRedraw_Click() {
    if (HWND target = ReportedTarget()) InvalidateRgn(target, nullptr, TRUE);
}

void frmWindowInfo::cmdCloseTarget_Click() {
    if (HWND target = ReportedTarget()) {
        // Handled once the target says so, which may wait for its user's answer; a target that has
        // stopped answering is not waited for.
        UnwaitedSend close(target, WM_CLOSE);
        std::optional<uint64_t> handledAt;
        const bool stillOpen = WaitWithoutInput([&] {
            if (!handledAt && close.Over()) handledAt = GetTickCount64();
            return handledAt && GetTickCount64() - *handledAt >= PauseMilliseconds;
        });
        if (!stillOpen) return;
    }
    RefreshInfo();
}

void frmWindowInfo::cmdChangeTitle_Click() {
    if (HWND target = ReportedTarget())
        modWindowTips::SetWindowTextWithoutStalling(target, TextOf(txtWindowTitle));
}

void frmWindowInfo::cmdResize_Click() {
    const std::optional<Bounds> bounds =
        ParseMoveAndSize(TextOf(txtLeft), TextOf(txtTop), TextOf(txtWidth), TextOf(txtHeight));
    if (!bounds) {
        ShowMessage(Text(TextName::MessageInvalidValue), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // No SWP_NOZORDER: the target also goes into the topmost band.
    if (HWND target = ReportedTarget()) {
        modWindowTips::SetWindowPosWithoutStalling(target, HWND_TOPMOST, bounds->left, bounds->top,
                                                   bounds->width, bounds->height, 0);
    }
}

void frmWindowInfo::MouseButton_Operate(int id, bool pressed) {
    HWND target = ReportedTarget();
    if (!target) return;
    for (const MouseButtonMessages& button : MouseButtons) {
        if (button.button != id) continue;
        PostMessageW(target, pressed ? button.press : button.release, button.keys,
                     GetPrickedPointLParam(target));
    }
}

LPARAM frmWindowInfo::GetPrickedPointLParam(HWND target) const {
    if (!OwnerForm) return 0;
    RECT bounds{};
    GetWindowRect(target, &bounds);
    const int32_t point =
        PrickedPointLParam(Point{OwnerForm->PrickedPositionX(), OwnerForm->PrickedPositionY()},
                           Rect{bounds.left, bounds.top, bounds.right, bounds.bottom});
    // Zero-extended, as MAKELPARAM makes it.
    return static_cast<LPARAM>(static_cast<uint32_t>(point));
}

void frmWindowInfo::cmdHardwareStructureChanged_Click() {
    if (HWND target = ReportedTarget()) PostMessageW(target, WM_DEVICECHANGE, 0, 0);
}

void frmWindowInfo::cmdSystemWillBeShutdown_Click() {
    if (HWND target = ReportedTarget()) PostMessageW(target, WM_ENDSESSION, 0, 0);
}

bool frmWindowInfo::PauseWithoutInput() {
    const uint64_t end = GetTickCount64() + PauseMilliseconds;
    return WaitWithoutInput([&] { return GetTickCount64() >= end; });
}

void frmWindowInfo::cmdChangePriority_Click() {
    std::optional<unique_handle> process = OpenTargetProcess();
    if (!process) return RefreshInfo();
    if (!*process) {
        ShowMessage(Text(TextName::MessagePriorityNotSet), MB_OK | MB_ICONHAND);
        return;
    }
    const auto selected = static_cast<int>(SendMessageW(Control(cmbProcessPriority), CB_GETCURSEL, 0, 0));
    if (const std::optional<uint32_t> priorityClass = PriorityClassAt(selected)) {
        SetPriorityClass(process->get(), *priorityClass);
    }
    process->reset();
    RefreshInfo();
}

void frmWindowInfo::cmdTerminateProcess_Click() {
    if (ShowMessage(Text(TextName::MessageConfirmTerminate), MB_YESNO | MB_ICONEXCLAMATION) == IDNO) return;
    std::optional<unique_handle> process = OpenTargetProcess();
    if (!process) return RefreshInfo();
    if (!*process) {
        ShowMessage(Text(TextName::MessageTerminateFailed), MB_OK | MB_ICONHAND);
        return;
    }
    TerminateProcess(process->get(), 0);
    if (!PauseWithoutInput()) return;
    RefreshInfo();
}

}  // namespace dokkle
