#include "tools/SelectWindowLayout.h"

namespace dokkle::SelectWindowLayout {

Placement Arrange(int32_t clientWidth, int32_t clientHeight, int32_t listWidthNow) {
    Placement placement{};
    const int32_t labelWidth = clientWidth - 10;
    if (labelWidth >= 0) placement.lblDescriptionWidth = labelWidth;

    const Bounds list{5, 35, clientWidth - picDesktopBounds.width - 15, clientHeight - 40};
    if (list.width >= 0 && list.height >= 0) placement.lstWindows = list;

    const int32_t listWidth = placement.lstWindows ? list.width : listWidthNow;
    placement.picDesktop = Point{listWidth + 10, 35};
    placement.picPanel =
        Point{clientWidth - picPanelBounds.width - 5, clientHeight - picPanelBounds.height - 5};
    return placement;
}

}  // namespace dokkle::SelectWindowLayout
