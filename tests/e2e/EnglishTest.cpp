// Dokkle on an English display: the version box, both dialogs and the message boxes the user can reach
// are English, every caption fits its control, and each dialog's and the menu's access keys work.
#include <set>

#include "Screen.h"
#include "SelectDialogView.h"
#include "WindowInfoFixture.h"
#include "LocalWindow.h"
#include "common/Catalogue.h"
#include "common/Win32Handles.h"
#include "tools/SelectWindowLayout.h"

namespace dokkle::e2e {
namespace {

// The text for a failure message; characters beyond ASCII come out garbled.
std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

bool HasJapanese(const std::wstring& text) {
    for (wchar_t c : text) {
        if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    }
    return false;
}

std::wstring TextOfControl(HWND control) {
    wchar_t text[512] = {};
    SendMessageTimeoutW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000, nullptr);
    return text;
}

BOOL CALLBACK CollectControl(HWND control, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(control);
    return TRUE;
}

std::vector<HWND> ControlsOf(HWND window) {
    std::vector<HWND> controls;
    EnumChildWindows(window, CollectControl, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

// The English dialogs' font, as the window system makes it for this screen.
unique_hfont EnglishDialogFont(HDC dc) {
    const FontDesign& design = EnglishCatalogue().dialogFont;
    LOGFONTW font{};
    font.lfHeight = -MulDiv(design.points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = design.characterSet;
    lstrcpynW(font.lfFaceName, design.face, LF_FACESIZE);
    return unique_hfont(CreateFontIndirectW(&font));
}

// Every caption of the dialog (its title, labels, buttons, frames and list entries) is English and fits
// its control; each access key is there once.
void ExpectEnglishCaptionsThatFit(HWND dialog) {
    EXPECT_FALSE(HasJapanese(TitleOf(dialog))) << "the dialog's title";
    unique_hdc_window dc = dokkle::GetDC(dialog);
    const unique_hfont font = EnglishDialogFont(dc.get());
    unique_select_object selected(dc.get(), font.get());
    std::multiset<wchar_t> keys;
    for (HWND control : ControlsOf(dialog)) {
        const std::wstring kind = ClassOf(control), text = TextOfControl(control);
        const std::string name =
            std::string(kind.begin(), kind.end()) + " " + std::to_string(GetDlgCtrlID(control));
        const bool label = kind == L"Static", button = kind == L"Button";
        RECT client{};
        GetClientRect(control, &client);
        if (kind == L"ComboBox") {
            const auto count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
            EXPECT_GT(count, 0) << name;
            for (int index = 0; index < count; ++index) {
                wchar_t entry[128] = {};
                SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(entry));
                SIZE size{};
                GetTextExtentPoint32W(dc.get(), entry, lstrlenW(entry), &size);
                EXPECT_FALSE(HasJapanese(entry)) << name;
                EXPECT_LE(size.cx, client.right - GetSystemMetrics(SM_CXVSCROLL) - 6) << name << " " << index;
            }
        }
        if ((!label && !button) || text.empty()) continue;
        EXPECT_FALSE(HasJapanese(text)) << name;
        const size_t ampersand = text.find(L'&');
        if (ampersand != std::wstring::npos && ampersand + 1 < text.size())
            keys.insert(towupper(text[ampersand + 1]));
        // A button's face loses a few pixels to its edges.
        const int inset = button ? 6 : 0;
        RECT needed{0, 0, client.right - inset, 0};
        DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed,
                  DT_CALCRECT | (label ? DT_WORDBREAK : 0));
        EXPECT_LE(needed.right, client.right - inset) << name;
        EXPECT_LE(needed.bottom, client.bottom - (button ? 4 : 0)) << name;
    }
    for (wchar_t key : keys) EXPECT_EQ(keys.count(key), 1u) << "the access key " << static_cast<char>(key);
}

// A caption drawn as a menu draws an item's: the menu font, the menu's text colour on its background, the
// access key underlined. Pixels top row first, 0x00RRGGBB.
struct DrawnCaption {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

DrawnCaption DrawAsMenuItem(const std::wstring& caption) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const unique_hfont font(CreateFontIndirectW(&metrics.lfMenuFont));
    unique_hdc_window screen = dokkle::GetDC(nullptr);
    const unique_hdc memory(CreateCompatibleDC(screen.get()));
    unique_select_object selected(memory.get(), font.get());
    RECT bounds{0, 0, 0, 0};
    DrawTextW(memory.get(), caption.c_str(), -1, &bounds, DT_CALCRECT | DT_SINGLELINE);
    DrawnCaption drawn{bounds.right, bounds.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), drawn.width, -drawn.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const unique_hbitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    unique_select_object canvas(memory.get(), bitmap.get());
    const COLORREF background = GetSysColor(COLOR_MENU);
    const unique_hbrush brush(CreateSolidBrush(background));
    FillRect(memory.get(), &bounds, brush.get());
    SetTextColor(memory.get(), GetSysColor(COLOR_MENUTEXT));
    SetBkMode(memory.get(), TRANSPARENT);
    DrawTextW(memory.get(), caption.c_str(), -1, &bounds, DT_SINGLELINE);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    drawn.pixels.assign(source, source + drawn.width * drawn.height);
    for (uint32_t& pixel : drawn.pixels) pixel &= 0xFFFFFF;
    return drawn;
}

// Whether the caption shows anywhere in the area of the picture, pixel for pixel.
bool Shows(const Screenshot& shot, const RECT& area, const DrawnCaption& caption) {
    for (int top = area.top; top + caption.height <= area.bottom; ++top) {
        for (int left = area.left; left + caption.width <= area.right; ++left) {
            bool same = true;
            for (int y = 0; same && y < caption.height; ++y) {
                for (int x = 0; same && x < caption.width; ++x) {
                    const uint32_t pixel = caption.pixels[static_cast<size_t>(y * caption.width + x)];
                    const Colour seen = shot.At(left + x, top + y);
                    same = seen.red == static_cast<int>(pixel >> 16 & 0xFF) &&
                           seen.green == static_cast<int>(pixel >> 8 & 0xFF) &&
                           seen.blue == static_cast<int>(pixel & 0xFF);
                }
            }
            if (same) return true;
        }
    }
    return false;
}

class English : public WindowInfoTest {
  protected:
    void SetUp() override {
        ASSERT_NE(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_JAPANESE)
            << "this suite runs on an English display";
        WindowInfoTest::SetUp();
    }

    HWND DialogTitled(const std::wstring& title) const {
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND window : dokkle->VisibleWindowsOfClass(L"#32770")) {
                if (TitleOf(window) == title && DialogOnScreen(window)) found = window;
            }
            return found != nullptr;
        });
        return found;
    }

    // The texts of the message box's static text and buttons; the box is left open.
    std::vector<std::wstring> MessageBoxTexts() {
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindMessageBox()) != nullptr; });
        return box ? TextsOf(box) : std::vector<std::wstring>{};
    }

    void ExpectEnglishMessage(const std::wstring& expected) {
        const std::vector<std::wstring> texts = MessageBoxTexts();
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
            << "no box saying " << Narrow(expected);
        for (const std::wstring& text : texts) EXPECT_FALSE(HasJapanese(text));
    }

    static bool BringToFront(HWND window) {
        SetForegroundWindow(window);
        return WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
    }
};

