// Measures the real Dokkle.exe under the window system it runs on: start-up against a floor, the
// hand-off, how fast a pin follows its target and rises over it with and without window events, what
// pins cost while idle and beside a busy program, memory, and an endurance run.
// Usage: DokkleBenchmark <table.md> [endurance cycles]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchmarkSupport.h"
#include "ChildProcess.h"
#include "Desktop.h"
#include "DokkleProcess.h"
#include "EventMeasures.h"
#include "GdiHandleTable.h"

using namespace dokkle::e2e;
using namespace dokkle::benchmark;

namespace {

// Launch to the first visible window of the process.
double StartupTime(const std::wstring& executable, const std::wstring& folder) {
    const double start = Now();
    ChildProcess process(executable, L"", folder);
    while (process.VisibleWindows().empty() && Now() - start < 10000) {
        PumpMessagesFor(1);
    }
    const double time = Now() - start;
    process.Kill();
    PumpMessagesFor(200);
    return time;
}

struct StartupMedians {
    double floor, dokkle;
};

// The floor program and Dokkle launched in turn, so that whatever else the machine does weighs on both.
StartupMedians MedianStartups(const std::wstring& folder, int runs) {
    std::vector<double> floor, dokkle;
    for (int run = 0; run < runs; ++run) {
        floor.push_back(StartupTime(BuildFolder() + L"LayeredWindowFloor.exe", BuildFolder()));
        dokkle.push_back(StartupTime(folder + L"Dokkle.exe", folder));
    }
    return {Percentile(floor, 0.5), Percentile(dokkle, 0.5)};
}

double MedianHandOff(const std::wstring& folder, int runs) {
    std::unique_ptr<DokkleProcess> dokkle = std::make_unique<DokkleProcess>(folder);
    dokkle->WaitForPinCount(1);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const size_t before = dokkle->Pins().size();
        const double start = Now();
        DokkleProcess launch(folder);
        while (dokkle->Pins().size() == before && Now() - start < 10000) PumpMessagesFor(1);
        times.push_back(Now() - start);
        launch.WaitForExit(5000);
    }
    return Percentile(times, 0.5);
}

// The follow timers' count of SetWindowPos calls so far. A count that cannot be read is an error, never
// taken for no calls.
unsigned FollowCallsOf(const DokkleProcess& dokkle) {
    const std::optional<unsigned> calls = dokkle.FollowCalls();
    if (!calls) {
        throw std::runtime_error(
            "the follow-call count could not be read: no pin, or the pin did not answer");
    }
    return *calls;
}

struct Idle {
    double callsPerSecond;
    IdleCpu cpu;
    SIZE_T committed, workingSet;
};

Idle IdleCost(const std::wstring& folder, int pins) {
    BenchmarkWindows windows;
    std::unique_ptr<DokkleProcess> dokkle;
    for (int i = 0; i < pins; ++i) {
        const int column = i % 5, row = i / 5;
        HWND target =
            windows.Add(RECT{20 + column * 200, 20 + row * 180, 200 + column * 200, 180 + row * 180});
        PrickNewPin(dokkle, folder, CentreOf(target));
    }
    // Every target still and inactive: the activation goes to a window no pin is stuck into.
    HWND elsewhere = windows.Add(RECT{800, 700, 1000, 760}, L"Elsewhere");
    SetForegroundWindow(elsewhere);
    MoveMouseTo(POINT{900, 740});
    PumpMessagesFor(1000);

    const unsigned callsBefore = FollowCallsOf(*dokkle);
    const double start = Now();
    Idle idle{0, MeasureIdleCpu(folder + L"Dokkle.exe"), 0, 0};
    idle.callsPerSecond = (FollowCallsOf(*dokkle) - callsBefore) / ((Now() - start) / 1000.0);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(dokkle->Handle(), &memory, sizeof(memory));
    idle.committed = memory.PagefileUsage;
    idle.workingSet = memory.WorkingSetSize;
    return idle;
}

// The reference for the idle figures: the floor program, whose one window has a 100 ms timer.
IdleCpu FloorIdleCost() {
    const std::wstring executable = BuildFolder() + L"LayeredWindowFloor.exe";
    ChildProcess floor(executable, L"", BuildFolder());
    if (!WaitUntil([&] { return !floor.VisibleWindows().empty(); }, 10000)) {
        throw std::runtime_error("the floor program showed no window");
    }
    PumpMessagesFor(1000);
    const IdleCpu cpu = MeasureIdleCpu(executable);
    floor.Kill();
    return cpu;
}

}  // namespace

int EnduranceRun(const std::wstring& folder, int cycles, std::FILE* table);

namespace {

int Measure(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: DokkleBenchmark <table.md> [endurance cycles]\n");
        return 2;
    }
    const int enduranceCycles = argc > 2 ? _wtoi(argv[2]) : 10000;
    // DOKKLE_ENDURANCE_ONLY skips the other measures, for looking into the endurance run alone.
    const bool enduranceOnly = GetEnvironmentVariableW(L"DOKKLE_ENDURANCE_ONLY", nullptr, 0) > 0;
    std::FILE* table = _wfopen(argv[1], L"w");
    if (!table) return 1;
    auto row = [&](const char* measure, const std::string& result) {
        std::fprintf(table, "| %s | %s |\n", measure, result.c_str());
        std::fflush(table);
        std::printf("%s: %s\n", measure, result.c_str());
    };
    auto format = [](const char* pattern, auto... values) {
        char text[256];
        std::snprintf(text, sizeof(text), pattern, values...);
        return std::string(text);
    };
    std::fprintf(table, "| Measure | Result |\n|---|---|\n");

