#include "startup/HotkeyPress.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

struct PressCase {
    bool exists, ofDokkle, isDesktopOrShell, hasOurPin;
    HotkeyAction expected;
};

TEST(HotkeyPress, PinsOrPullsOutOnlyForAnOrdinaryWindowOfAnotherProgram) {
    using enum HotkeyAction;
    // Every combination of the facts, with the action worked out by hand.
    const PressCase cases[] = {
        {false, false, false, false, Nothing}, {false, false, false, true, Nothing},
        {false, false, true, false, Nothing},  {false, false, true, true, Nothing},
        {false, true, false, false, Nothing},  {false, true, false, true, Nothing},
        {false, true, true, false, Nothing},   {false, true, true, true, Nothing},
        {true, false, false, false, Pin},      {true, false, false, true, Unpin},
        {true, false, true, false, Nothing},   {true, false, true, true, Nothing},
        {true, true, false, false, Nothing},   {true, true, false, true, Nothing},
        {true, true, true, false, Nothing},    {true, true, true, true, Nothing},
    };
    for (const PressCase& press : cases) {
        ForegroundFacts facts;
        facts.exists = press.exists;
        facts.ofDokkle = press.ofDokkle;
        facts.isDesktopOrShell = press.isDesktopOrShell;
        facts.hasOurPin = press.hasOurPin;
        EXPECT_EQ(DecideHotkeyPress(facts), press.expected)
            << press.exists << press.ofDokkle << press.isDesktopOrShell << press.hasOurPin;
    }
}

}  // namespace
}  // namespace dokkle
