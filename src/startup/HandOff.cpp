#include "startup/HandOff.h"

#include <vector>

#include "common/Win32Handles.h"
#include "common/modGeneralTips.h"
#include "pin/frmMain.h"
#include "messaging/HandOffPayload.h"
#include "startup/InstanceMarker.h"

namespace dokkle::HandOff {
namespace {

constexpr UINT AnswerTimeoutMilliseconds = 5000;

std::wstring ExecutableOf(DWORD processId) {
    unique_handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return {};
    std::vector<wchar_t> path(32768);
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &length)) return {};
    return std::wstring(path.data(), length);
}

// Only a pin of a copy started from this same executable: a window of another program that happens to
// bear the title, or the main pin of a copy elsewhere on disk, is not the destination.
HWND FindMainPin(const std::wstring& mainTitle, DWORD& processId) {
    const std::wstring ourExecutable = modGeneralTips::ExecutablePath();
    HWND candidate = nullptr;
    while ((candidate = FindWindowExW(nullptr, candidate, frmMain::ClassName, mainTitle.c_str())) !=
           nullptr) {
        processId = 0;
        GetWindowThreadProcessId(candidate, &processId);
        if (IsSameExecutable(ExecutableOf(processId), ourExecutable)) return candidate;
    }
    return nullptr;
}

}  // namespace

bool SendCreateNewPin(const std::wstring& mainTitle) {
    DWORD processId = 0;
    HWND destination = FindMainPin(mainTitle, processId);
    if (!destination) return false;

    // The new pin must become the foreground window to carry the mouse capture.
    AllowSetForegroundWindow(processId);

    auto payload = CreateNewPinPayload();
    COPYDATASTRUCT request{};
    request.dwData = 0;
    request.cbData = static_cast<DWORD>(payload.size());
    request.lpData = payload.data();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(destination, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request),
                        SMTO_ABORTIFHUNG | SMTO_BLOCK, AnswerTimeoutMilliseconds, &ignored);
    return true;
}

}  // namespace dokkle::HandOff
