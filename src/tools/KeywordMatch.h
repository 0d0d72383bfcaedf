#pragma once
// Text comparison for the keyword search, by the user's locale.
#include <string_view>

namespace dokkle {

// Whether the text contains the keyword with letter case set aside, by the case rules of the user's
// locale (so Ａ and ａ match, as do Ä and ä). Full-width and half-width forms, and hiragana and katakana,
// stay distinct.
bool ContainsIgnoringCase(std::wstring_view text, std::wstring_view keyword);

}  // namespace dokkle
