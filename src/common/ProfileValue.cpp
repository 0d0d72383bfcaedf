#include "common/ProfileValue.h"

namespace dokkle {
namespace {

// What the profile readers count as blanks around a value: space, the control characters from tab to
// carriage return, and the old end-of-file mark.
bool IsProfileBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r') || c == L'\x1A';
}

bool IsQuote(wchar_t c) {
    return c == L'"' || c == L'\'';
}

}  // namespace

std::wstring ProfileValueToWrite(std::wstring_view value) {
    if (value.empty()) return std::wstring();
    const bool trimmed = IsProfileBlank(value.front()) || IsProfileBlank(value.back());
    const bool unquoted = value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back();
    if (!trimmed && !unquoted) return std::wstring(value);
    return L'"' + std::wstring(value) + L'"';
}

}  // namespace dokkle
