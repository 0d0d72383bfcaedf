#include "startup/modMain.h"

#include "common/FormLifetime.h"
#include "startup/ActiveWindowHotkey.h"
#include "pin/frmMain.h"
#include "startup/HandOff.h"
#include "startup/SingleInstance.h"

namespace dokkle::modMain {

bool CreatingMainPin = false;

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
    frmMain::Create();
}

}  // namespace dokkle::modMain
