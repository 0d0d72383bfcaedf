#pragma once
#include <string>

namespace dokkle::VersionResource {

// The legal notice of the program's own version information; empty when it has none.
std::wstring LegalCopyright();

}  // namespace dokkle::VersionResource
