#pragma once
// The names of the markers by which copies of one executable find each other: derived from its full
// path, compared without regard to case, so copies elsewhere on disk run on their own.
#include <string>

namespace dokkle {

// Held by the first copy for its whole life.
std::wstring InstanceMarkerName(const std::wstring& executablePath);
// Set by the first copy once its main pin is there to receive hand-offs.
std::wstring MainPinMarkerName(const std::wstring& executablePath);

// True when both paths name the same executable, as the markers compare them.
bool IsSameExecutable(const std::wstring& path, const std::wstring& otherPath);

}  // namespace dokkle
