#include "startup/InstanceMarker.h"

#include <cstdint>
#include <cwctype>

#include "common/FormatHex8.h"

namespace dokkle {

std::wstring InstanceMarkerName(const std::wstring& executablePath) {
    // FNV-1a over the upper-cased path: a fixed-length name whatever the path's length.
    uint64_t hash = 0xCBF29CE484222325ull;
    for (wchar_t character : executablePath) {
        const auto upper = static_cast<uint16_t>(std::towupper(static_cast<wint_t>(character)));
        for (int shift = 0; shift < 16; shift += 8) {
            hash ^= (upper >> shift) & 0xFFu;
            hash *= 0x100000001B3ull;
        }
    }
    return L"Local\\Dokkle.Running." + FormatHexHandle(hash).substr(2);
}

}  // namespace dokkle
