#include "DokkleProcess.h"

#include <atomic>

#include "Desktop.h"

namespace dokkle::e2e {
namespace {

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

}  // namespace

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolder(path + L"\\");
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring DokkleProcess::NewSandbox(bool withDesigns, const std::wstring& executableName) {
    static std::atomic<int> counter{0};
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder = std::wstring(temporary) + L"dokkle-e2e-" +
                                std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
                                L"\\";
    // Process ids come round again from run to run: what an earlier run left here must not count.
    RemoveFolder(folder);
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((BuildFolder() + L"Dokkle.exe").c_str(), (folder + executableName).c_str(), FALSE);
    if (withDesigns) CopyFolder(BuildFolder() + L"design\\", folder + L"design\\");
    return folder;
}

DokkleProcess::DokkleProcess(const std::wstring& folder, const std::wstring& executableName)
    : ChildProcess(folder + executableName, L"", folder) {}

std::vector<HWND> DokkleProcess::Pins() const {
    return VisibleWindowsOfClass(L"DokklePin");
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

std::optional<unsigned> DokkleProcess::FollowCalls() const {
    static const UINT query = RegisterWindowMessageW(L"DOKKLE_FOLLOW_CALLS");
    const std::vector<HWND> pins = Pins();
    if (pins.empty()) return std::nullopt;
    DWORD_PTR calls = 0;
    if (!SendMessageTimeoutW(pins.front(), query, 0, 0, SMTO_NORMAL, 5000, &calls)) return std::nullopt;
    return static_cast<unsigned>(calls);
}

std::optional<unsigned> DokkleProcess::EventCount(FollowStatistics::EventCount which) const {
    static const UINT query = RegisterWindowMessageW(FollowStatistics::EventQueryMessageName);
    const std::vector<HWND> pins = Pins();
    if (pins.empty()) return std::nullopt;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(pins.front(), query, static_cast<WPARAM>(which), 0, SMTO_NORMAL, 5000, &count))
        return std::nullopt;
    return static_cast<unsigned>(count);
}

}  // namespace dokkle::e2e
