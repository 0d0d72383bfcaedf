#include "startup/SingleInstance.h"

#include <cstdint>
#include <string>

#include "common/Win32Handles.h"
#include "common/modGeneralTips.h"
#include "startup/InstanceMarker.h"

namespace dokkle::SingleInstance {
namespace {

// How long a later launch waits for the running copy to take hand-offs; it does within milliseconds.
constexpr DWORD ReadyTimeoutMilliseconds = 5000;
// How long a launch gives a running copy that refused it, or did not answer, to end.
constexpr DWORD EndingTimeoutMilliseconds = 3000;
constexpr DWORD HungEndingTimeoutMilliseconds = 500;

unique_handle runningMarker;
unique_handle readyMarker;
unique_handle windowMarker;
bool ownsMarkers = false;

bool Acquired(DWORD waitResult) {
    return waitResult == WAIT_OBJECT_0 || waitResult == WAIT_ABANDONED_0;
}

// The program file itself, however it was reached: the same through every drive letter, link and
// spelling that leads to it.
std::wstring ReadProgramIdentity() {
    const std::wstring executable = modGeneralTips::ExecutablePath();
    unique_hfile file(CreateFileW(executable.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (file && GetFileInformationByHandle(file.get(), &information) &&
        (information.nFileIndexHigh != 0 || information.nFileIndexLow != 0)) {
        return FileIdentity(
            information.dwVolumeSerialNumber,
            (static_cast<uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow);
    }
    return PathIdentity(executable);
}

const std::wstring& ProgramIdentity() {
    static const std::wstring identity = ReadProgramIdentity();
    return identity;
}

Role BecomeFirstCopy() {
    ownsMarkers = true;
    // A waiting launch of an earlier run may still hold the event, set.
    ResetEvent(readyMarker.get());
    if (!windowMarker) {
        windowMarker.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              sizeof(uint64_t), WindowMarkerName(ProgramIdentity()).c_str()));
    }
    return Role::FirstCopy;
}

// Waits until the running copy is ready or has gone.
Role AwaitRunningCopy(DWORD timeoutMilliseconds) {
    if (!readyMarker) return Role::OnItsOwn;
    // The mutex comes first: a copy that has ended leaves it to this launch even if its event is set.
    const HANDLE waits[] = {runningMarker.get(), readyMarker.get()};
    const DWORD result = WaitForMultipleObjects(2, waits, FALSE, timeoutMilliseconds);
    if (Acquired(result)) return BecomeFirstCopy();
    return result == WAIT_OBJECT_0 + 1 ? Role::LaterLaunch : Role::OnItsOwn;
}

}  // namespace

Role Claim() {
    const std::wstring& identity = ProgramIdentity();
    readyMarker.reset(CreateEventW(nullptr, TRUE, FALSE, ReadyMarkerName(identity).c_str()));
    HANDLE marker = CreateMutexW(nullptr, TRUE, InstanceMarkerName(identity).c_str());
    const bool alreadyRunning = marker != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    runningMarker.reset(marker);
    if (!marker) return Role::OnItsOwn;
    if (!alreadyRunning) return BecomeFirstCopy();
    return AwaitRunningCopy(ReadyTimeoutMilliseconds);
}

HWND RunningCopyWindow() {
    unique_handle mapping(
        OpenFileMappingW(FILE_MAP_READ, FALSE, WindowMarkerName(ProgramIdentity()).c_str()));
    if (!mapping) return nullptr;
    const void* view = MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(uint64_t));
    if (!view) return nullptr;
    const uint64_t published = *static_cast<const volatile uint64_t*>(view);
    UnmapViewOfFile(view);
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(published));
}

Role ClaimAfterRefusal() {
    if (Acquired(WaitForSingleObject(runningMarker.get(), EndingTimeoutMilliseconds)))
        return BecomeFirstCopy();
    // Another launch took the mutex first: it is the running copy now.
    return AwaitRunningCopy(ReadyTimeoutMilliseconds);
}

Role ClaimIfRunningCopyEnds() {
    if (Acquired(WaitForSingleObject(runningMarker.get(), HungEndingTimeoutMilliseconds))) {
        return BecomeFirstCopy();
    }
    return Role::OnItsOwn;
}

void Publish(HWND window) {
    if (!ownsMarkers || !windowMarker) return;
    if (void* view = MapViewOfFile(windowMarker.get(), FILE_MAP_WRITE, 0, 0, sizeof(uint64_t))) {
        *static_cast<volatile uint64_t*>(view) = reinterpret_cast<uintptr_t>(window);
        UnmapViewOfFile(view);
    }
    SetEvent(readyMarker.get());
}

void Withdraw() {
    if (!ownsMarkers) return;
    ownsMarkers = false;
    ResetEvent(readyMarker.get());
    ReleaseMutex(runningMarker.get());
}

}  // namespace dokkle::SingleInstance
