#include "tools/frmSelectWindow.h"

#include <utility>

#include "common/Catalogue.h"
#include "common/Controls.h"
#include "common/modGeneralTips.h"
#include "tools/SelectWindowLayout.h"

namespace dokkle {
namespace {

using namespace SelectWindowLayout;

static_assert(SelectWindowLayout::cmdOK == IDOK && SelectWindowLayout::cmdCancel == IDCANCEL);

struct ControlDesign {
    int id;
    const wchar_t* className;  // none for the map, which is a picture box
    std::optional<TextName> caption;
    DWORD style;
    DWORD extendedStyle;
    Bounds bounds;
    bool inPanel;
};

// In tab order, which is the order of creation: the keyword box first, so it has the focus at the start.
constexpr ControlDesign ControlDesigns[] = {
    {txtKeyword, L"EDIT", std::nullopt, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, txtKeywordBounds,
     true},
    {cmdSearch, L"BUTTON", TextName::SelectSearch, WS_TABSTOP | BS_PUSHBUTTON, 0, cmdSearchBounds, true},
    // Tab stops spread the handle and the title of each line apart.
    {lstWindows, L"LISTBOX", std::nullopt,
     WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE,
     lstWindowsBounds, false},
    {picDesktop, nullptr, std::nullopt, 0, 0, picDesktopBounds, false},
    {cmdOK, L"BUTTON", TextName::SelectOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, cmdOKBounds, true},
    {cmdCancel, L"BUTTON", TextName::SelectCancel, WS_TABSTOP | BS_PUSHBUTTON, 0, cmdCancelBounds, true},
    {cmdUpdate, L"BUTTON", TextName::SelectRefresh, WS_TABSTOP | BS_PUSHBUTTON, 0, cmdUpdateBounds, true},
    {lblDescription, L"STATIC", TextName::SelectDescription, SS_LEFT | SS_NOPREFIX, 0, lblDescriptionBounds,
     false},
};

constexpr Point picPanelCorner{picPanelBounds.left, picPanelBounds.top};

Bounds Offset(const Bounds& bounds, Point corner) {
    return Bounds{bounds.left + corner.x, bounds.top + corner.y, bounds.width, bounds.height};
}

RECT BoundsInParent(HWND control) {
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

}  // namespace

frmSelectWindow::~frmSelectWindow() {
    // The controls go before the font they use.
    CloseDialog();
}

void frmSelectWindow::hTargetWindow(HWND value) {
    result_ = value;
    SelectedWindow = value;
}

bool frmSelectWindow::Load() {
    scale_ = ScaleForTwipsPerPixel(modGeneralTips::TwipsPerPixelX(), modGeneralTips::TwipsPerPixelY());
    const Bounds client = Scaled(Bounds{0, 0, ClientWidth, ClientHeight}, scale_);
    return CreateDialogWindow(Text(TextName::SelectCaption),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                              SIZE{client.width, client.height});
}

void frmSelectWindow::ShowModal() {
    if (Load()) BaseDialog::ShowModal();
}

void frmSelectWindow::OnInitDialog() {
    Form_Load();
}

void frmSelectWindow::Form_Load() {
    font_ = Controls::CreateDesignFont(DialogFont());
    CreateControls();
    RECT client{};
    GetClientRect(Window(), &client);
    Form_Resize(client.right, client.bottom);
    PlaceOnScreen();
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SendMessageW(Window(), DM_SETDEFID, SelectWindowLayout::cmdOK, 0);
    RefreshWindowList();
}

void frmSelectWindow::CreateControls() {
    for (const ControlDesign& design : ControlDesigns) {
        const Bounds bounds = design.inPanel
                                  ? Offset(Scaled(design.bounds, scale_), Scaled(picPanelCorner, scale_))
                                  : Scaled(design.bounds, scale_);
        if (!design.className) {
            picDesktop.Create(Window(), bounds, design.id);
            continue;
        }
        Controls::Create(Window(), design.className, design.caption ? Text(*design.caption) : L"",
                         design.style, design.extendedStyle, bounds, design.id, font_.get());
    }
    lblDescription = GetDlgItem(Window(), SelectWindowLayout::lblDescription);
    lstWindows = GetDlgItem(Window(), SelectWindowLayout::lstWindows);
    txtKeyword = GetDlgItem(Window(), SelectWindowLayout::txtKeyword);
    cmdSearch = GetDlgItem(Window(), SelectWindowLayout::cmdSearch);
    cmdUpdate = GetDlgItem(Window(), SelectWindowLayout::cmdUpdate);
    cmdOK = GetDlgItem(Window(), SelectWindowLayout::cmdOK);
    cmdCancel = GetDlgItem(Window(), SelectWindowLayout::cmdCancel);
}

void frmSelectWindow::Form_Resize(int32_t width, int32_t height) {
    if (!lstWindows) return;  // the window takes its first size before it has controls
    const RECT list = BoundsInParent(lstWindows);
    const Placement placement = Arrange(width, height, list.right - list.left, scale_);
    constexpr UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
    if (placement.lblDescriptionWidth) {
        const RECT label = BoundsInParent(lblDescription);
        SetWindowPos(lblDescription, nullptr, 0, 0, *placement.lblDescriptionWidth, label.bottom - label.top,
                     SWP_NOMOVE | keep);
    }
    if (placement.lstWindows) {
        const Bounds& bounds = *placement.lstWindows;
        SetWindowPos(lstWindows, nullptr, bounds.left, bounds.top, bounds.width, bounds.height, keep);
    }
    SetWindowPos(picDesktop.Window(), nullptr, placement.picDesktop.x, placement.picDesktop.y, 0, 0,
                 SWP_NOSIZE | keep);
    MovePanel(placement.picPanel);
}

void frmSelectWindow::MovePanel(Point corner) {
    const std::pair<HWND, Bounds> panel[] = {{txtKeyword, txtKeywordBounds},
                                             {cmdSearch, cmdSearchBounds},
                                             {cmdUpdate, cmdUpdateBounds},
                                             {cmdOK, cmdOKBounds},
                                             {cmdCancel, cmdCancelBounds}};
    for (const auto& [control, design] : panel) {
        const Bounds bounds = Scaled(design, scale_);
        SetWindowPos(control, nullptr, corner.x + bounds.left, corner.y + bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool frmSelectWindow::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return true;
        case WM_SIZE:
            Form_Resize(LOWORD(lParam), HIWORD(lParam));
            return true;
        case WM_CLOSE:
            CloseDialog();
            return true;
        default:
            return false;
    }
}

void frmSelectWindow::OnCommand(int id, int code) {
    switch (id) {
        case SelectWindowLayout::txtKeyword:
            if (code == EN_CHANGE) SearchKeyword(false);
            // While the keyword box has the focus, Enter searches on.
            if (code == EN_SETFOCUS) SendMessageW(Window(), DM_SETDEFID, SelectWindowLayout::cmdSearch, 0);
            if (code == EN_KILLFOCUS) SendMessageW(Window(), DM_SETDEFID, SelectWindowLayout::cmdOK, 0);
            break;
        case SelectWindowLayout::lstWindows:
            if (code == LBN_SELCHANGE) lstWindows_Click();
            break;
        case SelectWindowLayout::cmdSearch:
            if (code == BN_CLICKED) SearchKeyword(true);
            break;
        case SelectWindowLayout::cmdOK:
            if (code == BN_CLICKED) cmdOK_Click();
            break;
        case SelectWindowLayout::cmdCancel:
            if (code == BN_CLICKED) CloseDialog();
            break;
        case SelectWindowLayout::cmdUpdate:
            if (code == BN_CLICKED) RefreshWindowList();
            break;
        default:
            break;
    }
}

void frmSelectWindow::cmdOK_Click() {
    // Commands for this id can come from elsewhere than the button itself (Enter, another program).
    if (!IsWindowEnabled(cmdOK)) return;
    result_ = SelectedWindow;
    CloseDialog();
}

}  // namespace dokkle
