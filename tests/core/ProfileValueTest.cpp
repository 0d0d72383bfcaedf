#include "common/ProfileValue.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace dokkle {
namespace {

// What a profile reader gives back for the text after the equals sign: blanks around it trimmed,
// then one pair of matching quotes around it dropped.
std::wstring ReadBack(std::wstring_view stored) {
    constexpr std::wstring_view blanks = L" \t\n\v\f\r\x1A";
    const size_t first = stored.find_first_not_of(blanks);
    if (first == std::wstring_view::npos) return std::wstring();
    stored = stored.substr(first, stored.find_last_not_of(blanks) - first + 1);
    if (stored.size() >= 2 && (stored.front() == L'"' || stored.front() == L'\'') &&
        stored.back() == stored.front()) {
        stored = stored.substr(1, stored.size() - 2);
    }
    return std::wstring(stored);
}

TEST(ProfileValueToWrite, DesignNamesAreWrittenAsTheyAreUnlessTheReaderWouldChangeThem) {
    EXPECT_EQ(ProfileValueToWrite(L"Sky Blue.bmp"), L"Sky Blue.bmp");
    EXPECT_EQ(ProfileValueToWrite(L""), L"");
    EXPECT_EQ(ProfileValueToWrite(L"\"Sky Blue.bmp"), L"\"Sky Blue.bmp");
    EXPECT_EQ(ProfileValueToWrite(L"'a'.bmp"), L"'a'.bmp");
    EXPECT_EQ(ProfileValueToWrite(L" Sky Blue.bmp"), L"\" Sky Blue.bmp\"");
    EXPECT_EQ(ProfileValueToWrite(L"Sky Blue.bmp\t"), L"\"Sky Blue.bmp\t\"");
    EXPECT_EQ(ProfileValueToWrite(L"\"Sky Blue.bmp\""), L"\"\"Sky Blue.bmp\"\"");
    EXPECT_EQ(ProfileValueToWrite(L"'Sky Blue.bmp'"), L"\"'Sky Blue.bmp'\"");
}

// Every value of up to five characters from letters, blanks and both quotes.
TEST(ProfileValueToWrite, EveryShortValueReadsBackExactlyAndIsQuotedOnlyWhenItMustBe) {
    constexpr std::wstring_view alphabet = L"a \t\"'\x1A";
    std::vector<std::wstring> values{L""};
    for (size_t begin = 0, length = 1; length <= 5; ++length) {
        const size_t end = values.size();
        for (size_t index = begin; index < end; ++index) {
            for (wchar_t c : alphabet) values.push_back(values[index] + c);
        }
        begin = end;
    }
    ASSERT_EQ(values.size(), 9331u);
    for (const std::wstring& value : values) {
        const std::wstring written = ProfileValueToWrite(value);
        EXPECT_EQ(ReadBack(written), value) << "written as [" << written << "]";
        const bool quoted = written != value;
        EXPECT_EQ(quoted, ReadBack(value) != value) << "[" << value << "]";
        if (quoted) {
            EXPECT_EQ(written, L"\"" + value + L"\"");
        }
    }
}

}  // namespace
}  // namespace dokkle
