// What a fault that escapes leaves behind: a minidump, read here by the documented layout of its file
// (MINIDUMP_HEADER, the stream directory, the exception and thread-list streams).
#include "startup/CrashReport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "common/AppVersion.h"
#include "common/WholeFile.h"

namespace dokkle {
namespace {

constexpr uint32_t MinidumpSignature = 0x504D444D;  // "MDMP"
constexpr uint32_t ThreadListStream = 3;
constexpr uint32_t ExceptionStream = 6;
constexpr DWORD TestFaultCode = 0xE0001234;

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t offset) {
    uint32_t value = 0;
    if (offset + 4 <= bytes.size()) std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

// The offset of the stream of that type, or 0.
size_t StreamOffset(const std::vector<uint8_t>& bytes, uint32_t type) {
    const uint32_t count = Read32(bytes, 8), directory = Read32(bytes, 12);
    for (uint32_t index = 0; index < count; ++index) {
        const size_t entry = directory + 12u * index;
        if (Read32(bytes, entry) == type) return Read32(bytes, entry + 8);
    }
    return 0;
}

std::wstring TemporaryFolder(const wchar_t* name) {
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    // No process id in it: a death test's child process must write where its parent looks.
    return std::wstring(temporary) + name + L"\\";
}

std::vector<std::wstring> DumpsIn(const std::wstring& folder) {
    std::vector<std::wstring> dumps;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*.dmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return dumps;
    do dumps.push_back(folder + found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return dumps;
}

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolder(folder + name + L"\\");
            } else {
                DeleteFileW((folder + name).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

void ExpectDumpOfThisThread(const std::wstring& path, DWORD code, DWORD threadId) {
    const auto bytes = ReadWholeFile(path);
    ASSERT_TRUE(bytes.has_value()) << "no dump";
    ASSERT_EQ(Read32(*bytes, 0), MinidumpSignature);
    const size_t exception = StreamOffset(*bytes, ExceptionStream);
    ASSERT_NE(exception, 0u) << "no exception stream";
    EXPECT_EQ(Read32(*bytes, exception), threadId);  // MINIDUMP_EXCEPTION_STREAM.ThreadId
    EXPECT_EQ(Read32(*bytes, exception + 8), code);  // .ExceptionRecord.ExceptionCode
    const size_t threads = StreamOffset(*bytes, ThreadListStream);
    ASSERT_NE(threads, 0u) << "no thread list";
    bool listed = false;
    for (uint32_t index = 0; index < Read32(*bytes, threads); ++index) {
        listed |= Read32(*bytes, threads + 4 + 48u * index) == threadId;  // MINIDUMP_THREAD, 48 bytes
    }
    EXPECT_TRUE(listed) << "the faulting thread is not in the dump";
}

class CrashDump : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t local[MAX_PATH] = L"";
        const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
        if (length > 0 && length < MAX_PATH) localAppData.assign(local, length);
        RemoveFolder(root);
        RtlCaptureContext(&context);
        record.ExceptionCode = TestFaultCode;
        record.ExceptionAddress = reinterpret_cast<void*>(&ReadWholeFile);
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"LOCALAPPDATA", localAppData.empty() ? nullptr : localAppData.c_str());
        RemoveFolder(root);
    }

    std::wstring localAppData;

    std::wstring root = TemporaryFolder(L"dokkle-crash-test");
    CONTEXT context{};
    EXCEPTION_RECORD record{};
    EXCEPTION_POINTERS fault{&record, &context};
};

TEST_F(CrashDump, WritesAMinidumpOfTheFaultIntoAFolderItMakes) {
    const std::wstring folder = root + L"one\\two\\";
    const std::wstring path = CrashReport::WriteDump(folder, &fault);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.rfind(folder + L"Dokkle-" DOKKLE_VERSION_TEXT L"-", 0), 0u);
    EXPECT_EQ(DumpsIn(folder), std::vector<std::wstring>{path});
    ExpectDumpOfThisThread(path, TestFaultCode, GetCurrentThreadId());
}

TEST_F(CrashDump, TheFolderIsDokkleCrashDumpsInTheLocalApplicationData) {
    SetEnvironmentVariableW(L"LOCALAPPDATA", L"C:\\Users\\someone\\AppData\\Local");
    EXPECT_EQ(CrashReport::DumpFolder(), L"C:\\Users\\someone\\AppData\\Local\\Dokkle\\CrashDumps\\");
}

TEST_F(CrashDump, TheUnhandledExceptionFilterLeavesADumpAndPassesTheFailureOn) {
    SetEnvironmentVariableW(L"LOCALAPPDATA", root.c_str());
    EXPECT_EQ(CrashReport::OnUnhandledException(&fault), EXCEPTION_CONTINUE_SEARCH);
    const std::vector<std::wstring> dumps = DumpsIn(root + L"Dokkle\\CrashDumps\\");
    ASSERT_EQ(dumps.size(), 1u);
    ExpectDumpOfThisThread(dumps.front(), TestFaultCode, GetCurrentThreadId());
}

TEST_F(CrashDump, TerminateEndsTheProgramThroughTheSameFilterAndLeavesADump) {
    SetEnvironmentVariableW(L"LOCALAPPDATA", root.c_str());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            CrashReport::Install();
            std::terminate();
        },
        "");
    const std::vector<std::wstring> dumps = DumpsIn(root + L"Dokkle\\CrashDumps\\");
    ASSERT_EQ(dumps.size(), 1u);
    const auto bytes = ReadWholeFile(dumps.front());
    ASSERT_TRUE(bytes.has_value());
    const size_t exception = StreamOffset(*bytes, ExceptionStream);
    ASSERT_NE(exception, 0u);
    EXPECT_EQ(Read32(*bytes, exception + 8), CrashReport::TerminateExceptionCode);
}

}  // namespace
}  // namespace dokkle
