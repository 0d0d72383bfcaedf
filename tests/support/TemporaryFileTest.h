#pragma once
// A test that works on one file in the temporary folder: written whole, and gone again (a file, or a
// folder a case put there) before and after each case.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dokkle::testing {

class TemporaryFileTest : public ::testing::Test {
  protected:
    explicit TemporaryFileTest(const wchar_t* name) {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        path = std::wstring(folder) + name;
    }
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }

    void Write(const std::vector<uint8_t>& bytes) const {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    void Remove() const {
        DeleteFileW(path.c_str());
        RemoveDirectoryW(path.c_str());
    }

    std::wstring path;
};

}  // namespace dokkle::testing
