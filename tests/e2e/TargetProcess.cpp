#include "TargetProcess.h"

#include <atomic>
#include <cstdio>

#include "Desktop.h"
#include "Screen.h"

namespace dokkle::e2e {
namespace {

// The background of TestTarget's owned pop-up.
constexpr COLORREF OwnedPopupColour = RGB(255, 255, 224);

std::wstring NewRecordFile() {
    static std::atomic<int> counter{0};
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    return std::wstring(temporary) + L"dokkle-target-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++counter) + L".log";
}

std::wstring Arguments(const TargetOptions& options, const std::wstring& recordFile) {
    wchar_t geometry[128];
    swprintf(geometry, 128, L"--rect %ld %ld %ld %ld --colour %06lx", options.bounds.left, options.bounds.top,
             options.bounds.right - options.bounds.left, options.bounds.bottom - options.bounds.top,
             static_cast<unsigned long>(options.colour));
    std::wstring arguments = L"--title \"" + options.title + L"\" " + geometry;
    if (options.withButton) arguments += L" --button";
    if (options.withOwnedPopup) arguments += L" --owned";
    if (!recordFile.empty()) arguments += L" --record \"" + recordFile + L"\"";
    if (options.refuseClose) arguments += L" --refuse-close";
    if (options.vanishWhenTopmost) arguments += L" --vanish-when-topmost";
    if (options.closePinsWhenUnpinned) arguments += L" --close-pins-when-unpinned";
    if (options.raiseEvents) arguments += L" --raise-events";
    if (options.noisyEventsPerSecond > 0) {
        arguments += L" --noisy-window " + std::to_wstring(options.noisyEventsPerSecond);
    }
    if (!options.loadLibrary.empty()) arguments += L" --load " + options.loadLibrary;
    return arguments;
}

// Whether the X server shows the colour at the point of a window's client area: it does once that window is
// on top there and painted.
bool ShowsColourAt(HWND window, POINT client, COLORREF colour) {
    POINT point = client;
    ClientToScreen(window, &point);
    if (!MonitorFromPoint(point, MONITOR_DEFAULTTONULL)) return false;
    return SameColour(Screenshot(RECT{point.x, point.y, point.x + 1, point.y + 1}).At(point.x, point.y),
                      colour);
}

POINT ClientCentre(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return POINT{client.right / 2, client.bottom / 2};
}

}  // namespace

TargetProcess::TargetProcess(const TargetOptions& options)
    : TargetProcess(options, options.recordMessages ? NewRecordFile() : std::wstring()) {}

TargetProcess::TargetProcess(const TargetOptions& options, std::wstring recordFile)
    : ChildProcess(options.executable.empty() ? BuildFolder() + L"TestTarget.exe" : options.executable,
                   Arguments(options, recordFile), BuildFolder()),
      recordFile_(std::move(recordFile)) {
    WaitUntil([&] {
        const auto windows = VisibleWindowsOfClass(L"DokkleTestTarget");
        window_ = windows.empty() ? nullptr : windows.front();
        return window_ != nullptr && (!options.withOwnedPopup || OwnedPopup() != nullptr);
    });
    if (options.priorityClass != 0) SetPriorityClass(Handle(), options.priorityClass);
    // Clicks follow the X stacking order: wait until the X server shows the new window on top, in its colour,
    // where the tests click (the pop-up, if there is one, lies over the main window's free point).
    WaitUntil([&] {
        if (!window_) return false;
        if (options.withOwnedPopup)
            return ShowsColourAt(OwnedPopup(), ClientCentre(OwnedPopup()), OwnedPopupColour);
        POINT free = FreePoint();
        ScreenToClient(window_, &free);
        return ShowsColourAt(window_, free, options.colour);
    });
}

TargetProcess::~TargetProcess() {
    Kill();
    if (!recordFile_.empty()) DeleteFileW(recordFile_.c_str());
}

HWND TargetProcess::Button() const {
    return FindWindowExW(window_, nullptr, L"BUTTON", nullptr);
}

HWND TargetProcess::OwnedPopup() const {
    const auto windows = VisibleWindowsOfClass(L"DokkleTestOwned");
    return windows.empty() ? nullptr : windows.front();
}

POINT TargetProcess::FreePoint() const {
    RECT client{};
    GetClientRect(window_, &client);
    POINT point{client.right - 60, client.bottom - 50};
    ClientToScreen(window_, &point);
    return point;
}

POINT TargetProcess::ButtonCentre() const {
    const RECT button = RectOf(Button());
    return POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
}

std::vector<RecordedMessage> TargetProcess::RecordedMessages() const {
    std::vector<RecordedMessage> messages;
    HANDLE file =
        CreateFileW(recordFile_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return messages;
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
    unsigned message = 0;
    unsigned long wParam = 0, lParam = 0;
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        if (sscanf(text.c_str() + start, "%x %lx %lx", &message, &wParam, &lParam) == 3) {
            messages.push_back({message, static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam)});
        }
    }
    return messages;
}

}  // namespace dokkle::e2e
