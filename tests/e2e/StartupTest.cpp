// Launching Dokkle: one running copy, its main pin, the hand-off from later launches, and the end of
// the process with its last pin.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Desktop.h"
#include "DokkleProcess.h"
#include "ExecutableManifest.h"

namespace dokkle::e2e {
namespace {

const std::wstring InstanceTitle = MainPinTitle + L" Instance";

// Whether the window handled the request: once it has, whatever the request does has been done.
bool SendCopyData(HWND window, const void* data, DWORD byteCount) {
    COPYDATASTRUCT request{0, byteCount, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), SMTO_NORMAL, 5000,
                               &result) != 0;
}

bool SendCreateNewPin(HWND window) {
    static const wchar_t text[] = L"CREATENEWPIN";
    return SendCopyData(window, text, 24);
}

void ClosePin(HWND pin) {
    SendMessageTimeoutW(pin, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, nullptr);
}

class Startup : public ::testing::Test {
  protected:
    // Every process a case starts is gone by the time it tears down.
    void TearDown() override { RemoveFolder(folder); }

    std::wstring folder = DokkleProcess::NewSandbox();
};

TEST_F(Startup, TheFirstLaunchShowsOneTopmostLayeredPinWithoutCaptionOrTaskbarEntry) {
    DokkleProcess dokkle(folder);
    ASSERT_TRUE(dokkle.WaitForPinCount(1));
    PumpMessagesFor(300);  // a while in which no other window may show
    ASSERT_EQ(dokkle.VisibleWindows().size(), 1u);

    HWND pin = dokkle.VisibleWindows().front();
    EXPECT_EQ(TitleOf(pin), MainPinTitle);
    const LONG style = GetWindowLongW(pin, GWL_STYLE);
    const LONG extendedStyle = GetWindowLongW(pin, GWL_EXSTYLE);
    EXPECT_TRUE(extendedStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(extendedStyle & WS_EX_LAYERED);
    EXPECT_TRUE(extendedStyle & WS_EX_TOOLWINDOW);  // what keeps it off the taskbar
    EXPECT_FALSE(extendedStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_TRUE(style & WS_POPUP);
}

TEST_F(Startup, ASecondLaunchHandsOffAndEndsWithoutAWindowOfItsOwn) {
    DokkleProcess first(folder);
    ASSERT_TRUE(first.WaitForPinCount(1));

    DokkleProcess second(folder);
    bool secondShowedAWindow = false;
    const ULONGLONG started = GetTickCount64();
    ASSERT_TRUE(WaitUntil(
        [&] {
            secondShowedAWindow |= !second.VisibleWindows().empty();
            return !second.IsRunning();
        },
        5000));
    EXPECT_LT(GetTickCount64() - started, 2000u);
    EXPECT_FALSE(secondShowedAWindow);
    EXPECT_EQ(second.ExitCode(), 0u);

    ASSERT_TRUE(first.WaitForPinCount(2));
    EXPECT_NE(first.PinTitled(MainPinTitle), nullptr);
    EXPECT_NE(first.PinTitled(InstanceTitle), nullptr);
}

TEST_F(Startup, WithTheMainPinClosedALaterLaunchStillAddsAPinOnTheCursor) {
    DokkleProcess first(folder);
    ASSERT_TRUE(first.WaitForPinCount(1));
    SendCreateNewPin(first.PinTitled(MainPinTitle));
    ASSERT_TRUE(first.WaitForPinCount(2));
    ClosePin(first.PinTitled(MainPinTitle));
    ASSERT_TRUE(first.WaitForPinCount(1));
    const HWND remaining = first.Pins().front();

    for (size_t launch = 1; launch <= 2; ++launch) {
        MoveMouseTo(POINT{300 + 200 * static_cast<LONG>(launch), 400});
        DokkleProcess later(folder);
        EXPECT_TRUE(later.WaitForExit(5000)) << "launch " << launch;
        EXPECT_EQ(later.ExitCode(), 0u);
        ASSERT_TRUE(first.WaitForPinCount(1 + launch)) << "launch " << launch;
    }
    for (HWND pin : first.Pins()) EXPECT_EQ(TitleOf(pin), InstanceTitle);
    // The newest pin hangs on the cursor, as one made while the main pin is open does.
    HWND newest = nullptr;
    for (HWND pin : first.Pins()) {
        if (pin != remaining && RectOf(pin).left < 700 && RectOf(pin).right > 700) newest = pin;
    }
    EXPECT_NE(newest, nullptr);
}

TEST_F(Startup, ASixthPinHasNoListenerButLaunchesStillReachTheMainPin) {
    DokkleProcess dokkle(folder);
    ASSERT_TRUE(dokkle.WaitForPinCount(1));
    HWND mainPin = dokkle.PinTitled(MainPinTitle);
    std::vector<HWND> pinsInOrder{mainPin};
    for (size_t count = 2; count <= 6; ++count) {
        SendCreateNewPin(mainPin);
        ASSERT_TRUE(dokkle.WaitForPinCount(count));
        for (HWND pin : dokkle.Pins()) {
            if (std::find(pinsInOrder.begin(), pinsInOrder.end(), pin) == pinsInOrder.end())
                pinsInOrder.push_back(pin);
        }
    }
    ASSERT_EQ(pinsInOrder.size(), 6u);

    // The sixth pin registered no listener: the request reaches its window but nobody acts on it.
    ASSERT_TRUE(SendCreateNewPin(pinsInOrder[5]));
    EXPECT_EQ(dokkle.Pins().size(), 6u);
    // The second pin has one.
    SendCreateNewPin(pinsInOrder[1]);
    EXPECT_TRUE(dokkle.WaitForPinCount(7));

    {
        DokkleProcess launch(folder);
        EXPECT_TRUE(launch.WaitForExit(5000));
    }
    EXPECT_TRUE(dokkle.WaitForPinCount(8));

    // Once a registered pin has closed, the next new pin registers again.
    ClosePin(pinsInOrder[1]);
    ASSERT_TRUE(dokkle.WaitForPinCount(7));
    const std::vector<HWND> before = dokkle.Pins();
    SendCreateNewPin(mainPin);
    ASSERT_TRUE(dokkle.WaitForPinCount(8));
    HWND newest = nullptr;
    for (HWND pin : dokkle.Pins()) {
        if (std::find(before.begin(), before.end(), pin) == before.end()) newest = pin;
    }
    ASSERT_NE(newest, nullptr);
    SendCreateNewPin(newest);
    EXPECT_TRUE(dokkle.WaitForPinCount(9));
}

TEST_F(Startup, ClosingTheLastPinEndsTheProcess) {
    DokkleProcess dokkle(folder);
    ASSERT_TRUE(dokkle.WaitForPinCount(1));
    SendCreateNewPin(dokkle.PinTitled(MainPinTitle));
    ASSERT_TRUE(dokkle.WaitForPinCount(2));

    ClosePin(dokkle.PinTitled(MainPinTitle));
    ASSERT_TRUE(dokkle.WaitForPinCount(1));
    PumpMessagesFor(200);  // a while in which the process must not end
    EXPECT_TRUE(dokkle.IsRunning());
    ClosePin(dokkle.Pins().front());
    EXPECT_TRUE(dokkle.WaitForExit(5000));
    EXPECT_EQ(dokkle.ExitCode(), 0u);
}

TEST_F(Startup, AKilledCopyLeavesNothingThatBlocksTheNextLaunch) {
    {
        DokkleProcess killed(folder);
        ASSERT_TRUE(killed.WaitForPinCount(1));
        killed.Kill();
    }
    DokkleProcess next(folder);
    EXPECT_TRUE(next.WaitForPinCount(1));
    EXPECT_NE(next.PinTitled(MainPinTitle), nullptr);
}

TEST_F(Startup, ACopyOfTheProgramElsewhereRunsOnItsOwn) {
    DokkleProcess first(folder);
    ASSERT_TRUE(first.WaitForPinCount(1));
    DokkleProcess elsewhere(DokkleProcess::NewSandbox());
    EXPECT_TRUE(elsewhere.WaitForPinCount(1));
    EXPECT_TRUE(elsewhere.IsRunning());
}

TEST_F(Startup, RequestsWithAnyOtherPayloadCreateNothing) {
    DokkleProcess dokkle(folder);
    ASSERT_TRUE(dokkle.WaitForPinCount(1));
    HWND mainPin = dokkle.PinTitled(MainPinTitle);

    static const wchar_t withTerminator[] = L"CREATENEWPIN";
    EXPECT_TRUE(SendCopyData(mainPin, withTerminator, sizeof(withTerminator)));  // the NUL counted
    EXPECT_TRUE(SendCopyData(mainPin, withTerminator, 25));                      // an odd byte count
    EXPECT_TRUE(SendCopyData(mainPin, withTerminator, 22));
    EXPECT_TRUE(SendCopyData(mainPin, withTerminator, 0));
    EXPECT_TRUE(SendCopyData(mainPin, nullptr, 0));
    EXPECT_TRUE(SendCopyData(mainPin, L"createnewpin", 24));
    EXPECT_TRUE(SendCopyData(mainPin, "CREATENEWPIN", 12));
    EXPECT_TRUE(SendCopyData(mainPin, "CREATENEWPIN CREATENEWPI", 24));
    // No structure at all: Wine refuses to carry this one to another process, so under Wine it never arrives.
    SendMessageTimeoutW(mainPin, WM_COPYDATA, 0, 0, SMTO_NORMAL, 5000, nullptr);

    EXPECT_TRUE(dokkle.IsRunning());
    EXPECT_EQ(dokkle.Pins().size(), 1u);
    SendCreateNewPin(mainPin);
    EXPECT_TRUE(dokkle.WaitForPinCount(2));
}

// The running copy's own message-only window, which takes hand-offs for as long as the copy runs.
HWND CopyWindowOf(const DokkleProcess& dokkle) {
    HWND window = nullptr;
    while ((window = FindWindowExW(HWND_MESSAGE, window, L"DokkleCopy", nullptr)) != nullptr) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId == dokkle.Id()) return window;
    }
    return nullptr;
}

LRESULT AnswerTo(HWND window, const void* data, DWORD byteCount) {
    COPYDATASTRUCT request{0, byteCount, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), SMTO_NORMAL, 5000,
                        &result);
    return static_cast<LRESULT>(result);
}

