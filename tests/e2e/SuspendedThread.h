#pragma once
// Stops a window's thread from handling anything, as a hung program's, until the object goes.
#include <windows.h>

#include <utility>

namespace dokkle::e2e {

class SuspendedThread {
  public:
    explicit SuspendedThread(HWND window)
        : thread_(OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(window, nullptr))) {
        suspended_ = thread_ && SuspendThread(thread_) != static_cast<DWORD>(-1);
    }
    ~SuspendedThread() { Resume(); }
    SuspendedThread(const SuspendedThread&) = delete;
    SuspendedThread& operator=(const SuspendedThread&) = delete;

    explicit operator bool() const { return suspended_; }
    void Resume() {
        if (suspended_) ResumeThread(thread_);
        suspended_ = false;
        if (thread_) CloseHandle(std::exchange(thread_, nullptr));
    }

  private:
    HANDLE thread_;
    bool suspended_ = false;
};

}  // namespace dokkle::e2e
