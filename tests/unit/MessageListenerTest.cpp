#include "messaging/clsMessageListener.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestWindow.h"
#include "messaging/modMessageHooking.h"

namespace dokkle {
namespace {

using testing::CallLog;
using testing::ProbeMessage;
using testing::RecordingListener;
using testing::TestWindow;

// Leaves a known text behind, so a case can tell whether the registry was touched afterwards.
void MarkLastResult() {
    modMessageHooking::RemoveListener(4);
}

TEST(MessageListener, ANewListenerReleasedWithoutStartHookLeavesTheRegistryAlone) {
    CallLog log;
    MarkLastResult();
    { RecordingListener unused(log, "L0"); }
    EXPECT_EQ(modMessageHooking::LastResultText(), L"該当するリスナーは存在しません");
}

TEST(MessageListener, ASecondEndHookDoesNothing) {
    CallLog log;
    TestWindow window(log);
    RecordingListener recorder(log, "L0");
    recorder.listener->StartHook(window.Handle());
    recorder.listener->EndHook();
    EXPECT_EQ(recorder.listener->ListenerIndex(), -1);
    MarkLastResult();
    recorder.listener->EndHook();
    EXPECT_EQ(modMessageHooking::LastResultText(), L"該当するリスナーは存在しません");
}

TEST(MessageListener, StartHookOnAnotherWindowMovesTheRegistration) {
    CallLog log;
    TestWindow first(log), second(log);
    RecordingListener recorder(log, "L0");
    recorder.listener->StartHook(first.Handle());
    recorder.listener->StartHook(second.Handle());

    EXPECT_EQ(first.CurrentProcedure(), TestWindow::OwnProcedure());
    SendMessageW(first.Handle(), ProbeMessage, 1, 2);
    SendMessageW(second.Handle(), ProbeMessage, 3, 4);
    EXPECT_EQ(log, (CallLog{"window 1,2", "before L0 3,4", "window 3,4", "after L0 3,4"}));
    recorder.listener->EndHook();
}

TEST(MessageListener, AFullRegistryLeavesTheListenerUnregisteredAndSilent) {
    CallLog log;
    TestWindow window(log), other(log);
    std::vector<std::unique_ptr<RecordingListener>> others;
    for (int i = 0; i < 5; ++i) {
        others.push_back(std::make_unique<RecordingListener>(log, "other"));
        others.back()->listener->StartHook(other.Handle());
    }
    RecordingListener refused(log, "refused");
    refused.listener->StartHook(window.Handle());
    EXPECT_EQ(refused.listener->ListenerIndex(), -1);
    SendMessageW(window.Handle(), ProbeMessage, 5, 6);
    EXPECT_EQ(log, CallLog{"window 5,6"});

    for (auto& recorder : others) recorder->listener->EndHook();
    MarkLastResult();
    refused.listener->EndHook();
    EXPECT_EQ(modMessageHooking::LastResultText(), L"該当するリスナーは存在しません");
}

TEST(MessageListener, CopyDataIsStillReadableInAfterArrival) {
    CallLog log;
    TestWindow window(log);
    struct CopyReader final : clsMessageListener::Events {
        void BeforeArrival(UINT, WPARAM, LPARAM) override {}
        void AfterArrival(UINT uMsg, WPARAM, LPARAM lParam) override {
            if (uMsg != WM_COPYDATA) return;
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            text.assign(static_cast<const char*>(data->lpData), data->cbData);
        }
        std::string text;
    } reader;
    auto listener = clsMessageListener::Create(reader);
    listener->StartHook(window.Handle());
    char payload[] = "hand-off";
    COPYDATASTRUCT request{0, sizeof(payload) - 1, payload};
    SendMessageW(window.Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(reader.text, "hand-off");
    listener->EndHook();
}

}  // namespace
}  // namespace dokkle
