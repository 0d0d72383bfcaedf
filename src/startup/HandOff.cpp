#include "startup/HandOff.h"

#include "startup/HandOffPayload.h"

namespace dokkle::HandOff {
namespace {

constexpr UINT AnswerTimeoutMilliseconds = 5000;

}  // namespace

void SendCreateNewPin(const std::wstring& mainTitle) {
    HWND destination = FindWindowW(nullptr, mainTitle.c_str());
    if (!destination) return;

    // The new pin must become the foreground window to carry the mouse capture.
    DWORD processId = 0;
    GetWindowThreadProcessId(destination, &processId);
    AllowSetForegroundWindow(processId);

    auto payload = CreateNewPinPayload();
    COPYDATASTRUCT request{};
    request.dwData = 0;
    request.cbData = static_cast<DWORD>(payload.size());
    request.lpData = payload.data();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(destination, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request),
                        SMTO_ABORTIFHUNG | SMTO_BLOCK, AnswerTimeoutMilliseconds, &ignored);
}

bool IsCreateNewPinMessage(UINT uMsg, LPARAM lParam) {
    if (uMsg != WM_COPYDATA || lParam == 0) return false;
    const auto* request = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    return IsCreateNewPinRequest(request->lpData, request->cbData);
}

}  // namespace dokkle::HandOff
