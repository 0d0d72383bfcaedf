// Which running copy a later launch hands its request to: only one started from the same program file,
// however the path to it is spelled, even when launches race the running copy's start.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Desktop.h"
#include "DokkleProcess.h"
#include "FolderAliases.h"
#include "LocalWindow.h"

namespace dokkle::e2e {
namespace {

class HandOff : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const std::wstring& folder : folders) RemoveFolder(folder);
    }

    std::wstring NewFolder() { return folders.emplace_back(DokkleProcess::NewSandbox()); }

    std::vector<std::wstring> folders;
};

TEST_F(HandOff, ALaunchReachesOnlyTheCopyOfItsOwnExecutable) {
    const std::wstring here = NewFolder(), there = NewFolder();
    DokkleProcess copyHere(here);
    ASSERT_TRUE(copyHere.WaitForPinCount(1));
    // Started last, the other copy's main pin lies above this one's.
    DokkleProcess copyThere(there);
    ASSERT_TRUE(copyThere.WaitForPinCount(1));

    for (size_t launch = 1; launch <= 2; ++launch) {
        DokkleProcess later(here);
        ASSERT_TRUE(later.WaitForExit(8000));
        EXPECT_TRUE(copyHere.WaitForPinCount(1 + launch)) << "launch " << launch;
    }
    EXPECT_EQ(copyThere.Pins().size(), 1u);
}

// A later launch by the other path ends at once, and the running copy shows one more pin.
void ExpectHandOff(DokkleProcess& running, const std::wstring& otherFolder) {
    DokkleProcess later(otherFolder);
    EXPECT_TRUE(later.WaitForExit(8000)) << "the launch through " << otherFolder << " ran on";
    EXPECT_EQ(later.ExitCode(), 0u);
    EXPECT_TRUE(later.VisibleWindows().empty());
    EXPECT_TRUE(running.WaitForPinCount(2));
}

TEST_F(HandOff, ALaunchThroughAnotherDriveLetterReachesTheCopyOfTheSameFile) {
    const std::wstring folder = NewFolder();
    DriveLetterFor drive(folder);
    ASSERT_FALSE(drive.Root().empty()) << "no drive letter could be made";
    ASSERT_NE(GetFileAttributesW((drive.Root() + L"Dokkle.exe").c_str()), INVALID_FILE_ATTRIBUTES);

    {
        DokkleProcess running(folder);
        ASSERT_TRUE(running.WaitForPinCount(1));
        ExpectHandOff(running, drive.Root());
    }
    // And the other way round: the copy started through the drive letter is the one reached.
    DokkleProcess running(drive.Root());
    ASSERT_TRUE(running.WaitForPinCount(1));
    ExpectHandOff(running, folder);
}

TEST_F(HandOff, ALaunchThroughALinkToTheFolderReachesTheCopyOfTheSameFile) {
    const std::wstring folder = NewFolder();
    LinkTo link(folder.substr(0, folder.size() - 1) + L"-link", folder);
    ASSERT_FALSE(link.Folder().empty()) << "no link could be made";
    ASSERT_NE(GetFileAttributesW((link.Folder() + L"Dokkle.exe").c_str()), INVALID_FILE_ATTRIBUTES);

    {
        DokkleProcess running(folder);
        ASSERT_TRUE(running.WaitForPinCount(1));
        ExpectHandOff(running, link.Folder());
    }
    DokkleProcess running(link.Folder());
    ASSERT_TRUE(running.WaitForPinCount(1));
    ExpectHandOff(running, folder);
}

TEST_F(HandOff, AWindowThatOnlyBearsTheMainTitleIsNoDestination) {
    const std::wstring folder = NewFolder();
    DokkleProcess running(folder);
    ASSERT_TRUE(running.WaitForPinCount(1));
    LocalWindow impostor({.title = MainPinTitle, .bounds = {100, 100, 400, 300}, .topmost = true});
    SetForegroundWindow(impostor.Handle());

    DokkleProcess later(folder);
    ASSERT_TRUE(WaitUntil([&] { return !later.IsRunning(); }, 8000));
    EXPECT_TRUE(running.WaitForPinCount(2));
}

TEST_F(HandOff, LaunchesAtTheSameInstantAreNeverLost) {
    const std::wstring folder = NewFolder();
    for (int round = 0; round < 4; ++round) {
        std::vector<std::unique_ptr<DokkleProcess>> launches;
        for (int launch = 0; launch < 3; ++launch)
            launches.push_back(std::make_unique<DokkleProcess>(folder));

        DokkleProcess* running = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                size_t stillRunning = 0;
                for (const auto& process : launches) {
                    if (!process->IsRunning()) continue;
                    ++stillRunning;
                    running = process.get();
                }
                return stillRunning == 1;
            },
            10000))
            << "round " << round;
        EXPECT_TRUE(running->WaitForPinCount(3))
            << "round " << round << ": " << running->Pins().size() << " pins";
        EXPECT_NE(running->PinTitled(MainPinTitle), nullptr);
        for (const auto& process : launches) {
            if (process.get() == running) continue;
            EXPECT_EQ(process->ExitCode(), 0u);
        }
    }
}

}  // namespace
}  // namespace dokkle::e2e
