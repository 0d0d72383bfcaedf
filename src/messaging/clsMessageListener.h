#pragma once
// Watches the messages of one window and tells its owner of each, before and after the window's own
// procedure has handled it.
#include <windows.h>

#include <memory>

namespace dokkle {

class clsMessageListener : public std::enable_shared_from_this<clsMessageListener> {
  public:
    // Receives the listener's events; copies only, so an owner cannot change a message or its result.
    class Events {
      public:
        virtual void BeforeArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) = 0;
        virtual void AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) = 0;

      protected:
        ~Events() = default;
    };

    // The registry keeps a counted reference while a listener is registered, so listeners live in shared_ptr.
    static std::shared_ptr<clsMessageListener> Create(Events& owner);
    ~clsMessageListener();
    clsMessageListener(const clsMessageListener&) = delete;
    clsMessageListener& operator=(const clsMessageListener&) = delete;

    void StartHook(HWND hWnd);
    void EndHook();
    void CallBefore(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void CallAfter(UINT uMsg, WPARAM wParam, LPARAM lParam);

    // The registry entry this listener holds, or -1 when it holds none.
    int ListenerIndex() const noexcept { return listenerIndex_; }

  private:
    explicit clsMessageListener(Events& owner) : owner_(owner) {}

    Events& owner_;
    int listenerIndex_ = -1;
};

}  // namespace dokkle
