#pragma once
// The real Dokkle.exe, started from a private copy of the program folder, so that its settings file
// and its running marker are its own.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "common/AppVersion.h"
#include "pin/FollowStatistics.h"

namespace dokkle::e2e {

// The main pin's caption: the title and the version the program was built with.
inline const std::wstring MainPinTitle = L"" DOKKLE_TITLE L" v" DOKKLE_VERSION_TEXT;

// Deletes a folder with everything in it; the path ends in a backslash.
void RemoveFolder(const std::wstring& folder);

class DokkleProcess : public ChildProcess {
  public:
    // A fresh folder holding a copy of Dokkle.exe and, unless told otherwise, the design folder.
    static std::wstring NewSandbox(bool withDesigns = true,
                                   const std::wstring& executableName = L"Dokkle.exe");

    explicit DokkleProcess(const std::wstring& folder, const std::wstring& executableName = L"Dokkle.exe");

    // Its pins: visible windows of the pin class, in z-order from the top.
    std::vector<HWND> Pins() const;
    bool WaitForPinCount(size_t count, int timeoutMilliseconds = 5000) const;
    HWND PinTitled(const std::wstring& title) const;
    // How many SetWindowPos calls its follow timers have made so far; nothing when it cannot be asked
    // (no pin, or the pin did not answer).
    std::optional<unsigned> FollowCalls() const;
    // What the window events of its pins' targets have done so far, or how many processes' events it
    // hooks now; nothing when it cannot be asked.
    std::optional<unsigned> EventCount(FollowStatistics::EventCount which) const;
};

}  // namespace dokkle::e2e
