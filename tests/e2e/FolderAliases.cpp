#include "FolderAliases.h"

#include <windows.h>

#include <vector>

#include "Desktop.h"

namespace dokkle::e2e {
namespace {

// Wine's own export, which turns a Windows path into the path on the host.
using UnixFileNameFunction = char*(CDECL*)(const wchar_t*);

UnixFileNameFunction UnixFileName() {
    return reinterpret_cast<UnixFileNameFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

bool UnderWine() {
    return UnixFileName() != nullptr;
}

std::string UnixPathOf(const std::wstring& path) {
    char* name = UnixFileName()(path.c_str());
    if (!name) return {};
    std::string unixPath = name;
    HeapFree(GetProcessHeap(), 0, name);
    while (unixPath.size() > 1 && unixPath.back() == '/') unixPath.pop_back();
    return unixPath;
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string converted(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), converted.data(), size,
                        nullptr, nullptr);
    return converted;
}

std::wstring Wide(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring converted(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), converted.data(), size);
    return converted;
}

// Runs a program of the host, as Wine does for a file that is no Windows program. Its exit code does not
// come back through Wine, so callers look at what it did.
void RunOnHost(const std::wstring& program, const std::vector<std::string>& arguments) {
    std::wstring commandLine = program;
    for (const std::string& argument : arguments) commandLine += L" \"" + Wide(argument) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION information{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &information)) {
        return;
    }
    WaitForSingleObject(information.hProcess, 5000);
    CloseHandle(information.hThread);
    CloseHandle(information.hProcess);
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

DriveLetterFor::DriveLetterFor(const std::wstring& folder) {
    std::string dosDevices;
    if (UnderWine()) {
        // C:\ is the link "c:" in the prefix's dosdevices folder.
        dosDevices = UnixPathOf(L"C:\\");
        dosDevices.erase(dosDevices.find_last_of('/') + 1);
    }
    const DWORD used = GetLogicalDrives();
    for (wchar_t letter = L'Y'; letter >= L'P'; --letter) {
        if (used & (1u << (letter - L'A'))) continue;
        const std::wstring drive{letter, L':'};
        if (UnderWine()) {
            const std::string link = dosDevices + static_cast<char>(letter - L'A' + 'a') + ":";
            RunOnHost(L"/bin/ln", {"-s", UnixPathOf(folder), link});
            if (!WaitUntil([&] { return Exists(drive + L"\\"); }, 2000)) continue;
            unixLink_ = link;
        } else if (!DefineDosDeviceW(0, drive.c_str(), folder.c_str())) {
            continue;
        }
        root_ = drive + L"\\";
        return;
    }
}

DriveLetterFor::~DriveLetterFor() {
    if (root_.empty()) return;
    if (!unixLink_.empty()) {
        RunOnHost(L"/bin/rm", {"-f", unixLink_});
    } else {
        const std::wstring drive = root_.substr(0, 2);
        DefineDosDeviceW(DDD_REMOVE_DEFINITION, drive.c_str(), nullptr);
    }
}

LinkTo::LinkTo(const std::wstring& linkPath, const std::wstring& folder) : link_(linkPath) {
    if (UnderWine()) {
        // The link's folder exists, so the host knows its path; the link's own name goes after it.
        const size_t separator = linkPath.find_last_of(L'\\');
        unixLink_ = UnixPathOf(linkPath.substr(0, separator)) + "/" + Utf8(linkPath.substr(separator + 1));
        RunOnHost(L"/bin/ln", {"-s", UnixPathOf(folder), unixLink_});
        if (!WaitUntil([&] { return Exists(linkPath + L"\\"); }, 2000)) {
            RunOnHost(L"/bin/rm", {"-f", unixLink_});
            return;
        }
    } else if (!CreateSymbolicLinkW(
                   linkPath.c_str(), folder.c_str(),
                   SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE)) {
        return;
    }
    folder_ = linkPath + L"\\";
}

LinkTo::~LinkTo() {
    if (folder_.empty()) return;
    // The link alone goes; the folder it leads to stays.
    if (!unixLink_.empty()) {
        RunOnHost(L"/bin/rm", {"-f", unixLink_});
    } else {
        RemoveDirectoryW(link_.c_str());
    }
}

}  // namespace dokkle::e2e
