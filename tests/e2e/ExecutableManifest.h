#pragma once
// The application manifest an executable carries, read from the file without running it, and the
// elements of that small XML text.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dokkle::e2e {

// The text of the executable's RT_MANIFEST resource 1; nothing if it cannot be loaded or has none.
std::optional<std::string> ManifestOf(const std::wstring& executable);

// The run level the system reads from that manifest, as it does when it starts the program.
std::optional<ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION> RunLevelOf(const std::wstring& executable);

struct XmlElement {
    std::vector<std::string> path;  // local names, from the root element down to this one
    std::map<std::string, std::string> attributes;
};

// Every element of a simple XML text (declaration, comments, elements and attributes), in document order.
std::vector<XmlElement> XmlElements(std::string_view text);

}  // namespace dokkle::e2e
