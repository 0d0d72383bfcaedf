#include <windows.h>

#include "common/FormLifetime.h"
#include "startup/modMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (!dokkle::modMain::Main()) return 0;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        dokkle::FormLifetime::DeleteClosedForms();
    }
    dokkle::FormLifetime::DeleteClosedForms();
    return 0;
}
