#include "common/FormatHex8.h"

namespace dokkle {
namespace {

std::wstring FormatHexDigits(uint64_t value, int minimumDigits) {
    static constexpr wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text;
    while (value != 0 || static_cast<int>(text.size()) < minimumDigits) {
        text.insert(text.begin(), digits[value & 0xF]);
        value >>= 4;
    }
    return L"0x" + text;
}

}  // namespace

std::wstring FormatHex8(int32_t Value) {
    return FormatHexDigits(static_cast<uint32_t>(Value), 8);
}

std::wstring FormatHexHandle(uint64_t value) {
    return FormatHexDigits(value, 8);
}

}  // namespace dokkle
