#include "messaging/HandOffPayload.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace dokkle {
namespace {

std::vector<uint8_t> Utf16Le(const char* text, size_t extraZeroBytes = 0) {
    std::vector<uint8_t> bytes;
    for (const char* p = text; *p; ++p) {
        bytes.push_back(static_cast<uint8_t>(*p));
        bytes.push_back(0);
    }
    bytes.insert(bytes.end(), extraZeroBytes, 0);
    return bytes;
}

TEST(HandOffPayload, IsTheTwelveCharactersAsUtf16LeWithoutTerminator) {
    const auto payload = CreateNewPinPayload();
    EXPECT_EQ(std::vector<uint8_t>(payload.begin(), payload.end()), Utf16Le("CREATENEWPIN"));
    EXPECT_TRUE(IsCreateNewPinRequest(payload.data(), payload.size()));
}

TEST(HandOffPayload, AnythingButTheExactTextIsRefused) {
    const auto withTerminator = Utf16Le("CREATENEWPIN", 2);
    EXPECT_FALSE(IsCreateNewPinRequest(withTerminator.data(), withTerminator.size()));
    // An odd byte count would still hold twelve whole characters; it is not the request either.
    EXPECT_FALSE(IsCreateNewPinRequest(withTerminator.data(), 25));
    const auto shorter = Utf16Le("CREATENEWPI");
    EXPECT_FALSE(IsCreateNewPinRequest(shorter.data(), shorter.size()));
    const auto lowerCase = Utf16Le("createnewpin");
    EXPECT_FALSE(IsCreateNewPinRequest(lowerCase.data(), lowerCase.size()));
    const auto longer = Utf16Le("CREATENEWPINS");
    EXPECT_FALSE(IsCreateNewPinRequest(longer.data(), longer.size()));
    const char ansi[] = "CREATENEWPINCREATENEWPIN";  // 24 bytes of ANSI text
    EXPECT_FALSE(IsCreateNewPinRequest(ansi, 24));
}

TEST(HandOffPayload, EmptyOrMissingDataIsRefused) {
    EXPECT_FALSE(IsCreateNewPinRequest(nullptr, 24));
    EXPECT_FALSE(IsCreateNewPinRequest(nullptr, 0));
    const auto payload = CreateNewPinPayload();
    EXPECT_FALSE(IsCreateNewPinRequest(payload.data(), 0));
}

}  // namespace
}  // namespace dokkle
