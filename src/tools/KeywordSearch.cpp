#include "tools/KeywordSearch.h"

namespace dokkle {

std::optional<size_t> FindKeywordLine(const std::vector<std::wstring>& lines, std::wstring_view keyword,
                                      std::optional<size_t> selected, bool FromNext, TextContains contains) {
    const size_t count = lines.size();
    if (keyword.empty() || count == 0) return std::nullopt;
    size_t start = selected.value_or(0) % count;
    if (FromNext) start = (start + 1) % count;
    for (size_t examined = 0; examined < count; ++examined) {
        const size_t line = (start + examined) % count;
        if (contains(lines[line], keyword)) return line;
    }
    return std::nullopt;
}

}  // namespace dokkle