TEST_F(Startup, TheCopysOwnWindowAnswersOnlyTheRequestAndSaysItWasCarriedOut) {
    DokkleProcess dokkle(folder);
    ASSERT_TRUE(dokkle.WaitForPinCount(1));
    HWND copy = CopyWindowOf(dokkle);
    ASSERT_NE(copy, nullptr);

    static const wchar_t text[] = L"CREATENEWPIN";
    EXPECT_EQ(AnswerTo(copy, text, 26), 0);  // the NUL counted
    EXPECT_EQ(AnswerTo(copy, L"createnewpin", 24), 0);
    EXPECT_EQ(AnswerTo(copy, nullptr, 0), 0);
    EXPECT_EQ(dokkle.Pins().size(), 1u);
    // "DPIN": an answer no window gives by chance.
    EXPECT_EQ(AnswerTo(copy, text, 24), 0x4E495044);
    EXPECT_EQ(dokkle.Pins().size(), 2u) << "the pin is there once the answer has come";
}

TEST_F(Startup, ALaunchThatAHungRunningCopyDoesNotAnswerGoesOnByItselfWithinSeconds) {
    DokkleProcess first(folder);
    ASSERT_TRUE(first.WaitForPinCount(1));
    const DWORD threadId = GetWindowThreadProcessId(first.PinTitled(MainPinTitle), nullptr);
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, threadId);
    ASSERT_NE(thread, nullptr);
    ASSERT_NE(SuspendThread(thread), static_cast<DWORD>(-1));

    DokkleProcess later(folder);
    const bool shown = later.WaitForPinCount(1, 15000);
    const bool running = later.IsRunning();
    ResumeThread(thread);
    CloseHandle(thread);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(running);
    EXPECT_NE(later.PinTitled(MainPinTitle), nullptr);
    // The running copy, answering again, kept its own pin and got none.
    EXPECT_TRUE(first.WaitForPinCount(1));
}

