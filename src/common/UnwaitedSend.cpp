#include "common/UnwaitedSend.h"

#include <algorithm>
#include <vector>

namespace dokkle {
namespace {

// The sends still watched; an answer that comes after its send was given up finds none and is dropped.
std::vector<UnwaitedSend*>& Watched() {
    static std::vector<UnwaitedSend*> sends;
    return sends;
}

ULONG_PTR NextToken() {
    static ULONG_PTR last = 0;
    return ++last;
}

}  // namespace

UnwaitedSend::UnwaitedSend(HWND window, UINT message)
    : window_(window), sentToken_(NextToken()), lastSign_(GetTickCount64()) {
    Watched().push_back(this);
    // To a window of this thread the message goes at once, and its answer with it.
    if (!SendMessageCallbackW(window, message, 0, 0, Answered, sentToken_)) handled_ = true;
}

UnwaitedSend::~UnwaitedSend() {
    std::erase(Watched(), this);
}

bool UnwaitedSend::Over() {
    if (handled_ || !IsWindow(window_)) return true;
    if (GetTickCount64() - lastSign_ >= HungAfterMilliseconds || IsHungAppWindow(window_)) return true;
    // One question at a time: is the window still answering anything?
    if (!probing_) {
        probeToken_ = NextToken();
        probing_ = SendMessageCallbackW(window_, WM_NULL, 0, 0, Answered, probeToken_) != FALSE;
    }
    return false;
}

void CALLBACK UnwaitedSend::Answered(HWND, UINT, ULONG_PTR token, LRESULT) noexcept {
    for (UnwaitedSend* send : Watched()) {
        if (token == send->sentToken_) send->handled_ = true;
        if (token == send->sentToken_ || (send->probing_ && token == send->probeToken_)) {
            send->probing_ = false;
            send->lastSign_ = GetTickCount64();
        }
    }
}

}  // namespace dokkle
