#pragma once
// How fast a pin follows its target with the window events that Windows raises and without them (as
// under Wine, which raises none of them), and what a busy program that no pin is stuck into costs.
#include <string>

#include "BenchmarkSupport.h"

namespace dokkle::benchmark {

struct WithAndWithoutEvents {
    Spread without, with;
    // Activations whose window was never seen over its pin, left out of the times.
    int unseenWithout, unseenWith;
};

// One target moved the same way twice: first silently, then reporting every move as Windows does.
WithAndWithoutEvents FollowLatencies(const std::wstring& folder, int moves);
// One target activated over and over, until its pin stands above it again; likewise twice.
WithAndWithoutEvents ActivationLatencies(const std::wstring& folder, int activations);

struct UnrelatedEvents {
    double raisedPerSecond;    // counted by a hook of the benchmark's own on the raising program
    double receivedPerSecond;  // the events that reached Dokkle's hooks
    IdleCpu cpu;               // Dokkle's and the server's, meanwhile
    double serverAlone;        // the server's with the same events and Dokkle closed
};

// A pin idle in one window while another program, with no pin in it, raises location events.
UnrelatedEvents UnrelatedEventsCost(const std::wstring& folder, int eventsPerSecond);

}  // namespace dokkle::benchmark
