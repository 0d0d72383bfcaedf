#include "startup/modMain.h"

#include "common/Catalogue.h"
#include "common/FormLifetime.h"
#include "common/LanguageChoice.h"
#include "common/NoticeTexts.h"
#include "common/Notices.h"
#include "common/modGeneralTips.h"
#include "pin/frmMain.h"
#include "startup/ActiveWindowHotkey.h"
#include "startup/CopyWindow.h"
#include "startup/HandOff.h"
#include "startup/SingleInstance.h"

namespace dokkle::modMain {

bool CreatingMainPin = false;

namespace {

using SingleInstance::Role;

// A later launch tries the running copy this often before it goes on by itself.
constexpr int HandOffAttempts = 3;

// Start-up makes every pin: the main pin, the hand-off's and the hotkey's.
class PinMaker final : public frmMain::Maker {
    void NewPinRequested() override { CreatePin(); }
};
PinMaker pinMaker;

// The main pin bears the main title; every other pin another.
std::wstring NextPinCaption() {
    std::wstring caption = CreatingMainPin ? MainTitle() : MainTitle() + L" Instance";
    CreatingMainPin = false;
    return caption;
}

// Hands the launch off to the running copy; true once that copy has opened the pin. A copy that
// refuses is ending: the launch waits for it to go and becomes the first copy, or hands off to whichever
// launch became it. A copy that does not answer leaves the launch to go on by itself: a launch is never
// lost.
bool HandedOff(Role& role) {
    for (int attempt = 0; role == Role::LaterLaunch && attempt < HandOffAttempts; ++attempt) {
        switch (HandOff::SendCreateNewPin(SingleInstance::RunningCopyWindow())) {
            case HandOff::Answer::Accepted:
                return true;
            case HandOff::Answer::Refused:
                role = SingleInstance::ClaimAfterRefusal();
                break;
            case HandOff::Answer::NoAnswer:
                role = SingleInstance::ClaimIfRunningCopyEnds();
                break;
        }
    }
    if (role == Role::LaterLaunch) role = Role::OnItsOwn;
    return false;
}

// Every text from here on is in the display language, or in the one the settings file names.
void ChooseTextLanguage() {
    const std::wstring setting =
        modGeneralTips::GetIniString(L"General", L"Language", L"auto", modGeneralTips::IniFilePath());
    SetLanguage(ChooseLanguage(GetUserDefaultUILanguage(), setting));
}

}  // namespace

Start Main() {
    ChooseTextLanguage();
    Role role = SingleInstance::Claim();
    if (role == Role::LaterLaunch && HandedOff(role)) return Start::HandedOff;
    FormLifetime::QuitWhenLastFormCloses(true);
    const HWND copyWindow = CopyWindow::Create();
    CreatingMainPin = true;
    // Without its main pin the copy would linger unseen, holding the markers and the hotkey.
    if (!copyWindow || !CreatePin()) return Start::Failed;
    if (role == Role::FirstCopy) {
        SingleInstance::Publish(copyWindow);
    } else {
        Notices::Add(NoticeTexts::RunningCopyDidNotAnswer());
    }
    ActiveWindowHotkey::Start(copyWindow);
    return Start::Running;
}

void End() {
    ActiveWindowHotkey::Stop();
    CopyWindow::Destroy();
    SingleInstance::Withdraw();
}

bool CreatePin() {
    return frmMain::Create(pinMaker, NextPinCaption());
}

void CreatePinStuckInto(HWND target) {
    frmMain::CreateStuckInto(pinMaker, NextPinCaption(), target);
}

}  // namespace dokkle::modMain
