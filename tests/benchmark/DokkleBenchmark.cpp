// Measures the real Dokkle.exe under the window system it runs on: start-up against a floor, the
// hand-off, how fast a pin follows its target, what pins cost while idle, memory, and an endurance run.
// Usage: DokkleBenchmark <table.md> [endurance cycles]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Desktop.h"
#include "DokkleProcess.h"
#include "GdiHandleTable.h"

using namespace dokkle::e2e;

namespace {

constexpr POINT StandardTip{12, 37};
constexpr POINT StandardPrickedKnob{12, 22};

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const size_t rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::min(values.size() - 1, rank == 0 ? 0 : rank - 1)];
}

// Plain windows of this process for pins to be stuck into, and one more to hold the activation.
class BenchmarkWindows {
  public:
    BenchmarkWindows() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = L"DokkleBenchmarkWindow";
        RegisterClassExW(&windowClass);
    }
    ~BenchmarkWindows() { Clear(); }

    HWND Add(RECT bounds, const wchar_t* title = L"Benchmark target") {
        HWND window = CreateWindowExW(0, L"DokkleBenchmarkWindow", title, WS_OVERLAPPEDWINDOW, bounds.left,
                                      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(window, SW_SHOW);
        windows_.push_back(window);
        PumpMessagesFor(100);
        return window;
    }
    void Clear() {
        for (HWND window : windows_) DestroyWindow(window);
        windows_.clear();
    }

  private:
    std::vector<HWND> windows_;
};

POINT CentreOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(window, &centre);
    return centre;
}

POINT OriginOf(HWND pin) {
    const RECT bounds = RectOf(pin);
    return POINT{bounds.left, bounds.top};
}

bool HangsAt(HWND pin, POINT point) {
    const POINT origin = OriginOf(pin);
    return origin.x == point.x - StandardTip.x && origin.y == point.y - StandardTip.y;
}

HWND NewestPin(const DokkleProcess& dokkle, const std::vector<HWND>& known) {
    for (HWND pin : dokkle.Pins()) {
        if (std::find(known.begin(), known.end(), pin) == known.end()) return pin;
    }
    return nullptr;
}

// A new pin, by a first launch or a hand-off, stuck into the window under the point.
HWND PrickNewPin(std::unique_ptr<DokkleProcess>& dokkle, const std::wstring& folder, POINT at) {
    MoveMouseTo(at);
    std::vector<HWND> known;
    if (!dokkle) {
        dokkle = std::make_unique<DokkleProcess>(folder);
    } else {
        known = dokkle->Pins();
        DokkleProcess launch(folder);
        launch.WaitForExit(5000);
    }
    HWND pin = nullptr;
    WaitUntil([&] {
        pin = NewestPin(*dokkle, known);
        return pin && HangsAt(pin, at);
    });
    LeftClickAt(at);
    PumpMessagesFor(150);
    return pin;
}

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

struct Spread {
    double median, p90, p99;
};

