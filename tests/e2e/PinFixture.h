#pragma once
// What the pin tests share: a sandboxed Dokkle, targets to stick pins into, and the questions a test
// asks about a pin.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Desktop.h"
#include "DokkleProcess.h"
#include "TargetProcess.h"

namespace dokkle::e2e {

// The tip of the design that new pins start with ("Standard Red.bmp", from its configuration file).
constexpr POINT StandardTip{12, 37};
// A point on the knob of that design's pricked picture, where a press reaches the pin.
constexpr POINT StandardPrickedKnob{12, 22};

// Whether the window lies wholly inside the work area under the cursor with equal room on either side
// of it, or one pixel more after it, across and down.
::testing::AssertionResult IsCentredOnWorkAreaUnderCursor(HWND window);

// The bytes of a file, such as the settings file the program writes; empty if there is none.
std::string FileText(const std::wstring& path);

// Retries hide faults: a step that a test gives a second time is reported in its output, and a step
// that fails again fails the test. True when the step may be given once more (attempt counts from 0).
bool RetryOnce(const std::string& step, int attempt);

class PinTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts Dokkle with the mouse at the point and waits until the new pin hangs there by its tip.
    HWND LaunchWithMouseAt(POINT point, POINT tip = StandardTip);
    // Launches and sticks the new pin into the window under the point; waits until the drop is complete.
    HWND PrickAt(POINT point, POINT tip = StandardTip);
    // Once Dokkle runs: a later launch, whose new pin of the running copy hangs at the point.
    HWND LaunchAnotherPinAt(POINT point);

    // Opens the pricked pin's pop-up menu with the right button; false if no menu appeared.
    bool OpenMenuOf(HWND pin);
    // Opens the menu and chooses an item by its access keys (the submenu's key first, if any).
    bool ChooseFromMenu(HWND pin, const std::vector<WORD>& accessKeys);
    HWND OpenMenuWindow() const;
    // Makes the target active and topmost above its pins, as a click on it would.
    static void ActivateOverItsPins(HWND target);
    // Waits until the screen shows the pricked pin's knob over its target (reported where that took
    // the target's activation); false if it never did.
    static bool ShowPinOverTarget(HWND pin, HWND target);
    // Presses on the knob of the pin pricked into the target and carries the pin until its tip hangs at
    // the point, the button still held for the caller to let go; false if the pin was not carried there.
    static bool PullOutAndCarryTo(HWND pin, HWND target, POINT point);
    // Moves the cursor that carries the pin and waits until the pin hangs there.
    static bool CarryTo(HWND pin, POINT point);

    static bool PinHangsAt(HWND pin, POINT point, POINT tip = StandardTip);
    // Whether a drop into the framed target is over: the target made topmost, the cursor shown again and,
    // the drop's last step, the pin raised above the target.
    static bool StuckInto(HWND pin, HWND target);
    static POINT PinOrigin(HWND pin);
    static POINT KnobOf(HWND pin);
    // Whether the X server shows the pin's knob (of the design new pins start with) on top: until it
    // does, a click there reaches the window it lay under a moment ago.
    static bool KnobOnScreen(HWND pin);
    static bool CursorShowing();

    std::wstring folder = DokkleProcess::NewSandbox();
    std::unique_ptr<DokkleProcess> dokkle;
};

}  // namespace dokkle::e2e
