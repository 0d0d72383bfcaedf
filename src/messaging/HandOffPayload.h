#pragma once
// The request a later launch sends the running copy: "CREATENEWPIN" as 24 bytes of UTF-16LE, no terminator.
#include <array>
#include <cstddef>
#include <cstdint>

namespace dokkle {

inline constexpr size_t HandOffPayloadSize = 24;

// What the running copy's own window answers once it has opened the pin: a value no window answers by
// chance (the system's own handling answers 0, and TRUE is common).
inline constexpr intptr_t CreateNewPinAccepted = 0x4E495044;  // "DPIN"

std::array<uint8_t, HandOffPayloadSize> CreateNewPinPayload() noexcept;

// True only for exactly that text: no terminator, no trailing byte, nothing else counted in byteCount.
bool IsCreateNewPinRequest(const void* data, size_t byteCount) noexcept;

}  // namespace dokkle
