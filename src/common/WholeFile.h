#pragma once
// Whole files in one piece, for the files the program reads and writes itself rather than through the
// window system: the settings file when it is rewritten, and design bitmaps.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dokkle {

// Larger than any design the pin image accepts (4096 x 4096 pixels of 4 bytes, with headers).
constexpr uint64_t LargestWholeFileBytes = 80ull * 1024 * 1024;

// Every byte of the file, or nothing when it cannot be opened (missing, a folder), is larger than
// LargestWholeFileBytes, or cannot be read in full. Others may go on reading, writing, renaming or
// deleting it meanwhile, as an editor or a sync client holding it open does.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path);

// Puts the bytes in the file's place whole or not at all: written and flushed under a name of their own
// beside it, then swapped in, keeping the old file's attributes and security. A missing file is made.
bool ReplaceWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes);

}  // namespace dokkle
