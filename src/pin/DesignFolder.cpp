#include "pin/DesignFolder.h"

#include <windows.h>

#include "common/Win32Handles.h"
#include "pin/DesignConfigurationPath.h"

namespace dokkle {

bool HasDesignExtension(const std::wstring& name) {
    constexpr std::wstring_view extension = L".bmp";
    if (name.size() <= extension.size()) return false;
    return CompareStringOrdinal(name.c_str() + name.size() - extension.size(),
                                static_cast<int>(extension.size()), extension.data(),
                                static_cast<int>(extension.size()), TRUE) == CSTR_EQUAL;
}

std::vector<std::wstring> ListDesignFiles(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    unique_hfind search(FindFirstFileW((folder + L"*.bmp").c_str(), &found));
    if (!search) return names;
    constexpr DWORD notADesign = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    do {
        const std::wstring name = found.cFileName;
        if (found.dwFileAttributes & notADesign) continue;
        if (name == L"." || name == L"..") continue;
        // The pattern also matches longer extensions through short names ("x.bmpx"); those are not designs.
        if (!HasDesignExtension(name)) continue;
        // A design whose configuration the profile reader cannot open would be drawn without it.
        if (!ConfigurationPathFits(folder, name)) continue;
        names.push_back(name);
    } while (FindNextFileW(search.get(), &found));
    return names;
}

}  // namespace dokkle
