#pragma once
// The selection dialog's keyword search over its list lines, wrapping from the last line to the first.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dokkle {

// Whether a line's text contains the keyword; the caller decides what letter case means.
using TextContains = bool (*)(std::wstring_view text, std::wstring_view keyword);

// The first line, from the selected one (line 0 when none; the one after it when FromNext), that
// contains the keyword; none for an empty keyword, an empty list or no match.
std::optional<size_t> FindKeywordLine(const std::vector<std::wstring>& lines, std::wstring_view keyword,
                                      std::optional<size_t> selected, bool FromNext, TextContains contains);

}  // namespace dokkle
