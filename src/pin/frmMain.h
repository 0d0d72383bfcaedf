#pragma once
// A pin: a borderless, always-on-top layered window that hangs on the mouse cursor or is stuck into a
// target window and follows it. It owns itself; closing its window ends it.
#include <windows.h>

#include <memory>
#include <string>

#include "common/BaseWindow.h"
#include "messaging/clsMessageListener.h"

namespace dokkle {

class frmMain final : public BaseWindow, private clsMessageListener::Events {
public:
    // Makes a new pin and shows it, modeless and unowned; the creator keeps no reference.
    static void Create();

    static constexpr const wchar_t* ClassName = L"DokklePin";

private:
    frmMain() = default;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;

    void Form_Load();
    void Form_Unload();
    void Close();

    void BeforeArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void objMessageListener_AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam);

    std::shared_ptr<clsMessageListener> objMessageListener;
    std::wstring DesignFileName;
};

}  // namespace dokkle
