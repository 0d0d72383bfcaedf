#include "tools/frmWindowInfoLayout.h"

#include <array>
#include <optional>

namespace dokkle::frmWindowInfoLayout {
namespace {

// The frames and the plain panels inside them that hold the controls; the panels draw nothing.
enum class Container {
    Form,
    InformationFrame,
    InformationPanel,
    WindowFrame,
    WindowPanel,
    ProcessFrame,
    ProcessPanel
};

struct ContainerPlace {
    Container parent;
    Bounds twips;
};

constexpr ContainerPlace PlaceOf(Container container) {
    switch (container) {
        case Container::InformationFrame:
            return {Container::Form, {150, 675, 6390, 5940}};
        case Container::InformationPanel:
            return {Container::InformationFrame, {75, 225, 6240, 5640}};
        case Container::WindowFrame:
            return {Container::Form, {6675, 675, 3465, 3765}};
        case Container::WindowPanel:
            return {Container::WindowFrame, {75, 225, 3315, 3465}};
        case Container::ProcessFrame:
            return {Container::Form, {6675, 4575, 3465, 1215}};
        case Container::ProcessPanel:
            return {Container::ProcessFrame, {75, 225, 3315, 915}};
        case Container::Form:
            break;
    }
    return {Container::Form, {0, 0, 0, 0}};
}

struct ControlDesign {
    ControlId id;
    Kind kind;
    Container container;
    std::optional<TextName> caption;
    Bounds twips;
};

using enum TextName;
constexpr std::optional<TextName> NoCaption;

constexpr Container W = Container::WindowPanel;
constexpr Container P = Container::ProcessPanel;

// clang-format off
constexpr std::array<ControlDesign, 34> Design{{
    {cmdTopmost, Kind::Button, W, InfoTopmost, {75, 75, 1965, 390}},
    {cmdNoTopMost, Kind::Button, W, InfoNotTopmost, {2100, 75, 1140, 390}},
    {cmdVisible, Kind::Button, W, InfoShow, {75, 525, 690, 390}},
    {cmdNotVisible, Kind::Button, W, InfoHide, {825, 525, 690, 390}},
    {cmdRedraw, Kind::Button, W, InfoRedraw, {1650, 525, 765, 390}},
    {cmdCloseTarget, Kind::Button, W, InfoCloseTarget, {2475, 525, 765, 390}},
    {txtWindowTitle, Kind::TextBox, W, NoCaption, {75, 975, 1890, 315}},
    {cmdChangeTitle, Kind::Button, W, InfoChangeTitle, {2025, 975, 1215, 315}},
    {txtLeft, Kind::TextBox, W, NoCaption, {750, 1350, 690, 315}},
    {txtTop, Kind::TextBox, W, NoCaption, {1650, 1350, 690, 315}},
    {txtWidth, Kind::TextBox, W, NoCaption, {750, 1725, 690, 315}},
    {txtHeight, Kind::TextBox, W, NoCaption, {1650, 1725, 690, 315}},
    {cmdResize, Kind::MultiLineButton, W, InfoMoveResize, {2400, 1350, 840, 690}},
    {cmdLeftButton, Kind::Button, W, InfoLeftButton, {825, 2100, 765, 390}},
    {cmdMiddleButton, Kind::Button, W, InfoMiddleButton, {1650, 2100, 765, 390}},
    {cmdRightButton, Kind::Button, W, InfoRightButton, {2475, 2100, 765, 390}},
    {cmdHardwareStructureChanged, Kind::Button, W, InfoHardwareChanged, {75, 2550, 3165, 390}},
    {cmdSystemWillBeShutdown, Kind::Button, W, InfoShuttingDown, {75, 3000, 3165, 390}},
    {cmbProcessPriority, Kind::DropDownList, P, NoCaption, {1575, 75, 990, 300}},
    {cmdChangePriority, Kind::Button, P, InfoApplyPriority, {2625, 75, 615, 315}},
    {cmdTerminateProcess, Kind::Button, P, InfoTerminate, {75, 450, 3165, 390}},
    {cmdClose, Kind::Button, Container::Form, InfoClose, {8700, 6225, 1440, 390}},
    {txtInfo, Kind::ReportBox, Container::InformationPanel, NoCaption, {75, 75, 6090, 5040}},
    {cmdUpdate, Kind::Button, Container::InformationPanel, InfoRefresh, {3975, 5175, 2190, 390}},
    {lblWarning, Kind::Label, Container::Form, InfoWarning, {150, 150, 9990, 390}},
    {lblPosition, Kind::RightLabel, W, InfoPositionLabel, {0, 1425, 690, 240}},
    {lblComma, Kind::Label, W, InfoComma, {1500, 1425, 165, 240}},
    {lblSize, Kind::RightLabel, W, InfoSizeLabel, {0, 1800, 690, 240}},
    {lblTimes, Kind::CentredLabel, W, InfoTimes, {1425, 1800, 240, 240}},
    {lblMouse, Kind::RightLabel, W, InfoMouseLabel, {0, 2175, 690, 240}},
    {lblPriority, Kind::RightLabel, P, InfoPriorityLabel, {0, 150, 1515, 240}},
    {fraInformation, Kind::Frame, Container::Form, InfoInformationFrame, PlaceOf(Container::InformationFrame).twips},
    {fraWindow, Kind::Frame, Container::Form, InfoWindowFrame, PlaceOf(Container::WindowFrame).twips},
    {fraProcess, Kind::Frame, Container::Form, InfoProcessFrame, PlaceOf(Container::ProcessFrame).twips},
}};
// clang-format on

// Where English needs other room than the Japanese design gives: its priority label is far shorter than
// the Japanese one, and "Realtime" far longer than its Japanese entry.
struct EnglishPlace {
    ControlId id;
    Bounds twips;
};
constexpr EnglishPlace EnglishPlaces[] = {
    {lblPriority, {0, 150, 1065, 240}},
    {cmbProcessPriority, {1125, 75, 1440, 300}},
};

Bounds TwipsOf(const ControlDesign& design) {
    if (CurrentLanguage() == Language::English) {
        for (const EnglishPlace& place : EnglishPlaces) {
            if (place.id == design.id) return place.twips;
        }
    }
    return design.twips;
}

}  // namespace

std::vector<PlacedControl> LayOut(double twipsPerPixelX, double twipsPerPixelY) {
    std::vector<PlacedControl> placed;
    placed.reserve(Design.size());
    for (const ControlDesign& design : Design) {
        Bounds pixels = TwipsToPixels(TwipsOf(design), twipsPerPixelX, twipsPerPixelY);
        for (Container container = design.container; container != Container::Form;) {
            const ContainerPlace place = PlaceOf(container);
            const Bounds origin = TwipsToPixels(place.twips, twipsPerPixelX, twipsPerPixelY);
            pixels.left += origin.left;
            pixels.top += origin.top;
            container = place.parent;
        }
        placed.push_back({design.id, design.kind, design.caption ? Text(*design.caption) : L"", pixels});
    }
    return placed;
}

}  // namespace dokkle::frmWindowInfoLayout
