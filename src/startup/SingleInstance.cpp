#include "startup/SingleInstance.h"

#include <windows.h>

#include <string>

#include "common/Win32Handles.h"
#include "common/modGeneralTips.h"
#include "startup/InstanceMarker.h"

namespace dokkle::SingleInstance {
namespace {

// How long a later launch waits for the running copy's main pin; it appears within milliseconds.
constexpr DWORD MainPinTimeoutMilliseconds = 5000;
// How long a launch that found no main pin gives the running copy to end.
constexpr DWORD EndingTimeoutMilliseconds = 500;

unique_handle runningMarker;
unique_handle mainPinMarker;

bool Acquired(DWORD waitResult) {
    return waitResult == WAIT_OBJECT_0 || waitResult == WAIT_ABANDONED_0;
}

Role BecomeFirstCopy() {
    // A waiting launch of an earlier run may still hold the event, set.
    ResetEvent(mainPinMarker.get());
    return Role::FirstCopy;
}

}  // namespace

Role Claim() {
    const std::wstring executable = modGeneralTips::ExecutablePath();
    mainPinMarker.reset(CreateEventW(nullptr, TRUE, FALSE, MainPinMarkerName(executable).c_str()));
    HANDLE marker = CreateMutexW(nullptr, TRUE, InstanceMarkerName(executable).c_str());
    const bool alreadyRunning = marker != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    runningMarker.reset(marker);
    if (!alreadyRunning) return BecomeFirstCopy();
    if (!mainPinMarker) return Role::LaterLaunch;

    // The mutex comes first: a copy that has ended leaves it to this launch even if its event is set.
    const HANDLE waits[] = {runningMarker.get(), mainPinMarker.get()};
    if (Acquired(WaitForMultipleObjects(2, waits, FALSE, MainPinTimeoutMilliseconds)))
        return BecomeFirstCopy();
    return Role::LaterLaunch;
}

void MainPinShown() {
    SetEvent(mainPinMarker.get());
}

bool ClaimIfRunningCopyEnds() {
    if (!runningMarker || !Acquired(WaitForSingleObject(runningMarker.get(), EndingTimeoutMilliseconds))) {
        return false;
    }
    BecomeFirstCopy();
    return true;
}

}  // namespace dokkle::SingleInstance
