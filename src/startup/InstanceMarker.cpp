#include "startup/InstanceMarker.h"

#include <cstdint>
#include <cwctype>

#include "common/FormatHex8.h"

namespace dokkle {
namespace {

uint16_t Folded(wchar_t character) {
    return static_cast<uint16_t>(std::towupper(static_cast<wint_t>(character)));
}

// FNV-1a over the upper-cased path: a fixed-length name whatever the path's length.
std::wstring PathHash(const std::wstring& executablePath) {
    uint64_t hash = 0xCBF29CE484222325ull;
    for (wchar_t character : executablePath) {
        const uint16_t upper = Folded(character);
        for (int shift = 0; shift < 16; shift += 8) {
            hash ^= (upper >> shift) & 0xFFu;
            hash *= 0x100000001B3ull;
        }
    }
    return FormatHexHandle(hash).substr(2);
}

}  // namespace

std::wstring InstanceMarkerName(const std::wstring& executablePath) {
    return L"Local\\Dokkle.Running." + PathHash(executablePath);
}

std::wstring MainPinMarkerName(const std::wstring& executablePath) {
    return L"Local\\Dokkle.MainPin." + PathHash(executablePath);
}

bool IsSameExecutable(const std::wstring& path, const std::wstring& otherPath) {
    if (path.size() != otherPath.size()) return false;
    for (size_t index = 0; index < path.size(); ++index) {
        if (Folded(path[index]) != Folded(otherPath[index])) return false;
    }
    return !path.empty();
}

}  // namespace dokkle
