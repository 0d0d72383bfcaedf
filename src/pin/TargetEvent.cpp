#include "pin/TargetEvent.h"

namespace dokkle {

TargetEventAction DecideTargetEvent(uint32_t event, int32_t objectId, int32_t childId) {
    // A caret, a scroll bar or a control's item moving inside the window moves no pin.
    if (objectId != WinEvents::ObjectIdWindow || childId != WinEvents::ChildIdSelf) {
        return TargetEventAction::None;
    }
    switch (event) {
        case WinEvents::ObjectLocationChange:
        case WinEvents::SystemForeground:
            return TargetEventAction::Follow;
        case WinEvents::ObjectDestroy:
            return TargetEventAction::Close;
        default:
            return TargetEventAction::None;
    }
}

}  // namespace dokkle
