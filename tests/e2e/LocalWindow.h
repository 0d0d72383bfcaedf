#pragma once
// A framed top-level window of the test process itself, of known title, place and colour: the
// selection dialog lists every top-level window, so the test's own show up in it too.
#include <windows.h>

#include <string>

namespace dokkle::e2e {

struct LocalWindowOptions {
    std::wstring title;
    RECT bounds{100, 100, 400, 300};  // left, top, right, bottom
    bool visible = true;
    bool topmost = false;
    HWND owner = nullptr;
};

class LocalWindow {
  public:
    explicit LocalWindow(const LocalWindowOptions& options);
    ~LocalWindow();
    LocalWindow(const LocalWindow&) = delete;
    LocalWindow& operator=(const LocalWindow&) = delete;

    HWND Handle() const { return window_; }
    // A point inside its client area.
    POINT Centre() const;
    // Destroys the window before the object goes.
    void Destroy();

  private:
    HWND window_ = nullptr;
};

}  // namespace dokkle::e2e