    const std::wstring folder = DokkleProcess::NewSandbox();
    auto idleRows = [&](int pins) {
        const Idle idle = IdleCost(folder, pins);
        const char* plural = pins == 1 ? "" : "s";
        row(format("Idle, %d pricked pin%s on still, inactive targets: SetWindowPos calls per second / CPU "
                   "time per second of Dokkle / of Wine's server",
                   pins, plural)
                .c_str(),
            format("%.1f / %.2f ms / %.2f ms", idle.callsPerSecond, idle.cpu.programPerSecond,
                   idle.cpu.serverPerSecond));
        if (pins != 5) {
            row(format("Memory with %d pin%s: committed bytes / working set", pins, plural).c_str(),
                format("%.2f MiB / %.2f MiB", idle.committed / 1048576.0, idle.workingSet / 1048576.0));
        }
    };
    auto eventRows = [&] {
        auto spread = [&](const Spread& times) {
            return format("%.0f / %.0f / %.0f / %.0f ms", times.median, times.p90, times.p99, times.max);
        };
        const WithAndWithoutEvents follow = FollowLatencies(folder, 200);
        row("Follow latency without window events (the tick alone): target moved 200 times, until the pin "
            "stands at its new place (median / 90th / 99th / max)",
            spread(follow.without));
        row("Follow latency with window events: the same target and moves, each reported as Windows does "
            "(median / 90th / 99th / max)",
            spread(follow.with));
        const WithAndWithoutEvents activation = ActivationLatencies(folder, 100);
        auto unseen = [&](int count) {
            return count ? format("; %d not seen over the pin, left out", count) : std::string();
        };
        row("Activation to the pin on top without window events: target activated 100 times, until its pin "
            "stands above it again (median / 90th / 99th / max)",
            spread(activation.without) + unseen(activation.unseenWithout));
        row("Activation to the pin on top with window events: the same activations, each reported as "
            "Windows does (median / 90th / 99th / max)",
            spread(activation.with) + unseen(activation.unseenWith));
        const UnrelatedEvents unrelated = UnrelatedEventsCost(folder, 1000);
        row("Unrelated events: another program, with no pin in it, raises location events while 1 pin idles "
            "elsewhere: events it raises per second / events reaching Dokkle per second / CPU time per "
            "second "
            "of Dokkle / of Wine's server",
            format("%.0f / %.1f / %.2f ms / %.2f ms", unrelated.raisedPerSecond, unrelated.receivedPerSecond,
                   unrelated.cpu.programPerSecond, unrelated.cpu.serverPerSecond));
        row("The same events with Dokkle closed: CPU time per second of Wine's server",
            format("%.2f ms", unrelated.serverAlone));
    };
    // DOKKLE_IDLE_PINS=N measures only the idle cost of N pins, for looking into it with outside tools.
    if (const wchar_t* idlePins = _wgetenv(L"DOKKLE_IDLE_PINS"); idlePins && _wtoi(idlePins) > 0) {
        idleRows(_wtoi(idlePins));
        std::fclose(table);
        RemoveFolder(folder);
        return 0;
    }
    // DOKKLE_EVENTS_ONLY measures only what the window events change, for looking into them.
    if (GetEnvironmentVariableW(L"DOKKLE_EVENTS_ONLY", nullptr, 0) > 0) {
        eventRows();
        std::fclose(table);
        RemoveFolder(folder);
        return 0;
    }
    if (enduranceOnly) {
        const int only = EnduranceRun(folder, enduranceCycles, table);
        std::fclose(table);
        return only;
    }
    MoveMouseTo(POINT{512, 384});
    const StartupMedians startup = MedianStartups(folder, 10);
    row("Start-up: launch to the main pin shown (median of 10)", format("%.0f ms", startup.dokkle));
    row("Floor: launch to one layered window shown by a minimal program (median of 10, launched in turn "
        "with Dokkle)",
        format("%.0f ms", startup.floor));
    row("Start-up against the floor", format("%.2f x", startup.dokkle / startup.floor));
    row("Hand-off: second launch to the new pin shown (median of 10)",
        format("%.0f ms", MedianHandOff(folder, 10)));

    eventRows();

    const IdleCpu floorIdle = FloorIdleCost();
    row("Idle floor, the minimal program with one 100 ms timer: CPU time per second of the program / of "
        "Wine's server",
        format("%.2f ms / %.2f ms", floorIdle.programPerSecond, floorIdle.serverPerSecond));
    for (int pins : {1, 5, 20}) idleRows(pins);

    WIN32_FILE_ATTRIBUTE_DATA executable{};
    GetFileAttributesExW((BuildFolder() + L"Dokkle.exe").c_str(), GetFileExInfoStandard, &executable);
    const unsigned long bytes = executable.nFileSizeLow;
    row("Size of Dokkle.exe", format("%lu bytes (%lu KiB)", bytes, bytes / 1024));

    const int result = enduranceCycles > 0 ? EnduranceRun(folder, enduranceCycles, table) : 0;
    std::fclose(table);
    RemoveFolder(folder);
    return result;
}

}  // namespace

// A program that cannot be started or a count that cannot be read stops the run with its reason.
int wmain(int argc, wchar_t** argv) {
    try {
        return Measure(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "DokkleBenchmark: %s\n", error.what());
        return 1;
    }
}
