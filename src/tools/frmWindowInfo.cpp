#include "tools/frmWindowInfo.h"

#include <vector>

#include "common/AppVersion.h"
#include "common/Catalogue.h"
#include "common/FormatHex8.h"
#include "common/CommonControlsLibrary.h"
#include "common/Controls.h"
#include "common/modGeneralTips.h"
#include "res/ResourceNames.h"
#include "tools/ProcessPriority.h"
#include "tools/WindowFactsReader.h"
#include "tools/WindowIdentity.h"

namespace dokkle {

using namespace frmWindowInfoLayout;

namespace {

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

// clang-format off
ControlClass ClassOf(Kind kind) {
    switch (kind) {
        case Kind::Button: return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
        case Kind::MultiLineButton: return {WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
        case Kind::TextBox: return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case Kind::ReportBox:
            return {WC_EDITW, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case Kind::DropDownList: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case Kind::Label: return {WC_STATICW, SS_LEFT, 0};
        case Kind::RightLabel: return {WC_STATICW, SS_RIGHT, 0};
        case Kind::CentredLabel: return {WC_STATICW, SS_CENTER, 0};
        case Kind::Frame: return {WC_BUTTONW, BS_GROUPBOX, 0};
    }
    return {WC_STATICW, 0, 0};
}
// clang-format on

bool IsTextBox(int id) {
    return id == txtWindowTitle || id == txtLeft || id == txtTop || id == txtWidth || id == txtHeight;
}

bool IsMouseButton(int id) {
    return id == cmdLeftButton || id == cmdMiddleButton || id == cmdRightButton;
}

}  // namespace

frmWindowInfo& frmWindowInfo::Instance() {
    static frmWindowInfo dialog;
    return dialog;
}

void frmWindowInfo::OwnerFormClosing(const PinTip* pin) noexcept {
    if (OwnerForm == pin) OwnerForm = nullptr;
}

bool frmWindowInfo::LoadInfo(HWND hTargetWnd) {
    if (!IsWindow(hTargetWnd)) {
        ShowClosedMessage(hTargetWnd);
        CloseDialog();
        return false;
    }
    if (!EnsureWindow()) return false;

    const WindowFacts facts = ReadWindowFacts(hTargetWnd);
    TargetTitle = facts.title;
    SetText(txtWindowTitle, facts.title);
    SetText(txtLeft, std::to_wstring(facts.bounds.left));
    SetText(txtTop, std::to_wstring(facts.bounds.top));
    SetText(txtWidth, std::to_wstring(Width(facts.bounds)));
    SetText(txtHeight, std::to_wstring(Height(facts.bounds)));
    TargetProcessID = facts.processId;
    if (facts.process) {
        if (const std::optional<int> index = PriorityIndexOf(facts.process->priorityClass)) {
            SendMessageW(Control(cmbProcessPriority), CB_SETCURSEL, static_cast<WPARAM>(*index), 0);
        }
    }
    SetText(txtInfo, FormatReport(facts));

    // The target is named last, once everything about it has been filled in.
    targetThreadId_ = facts.threadId;
    targetClass_ = IdentityOf(hTargetWnd).windowClass;
    hInfoTarget = hTargetWnd;
    return true;
}

bool frmWindowInfo::EnsureWindow() {
    const Bounds client = TwipsToPixels(Bounds{0, 0, ClientWidthTwips, ClientHeightTwips},
                                        modGeneralTips::TwipsPerPixelX(), modGeneralTips::TwipsPerPixelY());
    // A fixed border: a caption and a dialog frame, no sizing frame.
    return CreateDialogWindow(Text(TextName::InfoCaption), WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              SIZE{client.width, client.height});
}

void frmWindowInfo::OnInitDialog() {
    CreateControls();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    SendMessageW(Window(), WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(instance, ResourceNames::Icon)));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageW(instance, ResourceNames::Icon, IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    HWND priorities = Control(cmbProcessPriority);
    SendMessageW(priorities, CB_RESETCONTENT, 0, 0);
    for (const PriorityEntry& entry : PriorityEntries) {
        SendMessageW(priorities, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Text(entry.entry)));
    }
    SendMessageW(Window(), DM_SETDEFID, cmdClose, 0);
    PlaceOnScreen();
}

void frmWindowInfo::CreateControls() {
    formFont_ = Controls::CreateDesignFont(DialogFont());
    reportFont_ = Controls::CreateDesignFont(ReportFont());
    for (const PlacedControl& control :
         LayOut(modGeneralTips::TwipsPerPixelX(), modGeneralTips::TwipsPerPixelY())) {
        const ControlClass type = ClassOf(control.kind);
        Bounds pixels = control.pixels;
        // A drop-down list's window also holds its open list: room for the four entries.
        if (control.kind == Kind::DropDownList) pixels.height *= 6;
        HWND window = Controls::Create(Window(), type.name, std::wstring(control.caption), type.style,
                                       type.extendedStyle, pixels, control.id,
                                       control.kind == Kind::ReportBox ? reportFont_.get() : formFont_.get());
        if (IsMouseButton(control.id))
            CommonControlsLibrary::SetWindowSubclass(window, MouseButtonSubclass, 0, 0);
    }
}

// clang-format off
bool frmWindowInfo::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam));
        case MouseButtonMessage: MouseButton_Operate(static_cast<int>(wParam), lParam != 0); return true;
        default: return false;
    }
}

