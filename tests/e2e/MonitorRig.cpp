#include "MonitorRig.h"

#include <cstdlib>

namespace dokkle::e2e {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM monitors) {
    reinterpret_cast<std::vector<RECT>*>(monitors)->push_back(*bounds);
    return TRUE;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

bool HasMonitors(const std::vector<RECT>& expected) {
    const std::vector<RECT> now = Monitors();
    if (now.size() != expected.size()) return false;
    for (const RECT& monitor : expected) {
        bool found = false;
        for (const RECT& present : now) found = found || SameRect(present, monitor);
        if (!found) return false;
    }
    return true;
}

// Runs the X server's own xrandr (a Linux program, which Wine starts as it is) with the arguments. Its
// end cannot be waited for through the handle Wine gives back; the caller waits for what it changes.
bool RunXrandr(const std::wstring& arguments) {
    const wchar_t* path = _wgetenv(L"DOKKLE_XRANDR");
    if (!path || !*path) return false;
    std::wstring program = std::wstring(L"Z:") + path;
    for (wchar_t& character : program) {
        if (character == L'/') character = L'\\';
    }
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool unplugged = false;

}  // namespace

std::vector<RECT> Monitors() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

bool OnAMonitor(POINT point) {
    return MonitorFromPoint(point, MONITOR_DEFAULTTONULL) != nullptr;
}

std::string Describe(const RECT& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

void MonitorRigTest::SetUp() {
    const char* asked = std::getenv("DOKKLE_MONITORS");
    if (!asked || std::string(asked) != "2") {
        GTEST_SKIP()
            << "needs the desktop of two monitors: scripts/with-monitors, or DOKKLE_MONITORS=2 in CTest";
    }
    ASSERT_TRUE(HasMonitors({PrimaryMonitor, LeftMonitor}))
        << Monitors().size() << " monitors, the first at " << Describe(Monitors().front());
    ASSERT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1280);
    ASSERT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 3200);
    PinTest::SetUp();
}

void MonitorRigTest::TearDown() {
    PinTest::TearDown();
    if (unplugged) {
        EXPECT_TRUE(PlugInLeftMonitor()) << "the left monitor did not come back";
    }
}

bool MonitorRigTest::UnplugLeftMonitor() {
    if (!RunXrandr(L"--output DUMMY1 --off")) return false;
    unplugged = true;
    return WaitUntil([] { return HasMonitors({PrimaryMonitor}); });
}

bool MonitorRigTest::PlugInLeftMonitor() {
    if (!RunXrandr(
            L"--output DUMMY1 --mode 1280x1024 --pos 0x176 --output DUMMY0 --mode 1920x1200 --pos 1280x0 "
            L"--primary")) {
        return false;
    }
    const bool back = WaitUntil([] { return HasMonitors({PrimaryMonitor, LeftMonitor}); });
    if (back) unplugged = false;
    return back;
}

}  // namespace dokkle::e2e
