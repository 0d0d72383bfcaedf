#include "common/WholeFile.h"

#include <windows.h>

#include "common/Win32Handles.h"

namespace dokkle {
namespace {

// The attributes a replaced file keeps when the system leaves them behind (Wine's ReplaceFileW does).
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring FolderOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator + 1);
}

bool WriteFlushed(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    // Nobody else may open it while it is being written.
    unique_hfile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.size());
    if (size != 0 && (!WriteFile(file.get(), bytes.data(), size, &written, nullptr) || written != size)) {
        return false;
    }
    return FlushFileBuffers(file.get()) != FALSE;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path) {
    unique_hfile file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<uint64_t>(size.QuadPart) > LargestWholeFileBytes) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

bool ReplaceWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    if (bytes.size() > LargestWholeFileBytes) return false;
    // The system makes the name and the empty file at once, so no other writer can be using it.
    wchar_t temporary[MAX_PATH] = L"";
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"dkl", 0, temporary)) return false;
    const DWORD oldAttributes = GetFileAttributesW(path.c_str());
    const bool replacing = oldAttributes != INVALID_FILE_ATTRIBUTES;
    bool done = WriteFlushed(temporary, bytes);
    if (done && replacing) {
        const DWORD kept = oldAttributes & KeptAttributes;
        SetFileAttributesW(temporary, kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
        done =
            ReplaceFileW(path.c_str(), temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    } else if (done) {
        done = MoveFileExW(temporary, path.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    if (!done) DeleteFileW(temporary);
    return done;
}

}  // namespace dokkle
