#pragma once
// The information report on a window and its process, as plain text: a function of the facts that
// were read from the window system, so every line can be checked without a window.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/Geometry.h"

namespace dokkle {

struct ModuleFacts {
    uint64_t handle = 0;               // the module's load address, as wide as the process's pointers
    std::optional<std::wstring> path;  // none when the name could not be read
};

struct ProcessFacts {
    uint64_t handle = 0;                              // the handle this program opened on the process
    uint32_t priorityClass = 0;                       // 0 when it could not be read
    std::optional<std::vector<ModuleFacts>> modules;  // none when the list could not be read
};

struct WindowFacts {
    std::wstring title;
    Rect bounds;  // the window rectangle in screen pixels
    bool zoomed = false;
    bool iconic = false;
    bool visible = false;
    uint32_t parent = 0;  // the parent, or the owner of a top-level window; 0 for none
    uint32_t window = 0;
    uint32_t processId = 0;
    uint32_t threadId = 0;
    std::optional<ProcessFacts> process;  // none when the process could not be opened
    uint32_t processVersion = 0;          // major in the high word, minor in the low word
};

// The report: every line ends in CR LF, the last one too.
std::wstring FormatReport(const WindowFacts& facts);

}  // namespace dokkle
