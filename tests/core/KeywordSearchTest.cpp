#include "tools/KeywordSearch.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace dokkle {
namespace {

// Letter case set aside for ASCII only: enough for these lines, whatever the shell compares with.
bool ContainsAsciiCaseless(std::wstring_view text, std::wstring_view keyword) {
    const auto fold = [](std::wstring_view from) {
        std::wstring folded(from);
        for (wchar_t& c : folded) {
            if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        }
        return folded;
    };
    return fold(text).find(fold(keyword)) != std::wstring::npos;
}

std::optional<size_t> Find(const std::vector<std::wstring>& lines, std::wstring_view keyword,
                           std::optional<size_t> selected, bool fromNext) {
    return FindKeywordLine(lines, keyword, selected, fromNext, ContainsAsciiCaseless);
}

const std::vector<std::wstring> MemoSummaryMail = {L"0x00010010\tMemo", L"0x00010020\tsummary",
                                                   L"0x00010030\tMail"};

TEST(KeywordSearch, TypingMKeepsMemoAndEnterWalksToSummaryToMailAndWrapsToMemo) {
    EXPECT_EQ(Find(MemoSummaryMail, L"m", 0, false), 0u);
    EXPECT_EQ(Find(MemoSummaryMail, L"m", 0, true), 1u);
    EXPECT_EQ(Find(MemoSummaryMail, L"m", 1, true), 2u);
    EXPECT_EQ(Find(MemoSummaryMail, L"m", 2, true), 0u);
}

TEST(KeywordSearch, TheIncrementalSearchKeepsTheCurrentLineWhileItStillMatches) {
    EXPECT_EQ(Find(MemoSummaryMail, L"MA", 1, false), 1u);  // sumMAry
    EXPECT_EQ(Find(MemoSummaryMail, L"MAI", 1, false), 2u);
    EXPECT_EQ(Find(MemoSummaryMail, L"MEMO", 1, false), 0u);  // on past the end, round to line 0
}

TEST(KeywordSearch, WithNoLineSelectedTypingStartsAtLineZeroAndSearchingOnAtLineOne) {
    EXPECT_EQ(Find(MemoSummaryMail, L"m", std::nullopt, false), 0u);
    EXPECT_EQ(Find(MemoSummaryMail, L"m", std::nullopt, true), 1u);
    // Line 0 is examined last.
    EXPECT_EQ(Find(MemoSummaryMail, L"memo", std::nullopt, true), 0u);
}

TEST(KeywordSearch, NoMatchAnEmptyKeywordOrAnEmptyListFindNothing) {
    EXPECT_EQ(Find(MemoSummaryMail, L"Notepad", 1, false), std::nullopt);
    EXPECT_EQ(Find(MemoSummaryMail, L"Notepad", 1, true), std::nullopt);
    EXPECT_EQ(Find(MemoSummaryMail, L"", 1, true), std::nullopt);
    EXPECT_EQ(Find({}, L"m", std::nullopt, true), std::nullopt);
}

TEST(KeywordSearch, TheHandlesHexadecimalDigitsMatchAsWellAsTitles) {
    EXPECT_EQ(Find(MemoSummaryMail, L"10030", std::nullopt, false), 2u);
    EXPECT_EQ(Find({L"0x0001A2B4\t", L"0x0001C3D4\t"}, L"c3d", 0, false), 1u);
    EXPECT_EQ(Find(MemoSummaryMail, L"\t", 1, false), 1u);
}

TEST(KeywordSearch, ASelectedLineBeyondTheListWrapsRatherThanReadingPastIt) {
    EXPECT_EQ(Find(MemoSummaryMail, L"m", 4, false), 1u);
    EXPECT_EQ(Find(MemoSummaryMail, L"m", SIZE_MAX, true), 1u);
}

}  // namespace
}  // namespace dokkle
