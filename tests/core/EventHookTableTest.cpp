#include "pin/EventHookTable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace dokkle {
namespace {

using Change = EventHookTable::Change;
using PinIds = std::vector<EventHookTable::PinId>;

constexpr EventHookTable::PinId PinA = 0x101, PinB = 0x102, PinC = 0x103;
constexpr EventHookTable::WindowId Editor = 0x2001, Palette = 0x2002, Browser = 0x3001;
// The editor and its palette belong to one program, the browser to another.
constexpr EventHookTable::ProcessId EditorProcess = 40, BrowserProcess = 52;

const Change Nothing{};
Change Hook(EventHookTable::ProcessId process) {
    return Change{std::nullopt, process};
}
Change Unhook(EventHookTable::ProcessId process) {
    return Change{process, std::nullopt};
}

TEST(EventHookTable, TheFirstPinInAProgramHooksItAndTheOthersShareTheHook) {
    EventHookTable table;
    EXPECT_EQ(table.Stick(PinA, Editor, EditorProcess), Hook(EditorProcess));
    EXPECT_EQ(table.Stick(PinB, Editor, EditorProcess), Nothing);
    EXPECT_EQ(table.Stick(PinC, Palette, EditorProcess), Nothing);
    EXPECT_TRUE(table.IsHooked(EditorProcess));
    EXPECT_FALSE(table.IsHooked(BrowserProcess));
}

TEST(EventHookTable, TheHookGoesWithTheLastPinWhicheverGoesLast) {
    EventHookTable table;
    table.Stick(PinA, Editor, EditorProcess);
    table.Stick(PinB, Palette, EditorProcess);
    EXPECT_EQ(table.Release(PinA), Nothing);
    EXPECT_TRUE(table.IsHooked(EditorProcess));
    EXPECT_EQ(table.Release(PinB), Unhook(EditorProcess));
    EXPECT_FALSE(table.IsHooked(EditorProcess));
}

TEST(EventHookTable, AReleasedPinIsReleasedOnce) {
    EventHookTable table;
    table.Stick(PinA, Editor, EditorProcess);
    EXPECT_EQ(table.Release(PinA), Unhook(EditorProcess));
    EXPECT_EQ(table.Release(PinA), Nothing);
    EXPECT_EQ(table.Release(PinB), Nothing);
}

TEST(EventHookTable, StuckIntoAnotherProgramTheHookMovesWithTheLastPin) {
    EventHookTable table;
    table.Stick(PinA, Editor, EditorProcess);
    EXPECT_EQ(table.Stick(PinA, Browser, BrowserProcess), (Change{EditorProcess, BrowserProcess}));
    EXPECT_FALSE(table.IsHooked(EditorProcess));
    EXPECT_TRUE(table.IsHooked(BrowserProcess));
}

TEST(EventHookTable, StuckIntoAnotherProgramAPinLeavesTheHookToThePinsStillThere) {
    EventHookTable table;
    table.Stick(PinA, Editor, EditorProcess);
    table.Stick(PinB, Editor, EditorProcess);
    table.Stick(PinC, Browser, BrowserProcess);
    EXPECT_EQ(table.Stick(PinA, Browser, BrowserProcess), Nothing);
    EXPECT_EQ(table.Stick(PinB, Browser, BrowserProcess), Unhook(EditorProcess));
}

TEST(EventHookTable, StuckIntoAnotherWindowOfTheSameProgramTheHookStays) {
    EventHookTable table;
    table.Stick(PinA, Editor, EditorProcess);
    EXPECT_EQ(table.Stick(PinA, Palette, EditorProcess), Nothing);
    EXPECT_EQ(table.Stick(PinA, Palette, EditorProcess), Nothing);
    EXPECT_TRUE(table.IsHooked(EditorProcess));
    EXPECT_EQ(table.PinsStuckInto(Palette), PinIds{PinA});
    EXPECT_EQ(table.PinsStuckInto(Editor), PinIds{});
}

TEST(EventHookTable, AWindowOfNoKnownProgramIsNeverHookedButItsPinsAreFound) {
    EventHookTable table;
    EXPECT_EQ(table.Stick(PinA, Editor, 0), Nothing);
    EXPECT_EQ(table.Stick(PinB, Palette, 0), Nothing);
    EXPECT_FALSE(table.IsHooked(0));
    EXPECT_EQ(table.PinsStuckInto(Editor), PinIds{PinA});
    EXPECT_EQ(table.Stick(PinA, Browser, BrowserProcess), Hook(BrowserProcess));
    EXPECT_EQ(table.Release(PinB), Nothing);
}

TEST(EventHookTable, AnEventFindsThePinsOfItsWindowAloneInTheOrderTheyWereStuck) {
    EventHookTable table;
    table.Stick(PinB, Editor, EditorProcess);
    table.Stick(PinA, Palette, EditorProcess);
    table.Stick(PinC, Editor, EditorProcess);
    EXPECT_EQ(table.PinsStuckInto(Editor), (PinIds{PinB, PinC}));
    EXPECT_EQ(table.PinsStuckInto(Palette), PinIds{PinA});
    EXPECT_EQ(table.PinsStuckInto(Browser), PinIds{});
    table.Release(PinB);
    EXPECT_EQ(table.PinsStuckInto(Editor), PinIds{PinC});
}

// Any sequence of sticking and releasing, against a plain record of where each pin is: every program is
// hooked exactly while a pin is stuck into one of its windows, hooked once and unhooked once.
TEST(EventHookTable, AnySequenceKeepsOneHookForEachProgramWithPins) {
    std::mt19937 random(19);
    for (int run = 0; run < 200; ++run) {
        EventHookTable table;
        std::map<EventHookTable::PinId, std::pair<EventHookTable::WindowId, EventHookTable::ProcessId>> stuck;
        std::set<EventHookTable::ProcessId> hooked;
        for (int step = 0; step < 60; ++step) {
            const EventHookTable::PinId pin = 1 + random() % 6;
            Change change;
            if (random() % 3 == 0) {
                change = table.Release(pin);
                stuck.erase(pin);
            } else {
                const auto process = static_cast<EventHookTable::ProcessId>(random() % 4);  // 0: none
                const EventHookTable::WindowId window = process * 100 + random() % 2;
                change = table.Stick(pin, window, process);
                stuck[pin] = {window, process};
            }
            if (change.unhook) {
                ASSERT_EQ(hooked.erase(*change.unhook), 1u) << "unhooked what was not hooked";
            }
            if (change.hook) {
                ASSERT_TRUE(hooked.insert(*change.hook).second) << "hooked twice";
            }
            std::set<EventHookTable::ProcessId> withPins;
            for (const auto& [id, place] : stuck) {
                if (place.second != 0) withPins.insert(place.second);
            }
            ASSERT_EQ(hooked, withPins) << "run " << run << ", step " << step;
            for (const auto& [id, place] : stuck) {
                const PinIds found = table.PinsStuckInto(place.first);
                ASSERT_NE(std::find(found.begin(), found.end(), id), found.end());
            }
        }
    }
}

}  // namespace
}  // namespace dokkle
