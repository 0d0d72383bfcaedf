#pragma once
// A program the test starts as a separate process; ended when the object goes. A program that cannot be
// started throws std::runtime_error, so that it is never taken for one that started and ended at once.
#include <windows.h>

#include <string>
#include <vector>

namespace dokkle::e2e {

// The folder of the test programs, where the build puts Dokkle.exe, TestTarget.exe and the designs.
std::wstring BuildFolder();

class ChildProcess {
  public:
    ChildProcess(const std::wstring& executable, const std::wstring& arguments, const std::wstring& folder);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return information_.dwProcessId; }
    HANDLE Handle() const { return information_.hProcess; }
    bool IsRunning() const;
    bool WaitForExit(int timeoutMilliseconds);
    DWORD ExitCode() const;
    void Kill();

    // The process's visible top-level windows, in z-order from the top.
    std::vector<HWND> VisibleWindows() const;
    // Its visible top-level windows of one class.
    std::vector<HWND> VisibleWindowsOfClass(const std::wstring& className) const;

  private:
    PROCESS_INFORMATION information_{};
};

}  // namespace dokkle::e2e
