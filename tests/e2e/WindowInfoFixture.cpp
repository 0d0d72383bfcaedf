#include "WindowInfoFixture.h"

#include <psapi.h>

#include "Screen.h"

namespace dokkle::e2e {
namespace {

constexpr UINT Patience = 5000;

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, Patience, &result);
    return static_cast<LRESULT>(result);
}

}  // namespace

POINT InfoDialog::Centre(ControlId id) const {
    const RECT bounds = RectOf(Control(id));
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

std::wstring InfoDialog::Text(ControlId id) const {
    const auto length = static_cast<size_t>(SendTo(Control(id), WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<size_t>(SendTo(Control(id), WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                                   reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied);
    return text;
}

std::vector<std::wstring> InfoDialog::ReportLines() const {
    const std::wstring report = Text(txtInfo);
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = report.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        lines.push_back(report.substr(start, end - start));
    }
    if (start != report.size()) lines.push_back(L"<no CR LF>");
    return lines;
}

void InfoDialog::SetText(ControlId id, const std::wstring& text) const {
    SendTo(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

ControlId InfoDialog::DefaultButton() const {
    return static_cast<ControlId>(LOWORD(SendTo(window_, DM_GETDEFID, 0, 0)));
}

ControlId InfoDialog::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return static_cast<ControlId>(GetDlgCtrlID(info.hwndFocus));
}

int InfoDialog::PrioritySelection() const {
    return static_cast<int>(SendTo(Control(cmbProcessPriority), CB_GETCURSEL, 0, 0));
}

void InfoDialog::Click(ControlId id) const {
    LeftClickAt(Centre(id));
}

bool InfoDialog::Responds() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, Patience, &result) != 0;
}

InfoDialog WindowInfoTest::OpenInfoAt(POINT point) {
    pin = PrickAt(point);
    return OpenInfo();
}

InfoDialog WindowInfoTest::OpenInfo() {
    if (!ChooseFromMenu(pin, {'I'})) ADD_FAILURE() << "the pin's menu did not open";
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = FindInfoDialog()) != nullptr; })) ADD_FAILURE() << "no dialog";
    // The focus is put on the first operation once the dialog shows.
    WaitUntil([&] { return InfoDialog(dialog).Focus() == cmdTopmost; }, 2000);
    if (dialog && !WaitUntil([&] { return DialogOnScreen(dialog); }, 3000))
        ADD_FAILURE() << "the dialog is not drawn";
    return InfoDialog(dialog);
}

HWND WindowInfoTest::FindInfoDialog() const {
    for (HWND window : dokkle->VisibleWindowsOfClass(L"#32770")) {
        if (TitleOf(window) == L"ウィンドウの情報と操作") return window;
    }
    return nullptr;
}

HWND WindowInfoTest::FindMessageBox() const {
    for (HWND window : dokkle->VisibleWindowsOfClass(L"#32770")) {
        if (TitleOf(window) == L"Dokkle") return window;
    }
    return nullptr;
}

std::wstring WindowInfoTest::MessageBoxText() {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox()) != nullptr; })) return L"";
    // The text of a message box is the static control 0xFFFF.
    HWND text = GetDlgItem(box, 0xFFFF);
    wchar_t buffer[512] = {};
    SendTo(text, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

bool WindowInfoTest::AnswerMessageBox(WORD key) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox()) != nullptr; })) return false;
    WaitUntil([&] { return GetForegroundWindow() == box; }, 2000);
    PressKey(key);
    return WaitUntil([&] { return !IsWindow(box); });
}

uint32_t WindowInfoTest::ExpectedPoint(HWND target) const {
    const RECT pinBounds = RectOf(pin);
    const RECT targetBounds = RectOf(target);
    const auto x = static_cast<uint16_t>(pinBounds.left + StandardTip.x - targetBounds.left);
    const auto y = static_cast<uint16_t>(pinBounds.top + StandardTip.y - targetBounds.top);
    return static_cast<uint32_t>(y) << 16 | x;
}

std::wstring Hex(uint64_t value) {
    wchar_t text[32];
    swprintf(text, 32, L"0x%08llX", static_cast<unsigned long long>(value));
    return text;
}

std::vector<std::wstring> ModuleLines(HANDLE process) {
    HMODULE modules[2048];
    DWORD needed = 0;
#ifdef _WIN64
    if (!EnumProcessModulesEx(process, modules, sizeof(modules), &needed, LIST_MODULES_ALL)) return {};
#else
    if (!EnumProcessModules(process, modules, sizeof(modules), &needed)) return {};
#endif
    std::vector<std::wstring> lines;
    for (DWORD index = 0; index < needed / sizeof(HMODULE); ++index) {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameExW(process, modules[index], path, MAX_PATH);
        lines.push_back(L"  - " + Hex(reinterpret_cast<uintptr_t>(modules[index])) + L" : " + path);
    }
    return lines;
}

}  // namespace dokkle::e2e
