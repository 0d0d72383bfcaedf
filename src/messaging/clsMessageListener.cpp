#include "messaging/clsMessageListener.h"

#include "messaging/modMessageHooking.h"

namespace dokkle {

std::shared_ptr<clsMessageListener> clsMessageListener::Create(Events& owner) {
    return std::shared_ptr<clsMessageListener>(new clsMessageListener(owner));
}

clsMessageListener::~clsMessageListener() {
    EndHook();
}

void clsMessageListener::StartHook(HWND hWnd) {
    EndHook();
    listenerIndex_ = modMessageHooking::AddListener(hWnd, shared_from_this());
}

void clsMessageListener::EndHook() {
    // The index is cleared first: removing the registry's reference may be the last one.
    const int index = listenerIndex_;
    listenerIndex_ = -1;
    modMessageHooking::RemoveListener(index);
}

void clsMessageListener::CallBefore(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    owner_.BeforeArrival(uMsg, wParam, lParam);
}

void clsMessageListener::CallAfter(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    owner_.AfterArrival(uMsg, wParam, lParam);
}

}  // namespace dokkle
