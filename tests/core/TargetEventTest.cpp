#include "pin/TargetEvent.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

// The window system's numbers, as its documentation gives them.
constexpr uint32_t EventSystemForeground = 0x0003;
constexpr uint32_t EventObjectDestroy = 0x8001;
constexpr uint32_t EventObjectLocationChange = 0x800B;
constexpr int32_t ObjIdWindow = 0;
constexpr int32_t ObjIdClient = -4;
constexpr int32_t ObjIdCaret = -8;
constexpr int32_t ChildIdSelf = 0;

using enum TargetEventAction;

struct Case {
    const char* what;
    uint32_t event;
    int32_t objectId;
    int32_t childId;
    TargetEventAction expected;
};

TEST(TargetEvent, TheWindowItselfMovedActivatedOrDestroyed) {
    const Case cases[] = {
        {"moved or resized", EventObjectLocationChange, ObjIdWindow, ChildIdSelf, Follow},
        {"brought to the foreground", EventSystemForeground, ObjIdWindow, ChildIdSelf, Follow},
        {"destroyed", EventObjectDestroy, ObjIdWindow, ChildIdSelf, Close},
        {"its caret moved", EventObjectLocationChange, ObjIdCaret, ChildIdSelf, None},
        {"its client area moved", EventObjectLocationChange, ObjIdClient, ChildIdSelf, None},
        {"an item of it moved", EventObjectLocationChange, ObjIdWindow, 3, None},
        {"an item of it destroyed", EventObjectDestroy, ObjIdWindow, 1, None},
        {"a part of it destroyed", EventObjectDestroy, ObjIdClient, ChildIdSelf, None},
        {"created", 0x8000, ObjIdWindow, ChildIdSelf, None},
        {"given the focus", 0x8005, ObjIdClient, ChildIdSelf, None},
        {"shown", 0x8002, ObjIdWindow, ChildIdSelf, None},
        {"hidden", 0x8003, ObjIdWindow, ChildIdSelf, None},
        {"its move or resize ended", 0x000B, ObjIdWindow, ChildIdSelf, None},
        {"restored", 0x0017, ObjIdWindow, ChildIdSelf, None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideTargetEvent(c.event, c.objectId, c.childId), c.expected) << c.what;
    }
}

TEST(TargetEvent, NoOtherEventObjectOrChildDoesAnything) {
    const int32_t objects[] = {ObjIdWindow, -1,         -2, -3,  ObjIdClient, -5, -6,
                               -7,          ObjIdCaret, -9, -10, -11,         1,  5};
    const int32_t children[] = {ChildIdSelf, 1, 2, -1, 1000};
    for (uint32_t event = 0; event <= 0x80FF; event = event == 0x00FF ? 0x8000 : event + 1) {
        for (const int32_t object : objects) {
            for (const int32_t child : children) {
                const bool itself = object == ObjIdWindow && child == ChildIdSelf;
                TargetEventAction expected = None;
                if (itself && (event == EventObjectLocationChange || event == EventSystemForeground)) {
                    expected = Follow;
                }
                if (itself && event == EventObjectDestroy) expected = Close;
                ASSERT_EQ(DecideTargetEvent(event, object, child), expected)
                    << "event " << event << ", object " << object << ", child " << child;
            }
        }
    }
    EXPECT_EQ(DecideTargetEvent(0xFFFFFFFF, ObjIdWindow, ChildIdSelf), None);
}

TEST(TargetEvent, EachEventItFollowsIsHookedOnItsOwn) {
    ASSERT_EQ(std::size(WinEvents::Hooked), 3u);
    EXPECT_EQ(WinEvents::Hooked[0], EventSystemForeground);
    EXPECT_EQ(WinEvents::Hooked[1], EventObjectDestroy);
    EXPECT_EQ(WinEvents::Hooked[2], EventObjectLocationChange);
}

}  // namespace
}  // namespace dokkle
