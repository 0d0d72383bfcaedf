#include "BenchmarkSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "Desktop.h"

namespace dokkle::benchmark {

using namespace dokkle::e2e;

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

Spread SpreadOf(const std::vector<double>& values) {
    return {Percentile(values, 0.5), Percentile(values, 0.9), Percentile(values, 0.99),
            *std::max_element(values.begin(), values.end())};
}

BenchmarkWindows::BenchmarkWindows() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"DokkleBenchmarkWindow";
    RegisterClassExW(&windowClass);
}

HWND BenchmarkWindows::Add(RECT bounds, const wchar_t* title) {
    HWND window = CreateWindowExW(0, L"DokkleBenchmarkWindow", title, WS_OVERLAPPEDWINDOW, bounds.left,
                                  bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    windows_.push_back(window);
    PumpMessagesFor(100);
    return window;
}

void BenchmarkWindows::Clear() {
    for (HWND window : windows_) DestroyWindow(window);
    windows_.clear();
}

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

namespace {

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

}  // namespace

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

namespace {

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

}  // namespace

void WaitQuietlyFor(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

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

double MeasureServerCpu() {
    const auto server = WineServerProcess();
    if (!server) throw std::runtime_error("the Linux process of Wine's server was not found");
    const double before = CpuMillisecondsOf(*server);
    const double start = Now();
    WaitQuietlyFor(20000);
    return (CpuMillisecondsOf(*server) - before) / ((Now() - start) / 1000.0);
}

}  // namespace dokkle::benchmark