TEST_F(Startup, LaunchesWhileTheRunningCopyEndsAreNeverLost) {
    for (int round = 0; round < 4; ++round) {
        auto running = std::make_unique<DokkleProcess>(folder);
        ASSERT_TRUE(running->WaitForPinCount(1)) << "round " << round;
        // The last pin closes as the launch starts: the copy takes the hand-off, or it is ending and the
        // launch becomes the next first copy.
        PostMessageW(running->Pins().front(), WM_CLOSE, 0, 0);
        DokkleProcess later(folder);
        ASSERT_TRUE(WaitUntil([&] { return !running->IsRunning() || !later.IsRunning(); }, 15000))
            << "round " << round;
        DokkleProcess& survivor = later.IsRunning() ? later : *running;
        EXPECT_TRUE(survivor.WaitForPinCount(1)) << "round " << round;
        PumpMessagesFor(200);  // a while in which the surviving copy must keep its pin
        EXPECT_TRUE(survivor.IsRunning()) << "round " << round;
        EXPECT_EQ(survivor.Pins().size(), 1u) << "round " << round;
    }
}

// Another program's window-creation hook refuses every pin window on the desktop while it lives.
class PinWindowsRefused {
  public:
    PinWindowsRefused() {
        library_ = LoadLibraryW((BuildFolder() + L"RefusePinWindows.dll").c_str());
        const auto hook =
            reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library_, "RefusePinWindows")));
        if (hook) hook_ = SetWindowsHookExW(WH_CBT, hook, library_, 0);
    }
    ~PinWindowsRefused() {
        if (hook_) UnhookWindowsHookEx(hook_);
        if (library_) FreeLibrary(library_);
    }
    bool Set() const { return hook_ != nullptr; }

  private:
    HMODULE library_ = nullptr;
    HHOOK hook_ = nullptr;
};

