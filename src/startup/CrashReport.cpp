#include "startup/CrashReport.h"

#include <dbghelp.h>

#include <cstdlib>
#include <exception>
#include <memory>

#include "common/AppVersion.h"
#include "common/Win32Handles.h"

namespace dokkle::CrashReport {
namespace {

using MiniDumpWriteDumpFunction = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE,
                                                PMINIDUMP_EXCEPTION_INFORMATION,
                                                PMINIDUMP_USER_STREAM_INFORMATION,
                                                PMINIDUMP_CALLBACK_INFORMATION);

// How long the dump may take before the failure goes on without it.
constexpr DWORD DumpTimeoutMilliseconds = 30000;

struct DumpRequest {
    HANDLE file;
    DWORD threadId;
    EXCEPTION_POINTERS* exception;
    bool written;
};

// From the system folder alone, so that no file of that name beside the program is loaded instead.
HMODULE LoadDumpLibrary() {
    wchar_t system[MAX_PATH] = L"";
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(system, length) + L"\\dbghelp.dll").c_str());
}

DWORD WINAPI WriteDumpThread(void* parameter) {
    auto* request = static_cast<DumpRequest*>(parameter);
    HMODULE library = LoadDumpLibrary();
    if (!library) return 0;
    const auto writeDump = reinterpret_cast<MiniDumpWriteDumpFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "MiniDumpWriteDump")));
    MINIDUMP_EXCEPTION_INFORMATION information{request->threadId, request->exception, FALSE};
    request->written =
        writeDump && writeDump(GetCurrentProcess(), GetCurrentProcessId(), request->file, MiniDumpNormal,
                               request->exception ? &information : nullptr, nullptr, nullptr);
    return 0;
}

std::wstring DumpFileName() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t stamp[32] = L"";
    wsprintfW(stamp, L"%04u%02u%02u-%02u%02u%02u-%lu", now.wYear, now.wMonth, now.wDay, now.wHour,
              now.wMinute, now.wSecond, GetCurrentProcessId());
    return L"" DOKKLE_TITLE L"-" DOKKLE_VERSION_TEXT L"-" + std::wstring(stamp) + L".dmp";
}

// Goes the way of any other fault: a dump, then the system's error reporting.
[[noreturn]] void RaiseTerminate() {
    RaiseException(TerminateExceptionCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    std::abort();
}

}  // namespace

void Install() {
    SetUnhandledExceptionFilter(OnUnhandledException);
    std::set_terminate(RaiseTerminate);
}

std::wstring DumpFolder() {
    wchar_t base[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", base, MAX_PATH);
    std::wstring folder;
    if (length > 0 && length < MAX_PATH) {
        folder.assign(base, length);
    } else {
        const DWORD temporary = GetTempPathW(MAX_PATH, base);
        if (temporary == 0 || temporary >= MAX_PATH) return {};
        folder.assign(base, temporary);
    }
    if (folder.back() != L'\\') folder += L'\\';
    return folder + L"" DOKKLE_TITLE L"\\CrashDumps\\";
}

std::wstring WriteDump(const std::wstring& folder, EXCEPTION_POINTERS* exception) noexcept {
    try {
        if (folder.empty()) return {};
        // Each folder on the way, the last one included; those that exist already are left as they are.
        for (size_t separator = folder.find(L'\\', 3); separator != std::wstring::npos;
             separator = folder.find(L'\\', separator + 1)) {
            CreateDirectoryW(folder.substr(0, separator).c_str(), nullptr);
        }
        const std::wstring path = folder + DumpFileName();
        unique_hfile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return {};
        auto request =
            std::make_unique<DumpRequest>(DumpRequest{file.get(), GetCurrentThreadId(), exception, false});
        unique_handle writer(CreateThread(nullptr, 0, WriteDumpThread, request.get(), 0, nullptr));
        if (!writer) return {};
        if (WaitForSingleObject(writer.get(), DumpTimeoutMilliseconds) != WAIT_OBJECT_0) {
            // The writer may still be at work: what it uses stays.
            request.release();
            file.release();
            return {};
        }
        file.reset();
        if (!request->written) {
            DeleteFileW(path.c_str());
            return {};
        }
        return path;
    } catch (...) {
        return {};
    }
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) noexcept {
    // Once only: a fault while writing the dump goes straight on.
    static LONG entered = 0;
    if (InterlockedExchange(&entered, 1) == 0) WriteDump(DumpFolder(), exception);
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace dokkle::CrashReport
