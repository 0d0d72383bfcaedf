#pragma once
// The designs in a folder: the names of its normal "*.bmp" files, in the order the system lists them,
// each with a configuration path that fits in MAX_PATH.
#include <string>
#include <vector>

namespace dokkle {

// A folder that is missing or cannot be read lists nothing.
std::vector<std::wstring> ListDesignFiles(const std::wstring& folder);

// True for a name that ends in ".bmp", compared without regard to case.
bool HasDesignExtension(const std::wstring& name);

}  // namespace dokkle
