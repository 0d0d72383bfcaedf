// Reading a whole file: every byte of it, or nothing at all.
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "TemporaryFileTest.h"

namespace dokkle {
namespace {

class WholeFile : public testing::TemporaryFileTest {
  protected:
    WholeFile() : TemporaryFileTest(L"dokkle-whole-file-test.bin") {}
    // A file of zeros of that length, made without writing them.
    void WriteLength(uint64_t length) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        LARGE_INTEGER end{};
        end.QuadPart = static_cast<LONGLONG>(length);
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
};

TEST_F(WholeFile, GivesEveryByteOfAnyFileUpToTheLimit) {
    Write({});
    EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>{});
    const std::vector<uint8_t> bytes{'[', 0, 0xFF, 0xFE, '\r', '\n', 0x1A, 'x'};
    Write(bytes);
    EXPECT_EQ(ReadWholeFile(path), bytes);
    WriteLength(LargestWholeFileBytes);
    const auto largest = ReadWholeFile(path);
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->size(), LargestWholeFileBytes);
}

TEST_F(WholeFile, GivesNothingForAFileItCannotReadWhole) {
    EXPECT_EQ(ReadWholeFile(path), std::nullopt) << "missing";
    WriteLength(LargestWholeFileBytes + 1);
    EXPECT_EQ(ReadWholeFile(path), std::nullopt) << "over the limit";

    Write({'a', 'b'});
    HANDLE writer =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadWholeFile(path), std::nullopt) << "open for writing elsewhere";
    CloseHandle(writer);
    EXPECT_EQ(ReadWholeFile(path), (std::vector<uint8_t>{'a', 'b'}));

    DeleteFileW(path.c_str());
    CreateDirectoryW(path.c_str(), nullptr);
    EXPECT_EQ(ReadWholeFile(path), std::nullopt) << "a folder";
}

}  // namespace
}  // namespace dokkle
