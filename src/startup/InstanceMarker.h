#pragma once
// The name of the marker that tells whether this executable already runs: derived from its full path,
// compared without regard to case, so copies elsewhere on disk run on their own.
#include <string>

namespace dokkle {

std::wstring InstanceMarkerName(const std::wstring& executablePath);

}  // namespace dokkle
