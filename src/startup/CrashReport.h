#pragma once
// What is left when a fault or an exception escapes everything: a minidump in a folder of the user's own
// (named in the user's guide), for the user to send; the failure itself then goes on to the system's
// error reporting, as it would without us. The dump library is loaded only then.
#include <windows.h>

#include <string>

namespace dokkle::CrashReport {

// Catches what escapes: faults and exceptions no handler takes, and std::terminate.
void Install();

// %LOCALAPPDATA%\Dokkle\CrashDumps\ (the temporary folder's Dokkle\CrashDumps\ where there is none).
std::wstring DumpFolder();

// Writes a minidump of this process, for the exception if there is one, into the folder (made if
// missing), from a thread of its own so that even an overflowing stack leaves one. The file's path, or
// empty when none could be written.
std::wstring WriteDump(const std::wstring& folder, EXCEPTION_POINTERS* exception) noexcept;

// The unhandled-exception filter: writes the dump into DumpFolder and lets the failure go on.
LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) noexcept;

// The code of the exception that std::terminate raises, so that it leaves a dump like any other fault.
inline constexpr DWORD TerminateExceptionCode = 0xE0444B4C;

}  // namespace dokkle::CrashReport
