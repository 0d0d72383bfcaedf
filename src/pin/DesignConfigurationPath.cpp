#include "pin/DesignConfigurationPath.h"

#include <cstddef>

namespace dokkle {
namespace {

constexpr std::wstring_view ConfigurationExtension = L".cfg";
// MAX_PATH, which counts the terminating NUL.
constexpr size_t LongestPathWithNul = 260;

}  // namespace

bool ConfigurationPathFits(std::wstring_view designFolder, std::wstring_view designName) {
    return designFolder.size() + designName.size() + ConfigurationExtension.size() < LongestPathWithNul;
}

}  // namespace dokkle
