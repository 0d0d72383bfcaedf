#include "startup/InstanceMarker.h"

#include <cwctype>

namespace dokkle {
namespace {

std::wstring Hex(uint64_t value, int digits) {
    std::wstring text(static_cast<size_t>(digits), L'0');
    for (int index = digits - 1; index >= 0; --index, value >>= 4) {
        text[static_cast<size_t>(index)] = L"0123456789ABCDEF"[value & 0xFu];
    }
    return text;
}

// FNV-1a over the identity's code units: a fixed-length name whatever the identity's length.
std::wstring IdentityHash(const std::wstring& identity) {
    uint64_t hash = 0xCBF29CE484222325ull;
    for (wchar_t character : identity) {
        const auto unit = static_cast<uint16_t>(character);
        for (int shift = 0; shift < 16; shift += 8) {
            hash ^= (unit >> shift) & 0xFFu;
            hash *= 0x100000001B3ull;
        }
    }
    return Hex(hash, 16);
}

}  // namespace

std::wstring FileIdentity(uint32_t volumeSerialNumber, uint64_t fileIndex) {
    return L"file:" + Hex(volumeSerialNumber, 8) + L":" + Hex(fileIndex, 16);
}

std::wstring PathIdentity(const std::wstring& fullPath) {
    std::wstring identity = L"path:";
    for (wchar_t character : fullPath) {
        identity += static_cast<wchar_t>(std::towupper(static_cast<wint_t>(character)));
    }
    return identity;
}

std::wstring InstanceMarkerName(const std::wstring& identity) {
    return L"Local\\Dokkle.Running." + IdentityHash(identity);
}

std::wstring ReadyMarkerName(const std::wstring& identity) {
    return L"Local\\Dokkle.Ready." + IdentityHash(identity);
}

std::wstring WindowMarkerName(const std::wstring& identity) {
    return L"Local\\Dokkle.Window." + IdentityHash(identity);
}

}  // namespace dokkle
