// Pins placed at any display scaling: run at 96 dots per inch with the others, and again at 192 in
// the test rig's second prefix (DOKKLE_DPI=192), where a twip is no whole fraction of a pixel.
#include "PinFixture.h"

namespace dokkle::e2e {
namespace {

class HighDpi : public PinTest {
  protected:
    void SetUp() override {
        PinTest::SetUp();
        TargetOptions options;
        options.title = L"Wide";
        options.bounds = RECT{20, 20, 1000, 740};
        target = std::make_unique<TargetProcess>(options);
    }

    std::unique_ptr<TargetProcess> target;
};

TEST_F(HighDpi, RunsAtTheScalingTheRigAskedFor) {
    wchar_t asked[8] = L"96";
    GetEnvironmentVariableW(L"DOKKLE_DPI", asked, 8);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), _wtoi(asked));
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), _wtoi(asked));
    ReleaseDC(nullptr, screen);
}

TEST_F(HighDpi, APinStaysExactlyWhereItWasDroppedAnywhereOnTheScreen) {
    for (const POINT point : {POINT{88, 88}, POINT{388, 300}, POINT{800, 600}, POINT{977, 713}}) {
        HWND pin = LaunchWithMouseAt(point);
        ASSERT_NE(pin, nullptr);
        LeftClickAt(point);
        ASSERT_TRUE(WaitUntil([&] { return CursorShowing(); }));
        // A few follow ticks, none of which may move it.
        PumpMessagesFor(350);
        EXPECT_TRUE(PinHangsAt(pin, point))
            << "dropped at (" << point.x << ", " << point.y << "), its corner at (" << PinOrigin(pin).x
            << ", " << PinOrigin(pin).y << ")";
        dokkle.reset();
    }
}

TEST_F(HighDpi, APinKeepsItsPlaceOnATargetThatMoves) {
    const POINT point{700, 500};
    HWND pin = PrickAt(point);
    ASSERT_TRUE(WaitUntil([&] { return CursorShowing(); }));
    const RECT bounds = RectOf(target->Window());
    SetWindowPos(target->Window(), nullptr, bounds.left + 37, bounds.top - 13, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] {
        return PinHangsAt(pin, POINT{point.x + 37, point.y - 13});
    })) << "its corner at ("
        << PinOrigin(pin).x << ", " << PinOrigin(pin).y << ")";
}

}  // namespace
}  // namespace dokkle::e2e
