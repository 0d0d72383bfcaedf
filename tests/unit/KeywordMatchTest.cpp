// What "without regard to letter case" means for the keyword search.
#include <gtest/gtest.h>

#include "tools/KeywordMatch.h"

namespace dokkle {
namespace {

TEST(KeywordMatch, LetterCaseIsSetAsideByTheLocalesRulesBeyondAscii) {
    EXPECT_TRUE(ContainsIgnoringCase(L"0x0001A2B4\tsummary", L"M"));
    EXPECT_TRUE(ContainsIgnoringCase(L"0x0001A2B4\tMemo", L"m"));
    EXPECT_TRUE(ContainsIgnoringCase(L"0x0001A2B4\t", L"1a2b"));
    EXPECT_TRUE(ContainsIgnoringCase(L"ÄRGER über Ölpreise", L"äRger Ü"));
    EXPECT_TRUE(ContainsIgnoringCase(L"ΣΟΦΙΑ", L"σοφ"));
    EXPECT_TRUE(ContainsIgnoringCase(L"ＭＥＭＯ帳", L"ｍｅｍｏ"));
}

TEST(KeywordMatch, WidthsAndKanaStayDistinct) {
    EXPECT_FALSE(ContainsIgnoringCase(L"ＭＥＭＯ", L"memo"));
    EXPECT_FALSE(ContainsIgnoringCase(L"めも", L"メモ"));
    EXPECT_TRUE(ContainsIgnoringCase(L"メモ帳 - 無題", L"メモ"));
}

TEST(KeywordMatch, AnEmptyKeywordIsInEveryTextAndNothingElseIsInTheEmptyText) {
    EXPECT_TRUE(ContainsIgnoringCase(L"Memo", L""));
    EXPECT_TRUE(ContainsIgnoringCase(L"", L""));
    EXPECT_FALSE(ContainsIgnoringCase(L"", L"m"));
    EXPECT_FALSE(ContainsIgnoringCase(L"Memo", L"Memos"));
}

}  // namespace
}  // namespace dokkle
