#pragma once
// What the benchmark's measures share: a clock, percentiles, windows of the benchmark's own for pins
// to be stuck into, and the CPU time of Linux processes.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DokkleProcess.h"

namespace dokkle::benchmark {

// The tip and the knob of the design new pins start with.
constexpr POINT StandardTip{12, 37};
constexpr POINT StandardPrickedKnob{12, 22};

// Milliseconds on the performance counter.
double Now();
double Percentile(std::vector<double> values, double fraction);

// The median, 90th and 99th percentiles and the largest of a set of times.
struct Spread {
    double median, p90, p99, max;
};
Spread SpreadOf(const std::vector<double>& values);

// Plain windows of this process for pins to be stuck into, and more to hold the activation.
class BenchmarkWindows {
  public:
    BenchmarkWindows();
    ~BenchmarkWindows() { Clear(); }
    HWND Add(RECT bounds, const wchar_t* title = L"Benchmark target");
    void Clear();

  private:
    std::vector<HWND> windows_;
};

POINT CentreOf(HWND window);
POINT OriginOf(HWND pin);
// A new pin, by a first launch or a hand-off, stuck into the window under the point.
HWND PrickNewPin(std::unique_ptr<e2e::DokkleProcess>& dokkle, const std::wstring& folder, POINT at);

// Waits without waking up on its own, so the benchmark adds nothing to the server's count; what it is
// sent is still handled.
void WaitQuietlyFor(int milliseconds);

struct IdleCpu {
    double programPerSecond, serverPerSecond;
};
// CPU per second of the program's Linux process and of Wine's server, over 20 quiet seconds.
IdleCpu MeasureIdleCpu(const std::wstring& executable);
// The same for Wine's server alone.
double MeasureServerCpu();

}  // namespace dokkle::benchmark
