#include "pin/FollowStatistics.h"

namespace dokkle::FollowStatistics {
namespace {

uint32_t calls = 0;

}  // namespace

void CountWindowPosCall() noexcept {
    ++calls;
}

uint32_t WindowPosCalls() noexcept {
    return calls;
}

}  // namespace dokkle::FollowStatistics
