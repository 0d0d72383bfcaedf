#include "tools/WindowFactsReader.h"

#include <psapi.h>

#include "common/Win32Handles.h"
#include "common/modWindowTips.h"

namespace dokkle {
namespace {

// The longest path the system can hand back.
constexpr DWORD LongestPath = 32768;

BOOL EnumerateModules(HANDLE process, HMODULE* modules, DWORD size, DWORD* needed) {
#ifdef _WIN64
    return EnumProcessModulesEx(process, modules, size, needed, LIST_MODULES_ALL);
#else
    return EnumProcessModules(process, modules, size, needed);
#endif
}

std::optional<std::vector<HMODULE>> ModuleHandles(HANDLE process) {
    std::vector<HMODULE> modules(1024);
    // The list may grow between two calls; a few rounds are enough for any real process, and a process
    // that keeps loading modules gets the table as the last round filled it.
    for (int round = 1;; ++round) {
        const auto size = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
        DWORD needed = 0;
        if (!EnumerateModules(process, modules.data(), size, &needed)) return std::nullopt;
        if (needed <= size) {
            modules.resize(needed / sizeof(HMODULE));
            return modules;
        }
        if (round == 4) return modules;
        modules.resize(needed / sizeof(HMODULE) + 64);
    }
}

ProcessFacts ReadProcessFacts(HANDLE process) {
    ProcessFacts facts;
    facts.handle = reinterpret_cast<uintptr_t>(process);
    facts.priorityClass = GetPriorityClass(process);
    facts.modules = ReadModules(process);
    return facts;
}

}  // namespace

std::optional<std::vector<ModuleFacts>> ReadModules(HANDLE process) {
    const std::optional<std::vector<HMODULE>> handles = ModuleHandles(process);
    if (!handles) return std::nullopt;
    std::vector<ModuleFacts> modules;
    modules.reserve(handles->size());
    std::wstring path(LongestPath, L'\0');
    for (HMODULE handle : *handles) {
        const DWORD length = GetModuleFileNameExW(process, handle, path.data(), LongestPath);
        modules.push_back({reinterpret_cast<uintptr_t>(handle),
                           length >= 1 ? std::optional<std::wstring>(path.substr(0, length)) : std::nullopt});
    }
    return modules;
}

WindowFacts ReadWindowFacts(HWND window) {
    WindowFacts facts;
    facts.title = modWindowTips::GetWindowTextString(window);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    facts.bounds = Rect{bounds.left, bounds.top, bounds.right, bounds.bottom};
    facts.zoomed = IsZoomed(window) != FALSE;
    facts.iconic = !facts.zoomed && IsIconic(window) != FALSE;
    facts.visible = IsWindowVisible(window) != FALSE;
    facts.parent = WindowHandleValue(GetParent(window));
    facts.window = WindowHandleValue(window);
    DWORD processId = 0;
    facts.threadId = GetWindowThreadProcessId(window, &processId);
    facts.processId = processId;

    if (unique_handle process{OpenProcess(ClassicProcessAllAccess, FALSE, processId)}) {
        facts.process = ReadProcessFacts(process.get());
    }
    facts.processVersion = GetProcessVersion(processId);
    return facts;
}

}  // namespace dokkle
