#pragma once
// The names of the markers by which copies of one program file find each other. They are made from the
// file's identity, so that every path that leads to the same file (another drive letter, a link to its
// folder, another spelling) gives the same names, and a copy of the file elsewhere gives others.
#include <cstdint>
#include <string>

namespace dokkle {

// The identity of a file as its volume and the volume's index of it give it.
std::wstring FileIdentity(uint32_t volumeSerialNumber, uint64_t fileIndex);
// For a file whose volume gives no index: its full path, compared without regard to case.
std::wstring PathIdentity(const std::wstring& fullPath);

// Held by the first copy for its whole life.
std::wstring InstanceMarkerName(const std::wstring& identity);
// Set by the first copy once it takes hand-offs.
std::wstring ReadyMarkerName(const std::wstring& identity);
// Shared memory in which the first copy publishes the window that takes hand-offs.
std::wstring WindowMarkerName(const std::wstring& identity);

}  // namespace dokkle
