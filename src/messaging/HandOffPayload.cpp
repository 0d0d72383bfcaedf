#include "messaging/HandOffPayload.h"

#include <cstring>

namespace dokkle {
namespace {

constexpr char requestText[] = "CREATENEWPIN";

}  // namespace

std::array<uint8_t, HandOffPayloadSize> CreateNewPinPayload() noexcept {
    std::array<uint8_t, HandOffPayloadSize> payload{};
    for (size_t i = 0; i < HandOffPayloadSize / 2; ++i) {
        payload[2 * i] = static_cast<uint8_t>(requestText[i]);  // UTF-16LE: ASCII low byte, zero high byte
        payload[2 * i + 1] = 0;
    }
    return payload;
}

bool IsCreateNewPinRequest(const void* data, size_t byteCount) noexcept {
    if (data == nullptr || byteCount != HandOffPayloadSize) return false;
    const auto expected = CreateNewPinPayload();
    return std::memcmp(data, expected.data(), HandOffPayloadSize) == 0;
}

}  // namespace dokkle
