#include "startup/modMain.h"

#include "common/FormLifetime.h"
#include "startup/ActiveWindowHotkey.h"
#include "pin/frmMain.h"
#include "startup/HandOff.h"
#include "startup/SingleInstance.h"

namespace dokkle::modMain {

bool CreatingMainPin = false;

namespace {

// Start-up makes every pin: the main pin, the hand-off's and the hotkey's.
class PinMaker final : public frmMain::Maker {
    void NewPinRequested() override { CreatePin(); }
};
PinMaker pinMaker;

// The main pin bears the main title, by which later launches find it; every other pin another.
std::wstring NextPinCaption() {
    std::wstring caption = CreatingMainPin ? MainTitle() : MainTitle() + L" Instance";
    CreatingMainPin = false;
    return caption;
}

}  // namespace

bool Main() {
    const std::wstring& title = MainTitle();
    if (SingleInstance::Claim() == SingleInstance::Role::LaterLaunch) {
        if (HandOff::SendCreateNewPin(title)) return false;
        // No main pin: it was closed (then nothing happens), or the running copy is just ending.
        if (!SingleInstance::ClaimIfRunningCopyEnds()) return false;
    }
    FormLifetime::QuitWhenLastFormCloses(true);
    CreatingMainPin = true;
    CreatePin();
    SingleInstance::MainPinShown();
    ActiveWindowHotkey::Start();
    return true;
}

void CreatePin() {
    frmMain::Create(pinMaker, NextPinCaption());
}

void CreatePinStuckInto(HWND target) {
    frmMain::CreateStuckInto(pinMaker, NextPinCaption(), target);
}

}  // namespace dokkle::modMain
