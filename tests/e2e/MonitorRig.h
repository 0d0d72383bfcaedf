#pragma once
// The desktop of two monitors that scripts/with-monitors starts for the cases that ask for it
// (DOKKLE_MONITORS=2): a primary of 1920 x 1200 and a 1280 x 1024 monitor to its left, 176 pixels lower,
// which can be unplugged and plugged in again while programs run.
#include <windows.h>

#include <string>
#include <vector>

#include "PinFixture.h"

namespace dokkle::e2e {

constexpr RECT PrimaryMonitor{0, 0, 1920, 1200};
constexpr RECT LeftMonitor{-1280, 176, 0, 1200};

// Each monitor's rectangle, as Windows reports them.
std::vector<RECT> Monitors();
// Whether the point lies on some monitor.
bool OnAMonitor(POINT point);
std::string Describe(const RECT& rect);

class MonitorRigTest : public PinTest {
  protected:
    // Skips the case on any other desktop; fails it if the rig's monitors are not as described above.
    void SetUp() override;
    // Plugs the left monitor in again if the case has unplugged it.
    void TearDown() override;

    // Switches the left monitor off, or on again where it was, and waits until Windows reports it.
    static bool UnplugLeftMonitor();
    static bool PlugInLeftMonitor();
};

}  // namespace dokkle::e2e
