#pragma once
// What the user should know about how this run went, kept for the version box rather than shown in a
// box of its own at start-up (the hotkey in use, or why there is none). One line each.
#include <string>
#include <vector>

namespace dokkle::Notices {

void Add(std::wstring line);
const std::vector<std::wstring>& All();

}  // namespace dokkle::Notices
