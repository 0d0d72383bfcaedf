#pragma once
// Whether the profile reader can open a design's configuration file: the design's path plus ".cfg".
#include <string_view>

namespace dokkle {

// designFolder ends in a backslash; designName is the design file's name with its ".bmp". True when
// designFolder + designName + ".cfg" fits in MAX_PATH with its terminating NUL: the profile reader opens
// no longer path, so a design whose configuration lies beyond it is not offered at all.
bool ConfigurationPathFits(std::wstring_view designFolder, std::wstring_view designName);

}  // namespace dokkle
