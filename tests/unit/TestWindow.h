#pragma once
// Real windows whose own procedure writes what it receives into a shared call log, and listeners that
// log their events there too, so a test compares one log against the order it expects.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "messaging/clsMessageListener.h"

namespace dokkle::testing {

using CallLog = std::vector<std::string>;

// The message the tests send; its own procedure answers it with WindowResult.
constexpr UINT ProbeMessage = WM_APP + 7;
constexpr LRESULT WindowResult = 0x1234;

class TestWindow {
  public:
    explicit TestWindow(CallLog& log, const wchar_t* title = L"test window");
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_; }
    WNDPROC CurrentProcedure() const {
        return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
    }
    static WNDPROC OwnProcedure();

  private:
    HWND window_ = nullptr;
};

class RecordingListener final : public clsMessageListener::Events {
  public:
    RecordingListener(CallLog& log, std::string name);

    void BeforeArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    std::shared_ptr<clsMessageListener> listener;
    // Extra work done inside the event, for the re-entrancy cases.
    std::function<void()> onBefore;
    std::function<void()> onAfter;

  private:
    void Record(const char* phase, UINT uMsg, WPARAM wParam, LPARAM lParam);

    CallLog& log_;
    std::string name_;
};

}  // namespace dokkle::testing
