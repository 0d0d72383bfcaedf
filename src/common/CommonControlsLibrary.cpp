#include "common/CommonControlsLibrary.h"

namespace dokkle::CommonControlsLibrary {
namespace {

using SetSubclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
using RemoveSubclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
using DefaultSubclassProcedure = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

// The process's manifest picks version 6. The library stays loaded for the life of the process, as
// the controls it registered do.
HMODULE Library() noexcept {
    static const HMODULE library = LoadLibraryW(L"comctl32.dll");
    return library;
}

template <typename Function>
Function Find(const char* name) noexcept {
    const HMODULE library = Library();
    // Every exported function has this one pointer type; the cast gives it back its own.
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                   : nullptr;
}

}  // namespace

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) noexcept {
    static const auto function = Find<SetSubclass>("SetWindowSubclass");
    return function ? function(window, procedure, id, data) : FALSE;
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) noexcept {
    static const auto function = Find<RemoveSubclass>("RemoveWindowSubclass");
    return function ? function(window, procedure, id) : FALSE;
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    static const auto function = Find<DefaultSubclassProcedure>("DefSubclassProc");
    return function ? function(window, message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace dokkle::CommonControlsLibrary
