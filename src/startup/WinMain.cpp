#include <windows.h>

#include "common/FormLifetime.h"
#include "startup/CrashReport.h"
#include "startup/modMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    dokkle::CrashReport::Install();
    switch (dokkle::modMain::Main()) {
        case dokkle::modMain::Start::HandedOff:
            return 0;
        case dokkle::modMain::Start::Failed:
            return 1;
        case dokkle::modMain::Start::Running:
            break;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        dokkle::FormLifetime::DeleteClosedForms();
    }
    dokkle::modMain::End();
    dokkle::FormLifetime::DeleteClosedForms();
    return 0;
}
