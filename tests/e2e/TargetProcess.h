#pragma once
// TestTarget.exe: a framed window of known title, place and colour, optionally with a child button
// or an owned pop-up, that can record the messages it is sent, for pins to be stuck into.
#include <windows.h>

#include <string>
#include <vector>

#include "ChildProcess.h"

namespace dokkle::e2e {

struct TargetOptions {
    std::wstring title = L"Dokkle Test Target";
    RECT bounds{200, 150, 600, 450};  // left, top, right, bottom
    bool withButton = false;
    COLORREF colour = RGB(255, 255, 255);
    bool withOwnedPopup = false;
    bool recordMessages = false;
    bool refuseClose = false;
    bool vanishWhenTopmost = false;      // destroys its window as a pin makes it topmost
    bool closePinsWhenUnpinned = false;  // closes the pins over it while one takes its topmost state away
    bool raiseEvents = false;            // raises the window events of its moves, activation and end
    int noisyEventsPerSecond = 0;        // a second window, whose location events it raises that often
    DWORD priorityClass = 0;             // set from outside once the target runs; 0 leaves it normal
    std::wstring loadLibrary;            // a library the target loads, for a known module
    std::wstring executable;             // another build of TestTarget.exe; empty for this build's own
};

// One message a recording target received.
struct RecordedMessage {
    UINT message;
    uint32_t wParam;
    uint32_t lParam;
    friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

class TargetProcess : public ChildProcess {
  public:
    explicit TargetProcess(const TargetOptions& options = {});
    ~TargetProcess();

    // The main window, once shown (null if it never appears).
    HWND Window() const { return window_; }
    HWND Button() const;
    // The owned pop-up window, if asked for.
    HWND OwnedPopup() const;
    // A point inside the client area, away from the button.
    POINT FreePoint() const;
    POINT ButtonCentre() const;

    // What a recording target has received so far, in order.
    std::vector<RecordedMessage> RecordedMessages() const;

  private:
    TargetProcess(const TargetOptions& options, std::wstring recordFile);

    std::wstring recordFile_;
    HWND window_ = nullptr;
};

}  // namespace dokkle::e2e
