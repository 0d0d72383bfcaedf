#include "common/VersionResource.h"

#include <windows.h>

#include <vector>

#include "common/modGeneralTips.h"

namespace dokkle::VersionResource {

std::wstring LegalCopyright() {
    const std::wstring executable = modGeneralTips::ExecutablePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(executable.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(executable.c_str(), 0, size, block.data())) return {};

    struct Translation {
        WORD language, codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &length) ||
        length < sizeof(Translation)) {
        return {};
    }
    wchar_t key[64];
    wsprintfW(key, L"\\StringFileInfo\\%04x%04x\\LegalCopyright", translations->language,
              translations->codePage);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), key, reinterpret_cast<void**>(&value), &length) || !value) return {};
    return std::wstring(value, wcsnlen(value, length));
}

}  // namespace dokkle::VersionResource
