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
    HANDLE exclusive = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadWholeFile(path), std::nullopt) << "held open by another program that shares nothing";
    CloseHandle(exclusive);

    DeleteFileW(path.c_str());
    CreateDirectoryW(path.c_str(), nullptr);
    EXPECT_EQ(ReadWholeFile(path), std::nullopt) << "a folder";
}

// As an editor or a sync client holds a file: open for writing, sharing reading only, or everything.
TEST_F(WholeFile, GivesTheBytesOfAFileAnotherProgramHoldsOpenForWriting) {
    Write({'a', 'b'});
    for (DWORD sharing : {DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE},
                          DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE}}) {
        HANDLE writer = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, sharing, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(writer, INVALID_HANDLE_VALUE) << sharing;
        EXPECT_EQ(ReadWholeFile(path), (std::vector<uint8_t>{'a', 'b'})) << sharing;
        CloseHandle(writer);
    }
}

class ReplaceWhole : public testing::TemporaryFileTest {
  protected:
    ReplaceWhole() : TemporaryFileTest(L"dokkle-replace-test.bin") {}
    void TearDown() override {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        TemporaryFileTest::TearDown();
    }
};

TEST_F(ReplaceWhole, PutsTheBytesInPlaceOfTheOldOnesOrMakesTheFile) {
    const std::vector<uint8_t> first{'o', 'n', 'e'}, second{0xFF, 0xFE, 't', 0};
    ASSERT_TRUE(ReplaceWholeFile(path, first));
    EXPECT_EQ(ReadWholeFile(path), first);
    ASSERT_TRUE(ReplaceWholeFile(path, second));
    EXPECT_EQ(ReadWholeFile(path), second);
    ASSERT_TRUE(ReplaceWholeFile(path, {}));
    EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>{});
}

TEST_F(ReplaceWhole, TheReplacedFileKeepsItsAttributes) {
    Write({'o', 'l', 'd'});
    constexpr DWORD hiddenArchive = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), hiddenArchive));
    ASSERT_TRUE(ReplaceWholeFile(path, {'n', 'e', 'w'}));
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & hiddenArchive, hiddenArchive);
    EXPECT_EQ(ReadWholeFile(path), (std::vector<uint8_t>{'n', 'e', 'w'}));
}

TEST_F(ReplaceWhole, AFileThatCannotBeReplacedStaysAsItWasAndNothingIsLeftBeside) {
    Write({'o', 'l', 'd'});
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const auto countTemporaries = [&] {
        int count = 0;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((std::wstring(folder) + L"dkl*.tmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return count;
        do ++count;
        while (FindNextFileW(search, &found));
        FindClose(search);
        return count;
    };
    const int before = countTemporaries();
    EXPECT_FALSE(ReplaceWholeFile(path, {'n', 'e', 'w'}));
    EXPECT_EQ(countTemporaries(), before);
    CloseHandle(held);
    EXPECT_EQ(ReadWholeFile(path), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

}  // namespace
}  // namespace dokkle