Spread FollowLatency(const std::wstring& folder, int moves) {
    BenchmarkWindows windows;
    HWND target = windows.Add(RECT{200, 150, 700, 550});
    std::unique_ptr<DokkleProcess> dokkle;
    HWND pin = PrickNewPin(dokkle, folder, CentreOf(target));
    std::mt19937 random(7);
    std::vector<double> latencies;
    for (int move = 0; move < moves; ++move) {
        PumpMessagesFor(20 + static_cast<int>(random() % 160));
        const RECT bounds = RectOf(target);
        const int dx = (move % 2 ? -1 : 1) * static_cast<int>(5 + random() % 40);
        const POINT expected{OriginOf(pin).x + dx, OriginOf(pin).y};
        const double start = Now();
        SetWindowPos(target, nullptr, bounds.left + dx, bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        while (OriginOf(pin).x != expected.x && Now() - start < 2000) PumpMessagesFor(1);
        latencies.push_back(Now() - start);
    }
    return {Percentile(latencies, 0.5), Percentile(latencies, 0.9), Percentile(latencies, 0.99)};
}

std::string ReadSmallFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    char buffer[4096];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

// User plus system time of a Linux process, from its /proc/PID/stat, in clock ticks of 10 ms.
std::optional<double> LinuxCpuMilliseconds(const std::wstring& procFolder) {
    const std::string stat = ReadSmallFile(procFolder + L"stat");
    const size_t fields = stat.rfind(')');  // the command name before it may hold anything
    unsigned long long user = 0, system = 0;
    if (fields == std::string::npos ||
        std::sscanf(stat.c_str() + fields + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu",
                    &user, &system) != 2) {
        return std::nullopt;
    }
    return static_cast<double>(user + system) * 10.0;
}

// The first Linux process whose folder in /proc passes the test.
template <typename Test>
std::optional<std::wstring> FindLinuxProcess(Test test) {
    std::optional<std::wstring> process;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    do {
        const std::wstring name = found.cFileName;
        if (name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        const std::wstring folder = L"Z:\\proc\\" + name + L"\\";
        if (test(folder)) process = folder;
    } while (!process && FindNextFileW(search, &found));
    FindClose(search);
    return process;
}

// The Linux process that runs the Windows program: its command line starts with the program's path.
std::optional<std::wstring> HostProcessOf(const std::wstring& executable) {
    const std::string wanted(executable.begin(), executable.end());
    return FindLinuxProcess(
        [&](const std::wstring& folder) { return ReadSmallFile(folder + L"cmdline").rfind(wanted, 0) == 0; });
}

// Wine's server for this prefix: every call on another process's window goes through it, so what a
// program costs while idle is its own time and the server's.
std::optional<std::wstring> WineServerProcess() {
    wchar_t prefix[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    const std::string wanted =
        std::string(1, '\0') + "WINEPREFIX=" + std::string(prefix, prefix + length) + '\0';
    return FindLinuxProcess([&](const std::wstring& folder) {
        const std::string command = ReadSmallFile(folder + L"cmdline");
        const std::string program = command.substr(0, command.find('\0'));
        if (program.find("wineserver") == std::string::npos) return false;
        return ('\0' + ReadSmallFile(folder + L"environ")).find(wanted) != std::string::npos;
    });
}

double CpuMillisecondsOf(const std::wstring& process) {
    const auto milliseconds = LinuxCpuMilliseconds(process);
    if (!milliseconds) throw std::runtime_error("the CPU time of a process could not be read");
    return *milliseconds;
}

// Waits without waking up on its own, so the benchmark adds nothing to the server's count; what it is
// sent is still handled.
void WaitQuietlyFor(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

struct IdleCpu {
    double programPerSecond, serverPerSecond;
};

// CPU per second of the program's Linux process and of Wine's server, over 20 quiet seconds.
IdleCpu MeasureIdleCpu(const std::wstring& executable) {
    const auto program = HostProcessOf(executable);
    const auto server = WineServerProcess();
    if (!program) throw std::runtime_error("the Linux process of the program was not found");
    if (!server) throw std::runtime_error("the Linux process of Wine's server was not found");
    const auto linuxId = [](const std::wstring& folder) { return _wtoi(folder.c_str() + 8); };  // Z:\proc\N
    std::printf("measuring idle CPU of Linux processes %d and %d\n", linuxId(*program), linuxId(*server));
    std::fflush(stdout);
    const double programBefore = CpuMillisecondsOf(*program), serverBefore = CpuMillisecondsOf(*server);
    const double start = Now();
    WaitQuietlyFor(20000);  // Linux counts process time in 10 ms steps
    const double seconds = (Now() - start) / 1000.0;
    return {(CpuMillisecondsOf(*program) - programBefore) / seconds,
            (CpuMillisecondsOf(*server) - serverBefore) / seconds};
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
    // DOKKLE_IDLE_PINS=N measures only the idle cost of N pins, for looking into it with outside tools.
    if (const wchar_t* idlePins = _wgetenv(L"DOKKLE_IDLE_PINS"); idlePins && _wtoi(idlePins) > 0) {
        idleRows(_wtoi(idlePins));
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

    const Spread follow = FollowLatency(folder, 200);
    row("Follow latency: target moved 200 times, until the pin stands at its new place (median / 90th / "
        "99th)",
        format("%.0f / %.0f / %.0f ms", follow.median, follow.p90, follow.p99));

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
