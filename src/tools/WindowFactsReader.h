#pragma once
// Reads what the information report shows about a window and its process from the window system.
#include <windows.h>

#include "tools/WindowReport.h"

namespace dokkle {

// The access the report asks for: every right, in the classic form that older systems also accept.
constexpr DWORD ClassicProcessAllAccess = STANDARD_RIGHTS_REQUIRED | SYNCHRONIZE | 0xFFF;

// The low 32 bits of a window handle, which are all that names a window.
inline uint32_t WindowHandleValue(HWND window) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window));
}

WindowFacts ReadWindowFacts(HWND window);

// The modules of a process, in the order the system lists them, all of them however many there are;
// none when the list cannot be read. The 64-bit build lists the modules of 32-bit and 64-bit processes.
std::optional<std::vector<ModuleFacts>> ReadModules(HANDLE process);

}  // namespace dokkle
