#include "DokkleProcess.h"

#include <atomic>

#include "Desktop.h"

namespace dokkle::e2e {
namespace {

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

void CopyFolder(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((from + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        CopyFileW((from + found.cFileName).c_str(), (to + found.cFileName).c_str(), FALSE);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

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

}  // namespace

std::wstring BuildFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return FolderOf(path);
}

std::wstring DokkleProcess::NewSandbox(const std::wstring& executableName) {
    static std::atomic<int> counter{0};
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder = std::wstring(temporary) + L"dokkle-e2e-" + std::to_wstring(GetCurrentProcessId()) +
                                L"-" + std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((BuildFolder() + L"Dokkle.exe").c_str(), (folder + executableName).c_str(), FALSE);
    CopyFolder(BuildFolder() + L"design\\", folder + L"design\\");
    return folder;
}

DokkleProcess::DokkleProcess(const std::wstring& folder, const std::wstring& executableName) {
    std::wstring commandLine = L"\"" + folder + executableName + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                   &information_);
}

DokkleProcess::~DokkleProcess() {
    Kill();
    if (information_.hThread) CloseHandle(information_.hThread);
    if (information_.hProcess) CloseHandle(information_.hProcess);
}

bool DokkleProcess::IsRunning() const {
    return information_.hProcess && WaitForSingleObject(information_.hProcess, 0) == WAIT_TIMEOUT;
}

bool DokkleProcess::WaitForExit(int timeoutMilliseconds) {
    return WaitUntil([&] { return !IsRunning(); }, timeoutMilliseconds);
}

DWORD DokkleProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(information_.hProcess, &code);
    return code;
}

void DokkleProcess::Kill() {
    if (!IsRunning()) return;
    TerminateProcess(information_.hProcess, 1);
    WaitForSingleObject(information_.hProcess, 5000);
}

std::vector<HWND> DokkleProcess::VisibleWindows() const {
    VisibleWindowSearch search{Id(), {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::vector<HWND> DokkleProcess::Pins() const {
    std::vector<HWND> pins;
    for (HWND window : VisibleWindows()) {
        if (ClassOf(window) == L"DokklePin") pins.push_back(window);
    }
    return pins;
}

bool DokkleProcess::WaitForPinCount(size_t count, int timeoutMilliseconds) const {
    return WaitUntil([&] { return Pins().size() == count; }, timeoutMilliseconds);
}

HWND DokkleProcess::PinTitled(const std::wstring& title) const {
    for (HWND pin : Pins()) {
        if (TitleOf(pin) == title) return pin;
    }
    return nullptr;
}

}  // namespace dokkle::e2e
