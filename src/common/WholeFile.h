#pragma once
// A whole file read into memory in one piece, for the files the program reads itself rather than
// through the window system: the settings file before it is rewritten, and design bitmaps.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dokkle {

// Larger than any design the pin image accepts (4096 x 4096 pixels of 4 bytes, with headers).
constexpr uint64_t LargestWholeFileBytes = 80ull * 1024 * 1024;

// Every byte of the file, or nothing when it cannot be opened (missing, a folder, held by another
// program), is larger than LargestWholeFileBytes, or cannot be read in full.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path);

}  // namespace dokkle
