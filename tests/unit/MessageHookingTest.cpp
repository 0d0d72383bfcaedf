#include "messaging/modMessageHooking.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "TestWindow.h"

namespace dokkle {
namespace {

using testing::CallLog;
using testing::ProbeMessage;
using testing::RecordingListener;
using testing::TestWindow;
using testing::WindowResult;

class MessageHooking : public ::testing::Test {
  protected:
    void TearDown() override {
        // The registry is process-wide: give back every entry a case took.
        for (auto& recorder : recorders) recorder->listener->EndHook();
    }

    RecordingListener& NewListener(const std::string& name) {
        recorders.push_back(std::make_unique<RecordingListener>(log, name));
        return *recorders.back();
    }

    int Register(RecordingListener& recorder, HWND window) {
        recorder.listener->StartHook(window);
        return recorder.listener->ListenerIndex();
    }

    LRESULT Probe(HWND window) { return SendMessageW(window, ProbeMessage, 11, 22); }

    CallLog log;
    std::vector<std::unique_ptr<RecordingListener>> recorders;
};

TEST_F(MessageHooking, TwoListenersShareOneHookAndAreToldInEntryOrderAroundTheWindow) {
    TestWindow window(log);
    EXPECT_EQ(Register(NewListener("L0"), window.Handle()), 0);
    EXPECT_EQ(Register(NewListener("L1"), window.Handle()), 1);
    EXPECT_EQ(window.CurrentProcedure(), &modMessageHooking::HookProc);
    EXPECT_EQ(modMessageHooking::FindHook(window.Handle()), 0);
    EXPECT_EQ(modMessageHooking::LastResultText(), L"正常に処理されました");

    EXPECT_EQ(Probe(window.Handle()), WindowResult);
    EXPECT_EQ(log, (CallLog{"before L0 11,22", "before L1 11,22", "window 11,22", "after L0 11,22",
                            "after L1 11,22"}));
}

TEST_F(MessageHooking, RemovingOneOfTwoKeepsTheHookAndRemovingTheSecondRestoresTheProcedure) {
    TestWindow window(log);
    auto& first = NewListener("L0");
    auto& second = NewListener("L1");
    Register(first, window.Handle());
    Register(second, window.Handle());

    first.listener->EndHook();
    EXPECT_EQ(window.CurrentProcedure(), &modMessageHooking::HookProc);
    Probe(window.Handle());
    EXPECT_EQ(log, (CallLog{"before L1 11,22", "window 11,22", "after L1 11,22"}));

    second.listener->EndHook();
    EXPECT_EQ(modMessageHooking::LastResultText(), L"正常に処理されました");
    EXPECT_EQ(window.CurrentProcedure(), TestWindow::OwnProcedure());
    EXPECT_EQ(modMessageHooking::FindHook(window.Handle()), -1);
}

TEST_F(MessageHooking, ASixthListenerIsRefusedWithoutTouchingItsWindow) {
    std::vector<std::unique_ptr<TestWindow>> windows;
    for (int i = 0; i < 6; ++i) windows.push_back(std::make_unique<TestWindow>(log));
    const char* names[] = {"L0", "L1", "L2", "L3", "L4"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Register(NewListener(names[i]), windows[i]->Handle()), i);

    EXPECT_EQ(Register(NewListener("L5"), windows[5]->Handle()), -1);
    EXPECT_EQ(modMessageHooking::LastResultText(), L"メッセージリスナーが一杯です");
    EXPECT_EQ(windows[5]->CurrentProcedure(), TestWindow::OwnProcedure());
    Probe(windows[5]->Handle());
    EXPECT_EQ(log, CallLog{"window 11,22"});
}

TEST_F(MessageHooking, TheLowestFreedEntryIsTakenNext) {
    TestWindow window(log);
    Register(NewListener("L0"), window.Handle());
    auto& middle = NewListener("L1");
    Register(middle, window.Handle());
    Register(NewListener("L2"), window.Handle());
    middle.listener->EndHook();
    EXPECT_EQ(Register(NewListener("L3"), window.Handle()), 1);
}

TEST_F(MessageHooking, RemovingMinusOneChangesNothingAndAFreedEntryIsReported) {
    TestWindow window(log);
    const int index = Register(NewListener("L0"), window.Handle());
    modMessageHooking::RemoveListener(index);
    EXPECT_EQ(modMessageHooking::LastResultText(), L"正常に処理されました");

    modMessageHooking::RemoveListener(index);
    EXPECT_EQ(modMessageHooking::LastResultText(), L"該当するリスナーは存在しません");
    modMessageHooking::RemoveListener(-1);
    EXPECT_EQ(modMessageHooking::LastResultText(), L"該当するリスナーは存在しません");
    modMessageHooking::RemoveListener(99);
    EXPECT_EQ(modMessageHooking::LastResultText(), L"該当するリスナーは存在しません");
}

TEST_F(MessageHooking, ANullHandleIsNeverFoundAndAWindowThatCannotBeHookedLeavesTheEntryFree) {
    EXPECT_EQ(modMessageHooking::FindHook(nullptr), -1);

    HWND gone = nullptr;
    {
        TestWindow window(log);
        gone = window.Handle();
    }
    EXPECT_EQ(Register(NewListener("L0"), gone), -1);
    EXPECT_EQ(modMessageHooking::LastResultText(), L"メッセージフックの開始に失敗しました");
    TestWindow window(log);
    EXPECT_EQ(Register(NewListener("L1"), window.Handle()), 0);
}

TEST_F(MessageHooking, AListenerRegisteredDuringDispatchGetsTheRestOfThatMessage) {
    TestWindow window(log);
    auto& first = NewListener("L0");
    auto& late = NewListener("L1");
    Register(first, window.Handle());
    first.onBefore = [&] {
        if (late.listener->ListenerIndex() < 0) Register(late, window.Handle());
    };
    Probe(window.Handle());
    EXPECT_EQ(log, (CallLog{"before L0 11,22", "before L1 11,22", "window 11,22", "after L0 11,22",
                            "after L1 11,22"}));
}

TEST_F(MessageHooking, AListenerWhoseRegistrationEndsDuringDispatchGetsNoFurtherCalls) {
    TestWindow window(log);
    auto& first = NewListener("L0");
    auto& second = NewListener("L1");
    Register(first, window.Handle());
    Register(second, window.Handle());
    first.onAfter = [&] { second.listener->EndHook(); };
    Probe(window.Handle());
    EXPECT_EQ(log, (CallLog{"before L0 11,22", "before L1 11,22", "window 11,22", "after L0 11,22"}));
}

TEST_F(MessageHooking, EndingTheLastRegistrationBeforeTheWindowStillDeliversTheMessage) {
    TestWindow window(log);
    auto& only = NewListener("L0");
    Register(only, window.Handle());
    only.onBefore = [&] { only.listener->EndHook(); };
    EXPECT_EQ(Probe(window.Handle()), WindowResult);
    EXPECT_EQ(log, (CallLog{"before L0 11,22", "window 11,22"}));
    EXPECT_EQ(window.CurrentProcedure(), TestWindow::OwnProcedure());
}

TEST_F(MessageHooking, AFailingListenerKeepsNothingFromTheWindowOrTheOthers) {
    TestWindow window(log);
    auto& failing = NewListener("L0");
    Register(failing, window.Handle());
    Register(NewListener("L1"), window.Handle());
    failing.onBefore = [] { throw std::runtime_error("listener failed"); };
    failing.onAfter = [] { throw std::runtime_error("listener failed"); };
    EXPECT_EQ(Probe(window.Handle()), WindowResult);
    EXPECT_EQ(log, (CallLog{"before L0 11,22", "before L1 11,22", "window 11,22", "after L0 11,22",
                            "after L1 11,22"}));
}

TEST_F(MessageHooking, TheRegistryKeepsARegisteredListenerAliveUntilItsRegistrationEnds) {
    TestWindow window(log);
    RecordingListener owner(log, "L0");
    std::weak_ptr<clsMessageListener> watch = owner.listener;
    owner.listener->StartHook(window.Handle());
    const int index = owner.listener->ListenerIndex();
    owner.listener.reset();  // the owner lets go without ending the registration

    ASSERT_FALSE(watch.expired());
    Probe(window.Handle());
    EXPECT_EQ(log, (CallLog{"before L0 11,22", "window 11,22", "after L0 11,22"}));

    modMessageHooking::RemoveListener(index);
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(window.CurrentProcedure(), TestWindow::OwnProcedure());
}

}  // namespace
}  // namespace dokkle
