#include "startup/HandOff.h"

#include "messaging/HandOffPayload.h"
#include "startup/CopyWindow.h"

namespace dokkle::HandOff {
namespace {

constexpr UINT AnswerTimeoutMilliseconds = 5000;

}  // namespace

Answer SendCreateNewPin(HWND destination) {
    if (!destination || !CopyWindow::IsCopyWindow(destination)) return Answer::Refused;
    DWORD processId = 0;
    GetWindowThreadProcessId(destination, &processId);
    // The new pin must become the foreground window to carry the mouse capture.
    AllowSetForegroundWindow(processId);

    auto payload = CreateNewPinPayload();
    COPYDATASTRUCT request{};
    request.dwData = 0;
    request.cbData = static_cast<DWORD>(payload.size());
    request.lpData = payload.data();
    DWORD_PTR result = 0;
    SetLastError(ERROR_SUCCESS);
    if (!SendMessageTimeoutW(destination, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request),
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, AnswerTimeoutMilliseconds, &result)) {
        return GetLastError() == ERROR_TIMEOUT ? Answer::NoAnswer : Answer::Refused;
    }
    return result == CreateNewPinAccepted ? Answer::Accepted : Answer::Refused;
}

}  // namespace dokkle::HandOff
