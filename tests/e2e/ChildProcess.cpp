#include "ChildProcess.h"

#include <cstdio>
#include <stdexcept>

#include "Desktop.h"

namespace dokkle::e2e {
namespace {

struct VisibleWindowSearch {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<VisibleWindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->windows.push_back(window);
    return TRUE;
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string converted(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), converted.data(), size,
                        nullptr, nullptr);
    return converted;
}

}  // namespace

std::wstring BuildFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring executable = path;
    return executable.substr(0, executable.find_last_of(L'\\') + 1);
}

ChildProcess::ChildProcess(const std::wstring& executable, const std::wstring& arguments,
                           const std::wstring& folder) {
    std::wstring commandLine = L"\"" + executable + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    // Wine's process creation now and then fails with an internal error on a busy machine; such a
    // launch is tried once more, and says so. A program that is missing, or that the second try cannot
    // start either, fails the test.
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                           &startup, &information_)) {
            return;
        }
        error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_EXE_FORMAT)
            break;
        std::fprintf(stderr, "[ RETRY    ] cannot start %s: error %lu; tried once more\n",
                     Utf8(commandLine).c_str(), static_cast<unsigned long>(error));
        Sleep(200);
    }
    throw std::runtime_error("cannot start " + Utf8(commandLine) + " in " + Utf8(folder) + ": error " +
                             std::to_string(error));
}

ChildProcess::~ChildProcess() {
    Kill();
    if (information_.hThread) CloseHandle(information_.hThread);
    if (information_.hProcess) CloseHandle(information_.hProcess);
}

bool ChildProcess::IsRunning() const {
    return information_.hProcess && WaitForSingleObject(information_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(int timeoutMilliseconds) {
    return WaitUntil([&] { return !IsRunning(); }, timeoutMilliseconds);
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(information_.hProcess, &code);
    return code;
}

void ChildProcess::Kill() {
    if (!IsRunning()) return;
    TerminateProcess(information_.hProcess, 1);
    WaitForSingleObject(information_.hProcess, 5000);
}

std::vector<HWND> ChildProcess::VisibleWindows() const {
    VisibleWindowSearch search{Id(), {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::vector<HWND> ChildProcess::VisibleWindowsOfClass(const std::wstring& className) const {
    std::vector<HWND> windows;
    for (HWND window : VisibleWindows()) {
        if (ClassOf(window) == className) windows.push_back(window);
    }
    return windows;
}

}  // namespace dokkle::e2e
