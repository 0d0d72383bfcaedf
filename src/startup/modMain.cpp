#include "startup/modMain.h"

#include "common/FormLifetime.h"
#include "pin/frmMain.h"
#include "startup/HandOff.h"
#include "startup/SingleInstance.h"

namespace dokkle::modMain {

bool CreatingMainPin = false;

bool Main() {
    const std::wstring& title = MainTitle();
    if (SingleInstance::AnotherCopyIsRunning()) {
        HandOff::SendCreateNewPin(title);
        return false;
    }
    FormLifetime::QuitWhenLastFormCloses(true);
    CreatingMainPin = true;
    CreatePin();
    return true;
}

void CreatePin() { frmMain::Create(); }

}  // namespace dokkle::modMain
