#pragma once
// A message sent to a window without waiting for it to be handled. Over() tells once the window has
// handled it, has gone, or has shown no sign of life for a while: it is then hung, as Windows counts it,
// and the message is not waited for any longer (it is still handled when the window answers again).
// A window busy with the message while it talks to its user (a question before closing) answers now and
// then meanwhile, and is waited for. Answers reach this thread while it handles its messages.
#include <windows.h>

#include <cstdint>

namespace dokkle {

class UnwaitedSend {
  public:
    // Sends the message, with no parameters, which may carry no pointer across processes.
    UnwaitedSend(HWND window, UINT message);
    ~UnwaitedSend();
    UnwaitedSend(const UnwaitedSend&) = delete;
    UnwaitedSend& operator=(const UnwaitedSend&) = delete;

    bool Over();

    // No sign of life for this long, and a window counts as hung.
    static constexpr uint64_t HungAfterMilliseconds = 5000;

  private:
    static void CALLBACK Answered(HWND window, UINT message, ULONG_PTR token, LRESULT) noexcept;

    HWND window_;
    ULONG_PTR sentToken_;
    ULONG_PTR probeToken_ = 0;
    bool handled_ = false;
    bool probing_ = false;
    uint64_t lastSign_;
};

}  // namespace dokkle
