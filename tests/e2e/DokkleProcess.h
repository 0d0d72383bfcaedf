#pragma once
// The real Dokkle.exe, started as a separate process from a private copy of the program folder, so
// that its settings file and its running marker are its own.
#include <windows.h>

#include <string>
#include <vector>

namespace dokkle::e2e {

// The folder of the test programs, where the build puts Dokkle.exe and its design folder.
std::wstring BuildFolder();

class DokkleProcess {
public:
    // A fresh folder holding a copy of Dokkle.exe and the design folder.
    static std::wstring NewSandbox(const std::wstring& executableName = L"Dokkle.exe");

    explicit DokkleProcess(const std::wstring& folder, const std::wstring& executableName = L"Dokkle.exe");
    ~DokkleProcess();
    DokkleProcess(const DokkleProcess&) = delete;
    DokkleProcess& operator=(const DokkleProcess&) = delete;

    DWORD Id() const { return information_.dwProcessId; }
    HANDLE Handle() const { return information_.hProcess; }
    bool IsRunning() const;
    bool WaitForExit(int timeoutMilliseconds);
    DWORD ExitCode() const;
    void Kill();

    // The process's visible top-level windows, in z-order from the top.
    std::vector<HWND> VisibleWindows() const;
    // Its pins: visible windows of the pin class.
    std::vector<HWND> Pins() const;
    // Waits until the process shows exactly this many pins.
    bool WaitForPinCount(size_t count, int timeoutMilliseconds = 5000) const;
    HWND PinTitled(const std::wstring& title) const;

private:
    PROCESS_INFORMATION information_{};
};

}  // namespace dokkle::e2e