TEST_F(English, BothDialogsAreEnglishWithCaptionsThatFitAndAccessKeysThatWork) {
    TargetProcess target;
    pin = PrickAt(target.FreePoint());

    // The selection dialog; its refresh by its access key lists a window that came meanwhile.
    ASSERT_TRUE(ChooseFromMenu(pin, {'H'}));
    const SelectDialogView view(SelectDialogView::WaitForDialog(dokkle->Id(), 5000, L"Select Window"));
    ASSERT_NE(view.Handle(), nullptr);
    ExpectEnglishCaptionsThatFit(view.Handle());
    LocalWindow later({.title = L"Came later", .bounds = {40, 60, 300, 260}});
    EXPECT_FALSE(view.LineOf(later.Handle()));
    ASSERT_TRUE(BringToFront(view.Handle()));
    PressKeys({VK_MENU, 'R'});
    EXPECT_TRUE(WaitUntil([&] { return view.LineOf(later.Handle()).has_value(); }));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(view.Handle()); }));

    // The information dialog; "Not on Top" and "Always on Top" by their access keys.
    ASSERT_TRUE(ChooseFromMenu(pin, {'I'}));
    const InfoDialog dialog(DialogTitled(L"Window Info and Actions"));
    ASSERT_TRUE(dialog);
    ExpectEnglishCaptionsThatFit(dialog.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog.Window(); }));
    PressKeys({VK_MENU, 'N'});
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.Window()); }));
    // Moved in the z-order, the target became the active window.
    ASSERT_TRUE(BringToFront(dialog.Window()));
    PressKeys({VK_MENU, 'T'});
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.Window()); }));
    ASSERT_TRUE(BringToFront(dialog.Window()));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }));

    // The menu's last item by its English key: "Pull Out".
    ASSERT_TRUE(ChooseFromMenu(pin, {'O'}));
    EXPECT_TRUE(dokkle->WaitForExit(3000));
}

