#include "startup/SingleInstance.h"

#include <windows.h>

#include <string>

#include "common/Win32Handles.h"
#include "common/modGeneralTips.h"
#include "startup/InstanceMarker.h"

namespace dokkle::SingleInstance {
namespace {

unique_handle runningMarker;

}  // namespace

bool AnotherCopyIsRunning() {
    const std::wstring name = InstanceMarkerName(modGeneralTips::ExecutablePath());
    HANDLE marker = CreateMutexW(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    runningMarker.reset(marker);
    return marker != nullptr && error == ERROR_ALREADY_EXISTS;
}

}  // namespace dokkle::SingleInstance
