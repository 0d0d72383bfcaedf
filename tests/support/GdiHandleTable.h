#pragma once
// Counts a process's GDI objects. GetGuiResources is a stub under Wine, so this reads the process's
// GDI handle table itself: the table PEB.GdiSharedHandleTable points to, or, where that is not set (a
// 32-bit process under Wine), the private region of exactly the table's size whose entries agree with
// the stock objects every process has.
#include <windows.h>

#include <optional>

namespace dokkle::testing {

std::optional<int> CountGdiObjects(HANDLE process);

}  // namespace dokkle::testing