// Another program's menu cannot be read: its captions are looked for in a picture of it.
TEST_F(English, TheMenuShowsItsEnglishCaptions) {
    TargetProcess target;
    pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(OpenMenuOf(pin));
    MoveMouseTo(POINT{1000, 740});  // off the menu, which then highlights no item
    PumpMessagesFor(300);           // time for the menu to be drawn on the screen
    const RECT area = RectOf(OpenMenuWindow());
    const Screenshot shot(area);
    for (const wchar_t* caption :
         {L"Fix &Size", L"Fix &Position", L"Stick by &Handle...", L"Stick into &Child Windows",
          L"&Info and Actions...", L"&Design", L"&Version Information", L"Pull &Out"}) {
        EXPECT_TRUE(Shows(shot, area, DrawAsMenuItem(caption))) << Narrow(caption);
    }
    // The same check finds no caption that is not there.
    EXPECT_FALSE(Shows(shot, area, DrawAsMenuItem(L"Fix &Sizes")));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return OpenMenuWindow() == nullptr; }));
}

TEST_F(English, TheVersionBoxTheReportAndEveryMessageBoxAreEnglish) {
    TargetProcess target;
    pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(ChooseFromMenu(pin, {'V'}));
    ExpectEnglishMessage(L"Dokkle version " DOKKLE_VERSION_TEXT
                         L"\r\nCopyright (C) 2026 The Dokkle developers. Free to use, copy and change."
                         L"\r\nHotkey: Ctrl+Alt+P");
    ASSERT_TRUE(AnswerMessageBox(VK_RETURN));

    ASSERT_TRUE(ChooseFromMenu(pin, {'I'}));
    const InfoDialog dialog(DialogTitled(L"Window Info and Actions"));
    ASSERT_TRUE(dialog);
    const std::vector<std::wstring> report = dialog.ReportLines();
    ASSERT_GE(report.size(), 17u);
    EXPECT_EQ(report[0], L"Title      : \"" + TitleOf(target.Window()) + L"\"");
    EXPECT_EQ(report[13], L"Process    :");
    for (const std::wstring& line : report) EXPECT_FALSE(HasJapanese(line)) << Narrow(line);

    dialog.SetText(txtWidth, L"0");
    dialog.Click(cmdResize);
    ExpectEnglishMessage(L"The position or size is not valid.");
    ASSERT_TRUE(AnswerMessageBox(VK_RETURN));

    dialog.Click(cmdTerminateProcess);
    ExpectEnglishMessage(L"Do you want to force this process to end?");
    ASSERT_TRUE(AnswerMessageBox('N'));
    EXPECT_TRUE(target.IsRunning());

    // Closing the target by its access key: the refresh a second later finds it gone.
    const std::wstring handle = Hex(reinterpret_cast<uintptr_t>(target.Window()));
    ASSERT_TRUE(BringToFront(dialog.Window()));
    PressKeys({VK_MENU, 'C'});
    ExpectEnglishMessage(L"The window with handle " + handle + L" has been closed.");
    ASSERT_TRUE(AnswerMessageBox(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog.Window()); }));
}

}  // namespace
}  // namespace dokkle::e2e