bool frmWindowInfo::OnCommand(int id, int code) {
    if (IsTextBox(id)) {
        if (code == EN_SETFOCUS) TextBox_GotFocus(id);
        if (code == EN_KILLFOCUS) TextBox_LostFocus();
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case cmdTopmost: cmdTopmost_Click(); return true;
        case cmdNoTopMost: cmdNoTopMost_Click(); return true;
        case cmdVisible: cmdVisible_Click(); return true;
        case cmdNotVisible: cmdNotVisible_Click(); return true;
        case cmdRedraw: cmdRedraw_Click(); return true;
        case cmdCloseTarget: cmdCloseTarget_Click(); return true;
        case cmdChangeTitle: cmdChangeTitle_Click(); return true;
        case cmdResize: cmdResize_Click(); return true;
        case cmdHardwareStructureChanged: cmdHardwareStructureChanged_Click(); return true;
        case cmdSystemWillBeShutdown: cmdSystemWillBeShutdown_Click(); return true;
        case cmdChangePriority: cmdChangePriority_Click(); return true;
        case cmdTerminateProcess: cmdTerminateProcess_Click(); return true;
        case cmdUpdate: cmdUpdate_Click(); return true;
        case cmdClose:
        case IDCANCEL: cmdClose_Click(); return true;
        default: return false;
    }
}
// clang-format on

void frmWindowInfo::TextBox_GotFocus(int id) {
    HWND box = GetDlgItem(Window(), id);
    modGeneralTips::SelectAllText(box);
    // A click that gives a box the focus places the caret after this; select again once it has.
    PostMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(Window(), DM_SETDEFID, id == txtWindowTitle ? cmdChangeTitle : cmdResize, 0);
}

void frmWindowInfo::TextBox_LostFocus() {
    SendMessageW(Window(), DM_SETDEFID, cmdClose, 0);
}

void frmWindowInfo::cmdUpdate_Click() {
    RefreshInfo();
}

void frmWindowInfo::cmdClose_Click() {
    CloseDialog();
}

// The mouse-button operations click on press and on release; the button's own click comes only on
// release, so the button's mouse messages are watched. The dialog does the work once the button has
// handled its message, as the work may close the dialog.
LRESULT CALLBACK frmWindowInfo::MouseButtonSubclass(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                                    UINT_PTR, DWORD_PTR) noexcept {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            PostMessageW(GetParent(button), MouseButtonMessage, static_cast<WPARAM>(GetDlgCtrlID(button)), 1);
            break;
        case WM_LBUTTONUP:
        case WM_MBUTTONUP:
        case WM_RBUTTONUP:
            PostMessageW(GetParent(button), MouseButtonMessage, static_cast<WPARAM>(GetDlgCtrlID(button)), 0);
            break;
        case WM_NCDESTROY:
            CommonControlsLibrary::RemoveWindowSubclass(button, MouseButtonSubclass, 0);
            break;
        default:
            break;
    }
    return CommonControlsLibrary::DefSubclassProc(button, message, wParam, lParam);
}

HWND frmWindowInfo::Control(ControlId id) const {
    return GetDlgItem(Window(), id);
}

std::wstring frmWindowInfo::TextOf(ControlId id) const {
    HWND control = Control(id);
    std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1);
    const int length = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    return std::wstring(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

void frmWindowInfo::SetText(ControlId id, const std::wstring& text) const {
    SetWindowTextW(Control(id), text.c_str());
}

int frmWindowInfo::ShowMessage(const std::wstring& text, UINT style) const {
    // Without the dialog's window the box is modal to the whole program, like the dialog itself.
    return MessageBoxW(Window(), text.c_str(), L"" DOKKLE_TITLE, style | (Window() ? 0 : MB_TASKMODAL));
}

void frmWindowInfo::ShowClosedMessage(HWND window) const {
    ShowMessage(
        Format(TextName::MessageWindowClosed, {FormatHex8(static_cast<int32_t>(WindowHandleValue(window)))}),
        MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace dokkle
