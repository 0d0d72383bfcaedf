#pragma once
// A pin: a borderless, always-on-top layered window that hangs on the mouse cursor (carried) or is
// stuck into a target window (pricked) and follows it. It owns itself; closing its window ends it.
//
// One rule for its life: the object outlives its window until the outer message loop deletes it, and a
// handler that has made a call which can run other handlers (another thread's SetWindowPos, a message
// box, a menu, a dialog) asks IsClosed() before it goes on, since the pin may have been closed meanwhile.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/BaseWindow.h"
#include "messaging/clsMessageListener.h"
#include "pin/FollowTick.h"
#include "pin/TargetEvent.h"
#include "pin/frmMenu.h"
#include "tools/PinTip.h"

namespace dokkle {

class frmMain final : public BaseWindow,
                      public PinTip,
                      private clsMessageListener::Events,
                      private frmMenu::Events {
  public:
    // Whoever makes pins: a request for one more pin that reaches a pin goes there.
    class Maker {
      public:
        virtual void NewPinRequested() = 0;

      protected:
        ~Maker() = default;
    };

    // Makes a new pin with the caption and shows it, modeless and unowned; the creator keeps no reference.
    // False when no pin could be made.
    static bool Create(Maker& maker, const std::wstring& caption);
    // Makes a new pin stuck into the window (or its framed ancestor) as stick-by-handle places it, with
    // the mouse left alone.
    static void CreateStuckInto(Maker& maker, const std::wstring& caption, HWND target);
    // The open pins of this thread that are stuck into the window itself.
    static std::vector<HWND> PinsStuckInto(HWND target);
    // The same, and those stuck into one of its child windows.
    static std::vector<HWND> PinsStuckIntoOrInside(HWND target);
    // The pin of this thread whose window that is, or null.
    static frmMain* FromWindow(HWND window);

    // Closes the pin; its unload step gives the target back its normal z-order.
    void Close();
    // The window system reports an event for the window: if the pin is stuck into it now, the pin
    // follows it or closes at once, as its next tick would.
    void TargetEvent(HWND window, TargetEventAction action);

    static constexpr const wchar_t* ClassName = L"DokklePin";

    // The pin tip's screen position in pixels.
    int32_t PrickedPositionX() const override;
    int32_t PrickedPositionY() const override;

  private:
    // The pin's window, hidden and loaded; null if it could not be made.
    frmMain(Maker& maker, std::wstring caption) : maker_(maker), caption_(std::move(caption)) {}
    static frmMain* CreateHidden(Maker& maker, const std::wstring& caption, bool startsStuck);
    struct StuckPinSearch;
    static BOOL CALLBACK CollectStuckPin(HWND window, LPARAM parameter);

    // Life of the window (frmMain.cpp).
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;
    LRESULT LoadOrFail() noexcept;
    void Form_Load();
    void Form_Unload();
    RECT WindowBounds() const;
    void MoveTo(int32_t left, int32_t top);

    // The hand-off (frmMain.cpp).
    void BeforeArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void objMessageListener_AfterArrival(UINT uMsg, WPARAM wParam, LPARAM lParam);

    // Following the target (frmMainFollow.cpp).
    void timKicker_Timer();
    FollowState ReadFollowState();
    // Keeps the offsets the decision gives and makes its call on the pin, if any; true if one was made.
    bool ApplyPinFollowing(const std::optional<WindowPosCall>& pinCall, int32_t offsetX, int32_t offsetY);
    bool TargetIsMinimised(const RECT& target);
    void Unprick();

    // The mouse: carrying and pricking (frmMainMouse.cpp).
    void OnMouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Form_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void Form_Click();
    void Form_DblClick();
    void PickUp();
    void Drop();
    void Prick(HWND hWnd, bool UseCursor);
    // Stick-by-handle's placing: pricked into the window, the tip at its top centre 20 pixels down.
    void StickInto(HWND n);
    // The pin's offsets from its target's corner, taken from where the pin is now.
    void RecordPrickedOffsets(const RECT& target);
    void MoveOntoCursor();
    void ShowCursorAgain();

    // The look (frmMainDesign.cpp).
    void ApplyDesign(const std::wstring& DesignFile);
    void DrawPin(const std::wstring& BitmapPath, int32_t Opacity, int32_t StateRow);
    std::wstring DesignPath(const std::wstring& DesignFile) const;

    // The menu's events (frmMainMenu.cpp).
    void frmMenuInst_mnuPopupInformationClick() override;
    void frmMenuInst_mnuPopupVersionInfoClick() override;
    void frmMenuInst_mnuPopupExitClick() override;
    void frmMenuInst_MemoryPos() override;
    void frmMenuInst_MemorySize() override;
    void frmMenuInst_mnuPopupPrickableToChildWindowClick() override;
    void frmMenuInst_DesignChanged(const std::wstring& NewDesign) override;
    void frmMenuInst_mnuPopupSelectTargetClick() override;
    void ShowPopupMenu();

    bool IsPricked = false;
    HWND hTarget = nullptr;
    int32_t PrickedOffsetX = 0;
    int32_t PrickedOffsetY = 0;
    int32_t MemoryLeft = 0;
    int32_t MemoryTop = 0;
    int32_t MemoryWidth = 0;
    int32_t MemoryHeight = 0;
    std::wstring DesignFileName;
    int32_t CursorPositionX = 0;
    int32_t CursorPositionY = 0;
    float DownX = 0;
    float DownY = 0;
    int32_t LastShift = 0;
    std::shared_ptr<clsMessageListener> objMessageListener;
    std::unique_ptr<frmMenu> frmMenuInst;

    // True between the cursor being hidden for carrying and shown again, so it is shown on every path.
    bool cursorHidden_ = false;
    // A click is a press and a release on the pin; the release that ends a double-click is no click.
    bool leftPressedOnPin_ = false;
    // Whether the target was minimised when last asked, and its rectangle then.
    struct MinimisedAnswer {
        HWND window = nullptr;
        RECT bounds{};
        bool minimised = false;
    } minimisedAsked_;
    // A pin its creator sticks in starts out drawn in place, not hanging on the cursor.
    bool startsStuck_ = false;
    Maker& maker_;
    // The caption its maker gives it: the main title for the first pin of the run, another for the rest.
    const std::wstring caption_;
};

}  // namespace dokkle