TEST_F(Startup, AFirstCopyWhoseMainPinCannotBeMadeEndsAndHoldsNothing) {
    {
        PinWindowsRefused refused;
        ASSERT_TRUE(refused.Set());
        DokkleProcess dokkle(folder);
        EXPECT_TRUE(dokkle.WaitForExit(5000)) << "it lingers without a pin";
        EXPECT_NE(dokkle.ExitCode(), 0u);
        EXPECT_TRUE(dokkle.VisibleWindows().empty());
    }
    // The hotkey is free for another program, and the next launch is the first copy again.
    HWND holder = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    EXPECT_TRUE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, 'P'));
    UnregisterHotKey(holder, 1);
    DestroyWindow(holder);
    DokkleProcess next(folder);
    EXPECT_TRUE(next.WaitForPinCount(1));
    EXPECT_NE(next.PinTitled(MainPinTitle), nullptr);
}

TEST_F(Startup, AProgramThatCannotBeStartedIsAFailureNotAProcessThatEndedAtOnce) {
    try {
        ChildProcess missing(folder + L"Missing.exe", L"", folder);
        FAIL() << "a program that does not exist was taken for one that started";
    } catch (const std::runtime_error& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("Missing.exe"), std::string::npos) << message;
        EXPECT_NE(message.find("error " + std::to_string(ERROR_FILE_NOT_FOUND)), std::string::npos)
            << message;
    }
}

TEST_F(Startup, TheProgramAsksToRunWithTheRightsOfWhoeverStartsIt) {
    const std::wstring executable = BuildFolder() + L"Dokkle.exe";
    const std::optional<std::string> manifest = ManifestOf(executable);
    ASSERT_TRUE(manifest.has_value());
    std::vector<XmlElement> levels;
    for (const XmlElement& element : XmlElements(*manifest)) {
        if (element.path.back() == "requestedExecutionLevel") levels.push_back(element);
    }
    ASSERT_EQ(levels.size(), 1u) << *manifest;
    const std::vector<std::string> path{"assembly", "trustInfo", "security", "requestedPrivileges",
                                        "requestedExecutionLevel"};
    EXPECT_EQ(levels[0].path, path);
    EXPECT_EQ(levels[0].attributes["level"], "asInvoker");
    EXPECT_EQ(levels[0].attributes["uiAccess"], "false");

    // The system reads the same from it.
    const auto runLevel = RunLevelOf(executable);
    ASSERT_TRUE(runLevel.has_value());
    EXPECT_EQ(runLevel->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(runLevel->UiAccess, 0u);
}

}  // namespace
}  // namespace dokkle::e2e
