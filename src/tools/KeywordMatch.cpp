#include "tools/KeywordMatch.h"

#include <windows.h>

#include <string>

namespace dokkle {
namespace {

std::wstring ToLowerCase(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    std::wstring lower(text.size(), L'\0');
    // Lower-case mapping keeps the length of UTF-16 text; on failure the text is compared as it stands.
    const int written = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING,
                                      text.data(), length, lower.data(), length, nullptr, nullptr, 0);
    if (written != length) return std::wstring(text);
    return lower;
}

}  // namespace

bool ContainsIgnoringCase(std::wstring_view text, std::wstring_view keyword) {
    return ToLowerCase(text).find(ToLowerCase(keyword)) != std::wstring::npos;
}

}  // namespace dokkle
