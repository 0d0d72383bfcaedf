#pragma once
// The controls of the window information dialog: kind, container, caption and place in twips as the
// form's design gives them, in creation order, which is also the focus order.
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/Catalogue.h"
#include "common/TwipsLayout.h"

namespace dokkle::frmWindowInfoLayout {

// The control identifiers; the order of the focusable ones is the focus order.
enum ControlId : int {
    cmdTopmost = 101,
    cmdNoTopMost,
    cmdVisible,
    cmdNotVisible,
    cmdRedraw,
    cmdCloseTarget,
    txtWindowTitle,
    cmdChangeTitle,
    txtLeft,
    txtTop,
    txtWidth,
    txtHeight,
    cmdResize,
    cmdLeftButton,
    cmdMiddleButton,
    cmdRightButton,
    cmdHardwareStructureChanged,
    cmdSystemWillBeShutdown,
    cmbProcessPriority,
    cmdChangePriority,
    cmdTerminateProcess,
    cmdClose,
    txtInfo,
    cmdUpdate,
    lblWarning,
    lblPosition,
    lblComma,
    lblSize,
    lblTimes,
    lblMouse,
    lblPriority,
    fraInformation,
    fraWindow,
    fraProcess,
};

enum class Kind {
    Button,
    MultiLineButton,
    TextBox,
    ReportBox,
    DropDownList,
    Label,
    RightLabel,
    CentredLabel,
    Frame
};

struct PlacedControl {
    ControlId id;
    Kind kind;
    std::wstring_view caption;
    Bounds pixels;  // relative to the form's client area
};

// The form's client area, in twips.
constexpr int32_t ClientWidthTwips = 10290;
constexpr int32_t ClientHeightTwips = 6765;

// Every control converted to pixels. A container's place is converted on its own and added, as nested
// windows would be placed.
std::vector<PlacedControl> LayOut(double twipsPerPixelX, double twipsPerPixelY);

}  // namespace dokkle::frmWindowInfoLayout
