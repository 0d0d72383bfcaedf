// Thousands of pick-up and drop cycles, with design changes between, on one pin: the process's GDI
// objects, windows, handles and memory must stay flat, and the cursor must end up shown.
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchmarkSupport.h"
#include "Desktop.h"
#include "DokkleProcess.h"
#include "GdiHandleTable.h"

using namespace dokkle::e2e;

namespace {

constexpr POINT StandardTip{12, 37};
constexpr POINT StandardPrickedKnob{12, 22};

struct Resources {
    int gdiObjects = -1;
    int windows = 0;
    int handles = 0;
    SIZE_T memory = 0;
};

// GetProcessHandleCount answers nothing for another process under Wine: count the handle values that
// can be duplicated instead.
int CountHandles(HANDLE process) {
    int count = 0;
    for (uintptr_t value = 4; value < 0x10000; value += 4) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                            DUPLICATE_SAME_ACCESS)) {
            ++count;
            CloseHandle(copy);
        }
    }
    return count;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM parameter) {
    auto* count = reinterpret_cast<std::pair<DWORD, int>*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->first) {
        ++count->second;
        EnumChildWindows(window, CountWindow, parameter);
    }
    return TRUE;
}

// GetGuiResources is a stub under Wine: GDI objects come from the process's handle table, and the
// windows it owns stand for its USER objects.
Resources Measure(const DokkleProcess& dokkle) {
    Resources resources;
    resources.gdiObjects = dokkle::testing::CountGdiObjects(dokkle.Handle()).value_or(-1);
    std::pair<DWORD, int> windows{dokkle.Id(), 0};
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&windows));
    resources.windows = windows.second;
    resources.handles = CountHandles(dokkle.Handle());
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(dokkle.Handle(), &memory, sizeof(memory));
    resources.memory = memory.PagefileUsage;
    return resources;
}

POINT Origin(HWND pin) {
    const RECT bounds = RectOf(pin);
    return POINT{bounds.left, bounds.top};
}

bool CursorShowing() {
    CURSORINFO cursor{};
    cursor.cbSize = sizeof(cursor);
    GetCursorInfo(&cursor);
    return (cursor.flags & CURSOR_SHOWING) != 0;
}

// Press on the knob, drag sideways, release: the pin is picked up and dropped 10 pixels away, as the
// end-to-end tests drive it.
bool PickUpAndDrop(HWND pin, int step) {
    const POINT origin = Origin(pin);
    const POINT knob{origin.x + StandardPrickedKnob.x, origin.y + StandardPrickedKnob.y};
    MoveMouseTo(knob);
    LeftPress();
    MoveMouseTo(POINT{knob.x + step, knob.y + StandardTip.y - StandardPrickedKnob.y});
    const bool carried = WaitUntil([] { return !CursorShowing(); }, 1000);
    LeftRelease();
    return WaitUntil([&] { return CursorShowing() && Origin(pin).x == origin.x + step; }, 3000) && carried;
}

bool ChooseDesign(const DokkleProcess& dokkle, HWND pin, int position) {
    const POINT origin = Origin(pin);
    RightClickAt(POINT{origin.x + StandardPrickedKnob.x, origin.y + StandardPrickedKnob.y});
    if (!WaitUntil([&] { return !dokkle.VisibleWindowsOfClass(L"#32768").empty(); }, 3000)) return false;
    PressKey('D');
    for (int i = 0; i < position; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    return WaitUntil([&] { return dokkle.VisibleWindowsOfClass(L"#32768").empty(); }, 3000);
}

// Where a design stands in the menu: the design folder in the order the file system lists it.
int MenuPosition(const std::wstring& folder, const std::wstring& design) {
    int position = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"design\\*.bmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (design == found.cFileName) break;
        ++position;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return position;
}

std::string Describe(const Resources& resources) {
    char text[160];
    std::snprintf(text, sizeof(text), "%d GDI objects, %d windows, %d handles, %.2f MiB committed",
                  resources.gdiObjects, resources.windows, resources.handles, resources.memory / 1048576.0);
    return text;
}

}  // namespace

int EnduranceRun(const std::wstring& folder, int cycles, std::FILE* table) {
    dokkle::benchmark::BenchmarkWindows windows;
    windows.Add(RECT{150, 150, 750, 600}, L"Endurance target");
    PumpMessagesFor(300);

    const POINT start{450, 380};
    MoveMouseTo(start);
    DokkleProcess dokkle(folder);
    dokkle.WaitForPinCount(1);
    HWND pin = dokkle.Pins().front();
    WaitUntil(
        [&] { return Origin(pin).x == start.x - StandardTip.x && Origin(pin).y == start.y - StandardTip.y; });
    LeftClickAt(start);
    PumpMessagesFor(300);
    // Two designs of the same shape, so the pin's knob stays where the cycles press.
    const int designs[2]{MenuPosition(folder, L"Sky Blue.bmp"), MenuPosition(folder, L"Standard Red.bmp")};
    // The first cycles and the first menu create objects the system keeps for the process's life (some 25
    // GDI objects under Wine at the first menu, none at later ones): measure after them.
    PickUpAndDrop(pin, 10);
    PickUpAndDrop(pin, -10);
    ChooseDesign(dokkle, pin, designs[1]);
    const Resources before = Measure(dokkle);

    const double began = static_cast<double>(GetTickCount64());
    int failures = 0, designChanges = 0;
    for (int cycle = 0; cycle < cycles && dokkle.IsRunning(); ++cycle) {
        if (!PickUpAndDrop(pin, cycle % 2 ? -10 : 10)) {
            if (++failures <= 5)
                std::printf("cycle %d did not complete: cursor %s, pin at (%ld, %ld)\n", cycle,
                            CursorShowing() ? "shown" : "hidden", Origin(pin).x, Origin(pin).y);
        }
        if (cycle % 500 == 499 && ChooseDesign(dokkle, pin, designs[designChanges % 2])) ++designChanges;
    }
    PumpMessagesFor(500);
    const Resources after = Measure(dokkle);
    CURSORINFO cursor{};
    cursor.cbSize = sizeof(cursor);
    GetCursorInfo(&cursor);
    const double minutes = (static_cast<double>(GetTickCount64()) - began) / 60000.0;

    char measure[200], result[400];
    // The time taken goes with the result, so that two runs' rows match by their measure.
    std::snprintf(measure, sizeof(measure),
                  "Endurance: %d pick-up/drop cycles and %d design changes on one pin", cycles,
                  designChanges);
    std::snprintf(result, sizeof(result),
                  "before: %s; after: %s; cycles that did not complete: %d; cursor %s; %.1f minutes",
                  Describe(before).c_str(), Describe(after).c_str(), failures,
                  cursor.flags & CURSOR_SHOWING ? "shown" : "hidden", minutes);
    std::fprintf(table, "| %s | %s |\n", measure, result);
    std::printf("%s: %s\n", measure, result);
    windows.Clear();
    return dokkle.IsRunning() && before.gdiObjects == after.gdiObjects && before.windows == after.windows &&
                   before.handles == after.handles
               ? 0
               : 1;
}
