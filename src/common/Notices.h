#pragma once
// What the user should know about how this run went, kept for the version box rather than shown in a
// box of its own at start-up (a hotkey that could not be had, for instance). One line each.
#include <string>
#include <vector>

namespace dokkle::Notices {

void Add(std::wstring line);
const std::vector<std::wstring>& All();

}  // namespace dokkle::Notices
