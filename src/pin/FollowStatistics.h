#pragma once
// How many SetWindowPos calls the follow timers of this process have made, for measuring idle cost.
// Another process reads the count through the registered window message DOKKLE_FOLLOW_CALLS, which any
// pin answers.
#include <cstdint>

namespace dokkle::FollowStatistics {

void CountWindowPosCall() noexcept;
uint32_t WindowPosCalls() noexcept;

// The registered message name; a pin answers it with WindowPosCalls().
inline constexpr const wchar_t* QueryMessageName = L"DOKKLE_FOLLOW_CALLS";

}  // namespace dokkle::FollowStatistics
