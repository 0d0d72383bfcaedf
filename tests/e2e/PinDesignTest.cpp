// Choosing a pin's design from its menu: the pin redraws, the choice is remembered for new pins.
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "PinFixture.h"
#include "Screen.h"
#include "common/WholeFile.h"

namespace dokkle::e2e {
namespace {

enum class Tint { Red, Blue, Other };

// The tint of the pin's strongly coloured pixels: the knob and collar of its design.
Tint TintOf(HWND pin) {
    const RECT bounds = RectOf(pin);
    const Screenshot shot(bounds);
    long red = 0, blue = 0;
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            const Colour c = shot.At(x, y);
            const int high = std::max({c.red, c.green, c.blue}), low = std::min({c.red, c.green, c.blue});
            if (high - low < 60) continue;
            if (c.red == high) ++red;
            if (c.blue == high) ++blue;
        }
    }
    if (red > 3 * blue && red > 20) return Tint::Red;
    if (blue > 3 * red && blue > 20) return Tint::Blue;
    return Tint::Other;
}

void WriteText(const std::wstring& path, const std::string& text) {
    std::ofstream file(path.c_str(), std::ios::binary);
    file << text;
}

class PinDesign : public PinTest {
  protected:
    // The menu lists the folder in the order the file system gives its names.
    size_t MenuPosition(const std::wstring& design) const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"design\\*.bmp").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes &
                      (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
                    names.push_back(found.cFileName);
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        return static_cast<size_t>(std::find(names.begin(), names.end(), design) - names.begin());
    }

    bool ChooseDesign(HWND pin, const std::wstring& design) {
        const size_t position = MenuPosition(design);
        if (!OpenMenuOf(pin)) return false;
        PressKey('D');
        for (size_t i = 0; i < position; ++i) PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        return WaitUntil([&] { return OpenMenuWindow() == nullptr; }, 2000);
    }

    std::wstring RememberedDesign() const {
        wchar_t remembered[256] = {};
        const std::wstring settings = folder + L"Dokkle.ini";
        GetPrivateProfileStringW(L"Design", L"FileName", L"", remembered, 256, settings.c_str());
        return remembered;
    }

    // A second launch from the same folder: the running copy opens a new pin on the cursor.
    HWND NewPinAt(POINT point) {
        const auto before = dokkle->Pins();
        MoveMouseTo(point);
        DokkleProcess launch(folder);
        launch.WaitForExit(5000);
        HWND created = nullptr;
        WaitUntil([&] {
            for (HWND pin : dokkle->Pins()) {
                if (std::find(before.begin(), before.end(), pin) == before.end()) created = pin;
            }
            return created != nullptr;
        });
        return created;
    }
};

TEST_F(PinDesign, AChoiceRedrawsThatPinAloneAndIsRememberedForNewPins) {
    TargetOptions leftOptions, rightOptions;
    leftOptions.bounds = RECT{40, 100, 440, 500};
    rightOptions.bounds = RECT{520, 100, 920, 500};
    TargetProcess left(leftOptions), right(rightOptions);
    HWND first = PrickAt(left.FreePoint());
    HWND second = NewPinAt(right.FreePoint());
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return PinHangsAt(second, right.FreePoint()); }));
    LeftClickAt(right.FreePoint());
    ASSERT_TRUE(WaitUntil([&] { return StuckInto(second, right.Window()); }));
    ASSERT_TRUE(WaitUntil([&] { return TintOf(first) == Tint::Red; }));

    ASSERT_TRUE(ChooseDesign(first, L"Sky Blue.bmp"));
    MoveMouseTo(POINT{980, 740});
    EXPECT_TRUE(WaitUntil([&] { return TintOf(first) == Tint::Blue; }));
    // The other pin keeps its red: looked at once the screen shows it over its window again.
    EXPECT_TRUE(ShowPinOverTarget(second, right.Window()));
    EXPECT_EQ(TintOf(second), Tint::Red);
    EXPECT_EQ(FileText(folder + L"Dokkle.ini"), "[Design]\r\nFileName=Sky Blue.bmp\r\n");

    HWND third = NewPinAt(POINT{700, 650});
    ASSERT_NE(third, nullptr);
    MoveMouseTo(POINT{700, 650});
    EXPECT_TRUE(WaitUntil([&] { return TintOf(third) == Tint::Blue; }));
}

TEST_F(PinDesign, ANameBeyondTheAnsiCodePageListsAppliesAndIsRemembered) {
    const std::wstring name = L"ピン \u0142\u20AC.bmp";
    CopyFileW((folder + L"design\\Sky Blue.bmp").c_str(), (folder + L"design\\" + name).c_str(), FALSE);
    CopyFileW((folder + L"design\\Sky Blue.bmp.cfg").c_str(), (folder + L"design\\" + name + L".cfg").c_str(),
              FALSE);
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(ChooseDesign(pin, name));
    MoveMouseTo(POINT{980, 740});
    EXPECT_TRUE(WaitUntil([&] { return TintOf(pin) == Tint::Blue; }));

    wchar_t remembered[256] = {};
    GetPrivateProfileStringW(L"Design", L"FileName", L"", remembered, 256, (folder + L"Dokkle.ini").c_str());
    EXPECT_EQ(std::wstring(remembered), name);
}

TEST_F(PinDesign, ADesignDeletedAfterTheMenuOpenedCanStillBeChosenAndShowsTheBuiltInLook) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    const size_t position = MenuPosition(L"Sky Blue.bmp");
    ASSERT_TRUE(OpenMenuOf(pin));
    DeleteFileW((folder + L"design\\Sky Blue.bmp").c_str());
    PressKey('D');
    for (size_t i = 0; i < position; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return OpenMenuWindow() == nullptr; }));

    // The built-in design's cell is 20 x 30.
    EXPECT_TRUE(WaitUntil([&] {
        const RECT bounds = RectOf(pin);
        return bounds.right - bounds.left == 20 && bounds.bottom - bounds.top == 30;
    }));
    EXPECT_EQ(FileText(folder + L"Dokkle.ini"), "[Design]\r\nFileName=Sky Blue.bmp\r\n");
}

TEST_F(PinDesign, ADesignAnotherProgramHoldsOpenForWritingIsShownAsItIs) {
    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    // As an editor holds the file it works on: open for reading and writing, others may only read.
    HANDLE editor = CreateFileW((folder + L"design\\Sky Blue.bmp").c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(editor, INVALID_HANDLE_VALUE);
    const bool chosen = ChooseDesign(pin, L"Sky Blue.bmp");
    MoveMouseTo(POINT{980, 740});
    const bool blue = WaitUntil([&] { return TintOf(pin) == Tint::Blue; }, 1000);
    const RECT bounds = RectOf(pin);
    CloseHandle(editor);
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(blue);
    EXPECT_NE(bounds.right - bounds.left, 20) << "the built-in look is 20 x 30";
}

TEST_F(PinDesign, ASettingsFileTooLargeToReadIsLeftAsItWasWhenANameBeyondTheAnsiCodePageIsChosen) {
    const std::wstring name = L"ピン \u0142\u20AC.bmp";
    CopyFileW((folder + L"design\\Sky Blue.bmp").c_str(), (folder + L"design\\" + name).c_str(), FALSE);
    // A valid section, then blanks to past the largest file the program reads whole.
    std::string settings = "[Design]\r\nFileName=Standard Red.bmp\r\n";
    settings.resize(LargestWholeFileBytes + 1024 * 1024, ' ');
    WriteText(folder + L"Dokkle.ini", settings);

    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint());
    ASSERT_TRUE(ChooseDesign(pin, name));
    MoveMouseTo(POINT{980, 740});
    EXPECT_TRUE(WaitUntil([&] { return TintOf(pin) == Tint::Blue; }));
    dokkle->FollowCalls();  // once the pin answers, its handling of the choice, the write included, is over
    EXPECT_TRUE(dokkle->IsRunning());
    const std::string after = FileText(folder + L"Dokkle.ini");
    EXPECT_EQ(after.size(), settings.size());
    EXPECT_TRUE(after == settings) << "the settings file changed";
}

TEST_F(PinDesign, ANameWithALeadingSpaceIsRememberedExactlyAndNewPinsShowThatDesign) {
    // Moved rather than copied: the name without its space leads to no design.
    const std::wstring name = L" Sky Blue.bmp";
    for (const wchar_t* extension : {L"", L".cfg"}) {
        MoveFileW((folder + L"design\\Sky Blue.bmp" + extension).c_str(),
                  (folder + L"design\\" + name + extension).c_str());
    }
    TargetProcess target;
    HWND first = PrickAt(target.FreePoint());
    ASSERT_TRUE(ChooseDesign(first, name));
    EXPECT_TRUE(WaitUntil([&] { return RememberedDesign() == name; }))
        << "remembered [" << RememberedDesign() << "]";

    const RECT chosen = RectOf(first);
    ASSERT_NE(chosen.right - chosen.left, 20) << "the built-in look is 20 x 30";
    HWND second = NewPinAt(POINT{700, 650});
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(WaitUntil([&] {
        const RECT bounds = RectOf(second);
        return bounds.right - bounds.left == chosen.right - chosen.left &&
               bounds.bottom - bounds.top == chosen.bottom - chosen.top;
    }));
}

TEST_F(PinDesign, ADesignWhoseConfigurationPathIsBeyondMaxPathIsNotOffered) {
    const std::wstring designs = folder + L"design\\";
    RemoveFolder(designs);
    CreateDirectoryW(designs.c_str(), nullptr);
    // The configuration path is one character longer than MAX_PATH allows; the design's own path fits.
    const std::wstring name = std::wstring(MAX_PATH - designs.size() - 8, L'x') + L".bmp";
    ASSERT_EQ((designs + name + L".cfg").size(), static_cast<size_t>(MAX_PATH));
    const std::wstring shipped = BuildFolder() + L"design\\Sky Blue.bmp";
    ASSERT_TRUE(CopyFileW(shipped.c_str(), (designs + name).c_str(), FALSE));

    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint(), POINT{12, 12});  // no usable design: the built-in look
    ASSERT_TRUE(OpenMenuOf(pin));
    PressKey('D');
    PressKey(VK_RETURN);  // on the first entry, "(なし)", which cannot be chosen
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return OpenMenuWindow() == nullptr; }));
    dokkle->FollowCalls();  // once the pin answers, whatever the keys chose is over
    EXPECT_EQ(GetFileAttributesW((folder + L"Dokkle.ini").c_str()), INVALID_FILE_ATTRIBUTES);

    // The same keys choose a design that is offered.
    CopyFileW(shipped.c_str(), (designs + L"Sky Blue.bmp").c_str(), FALSE);
    ASSERT_TRUE(ChooseFromMenu(pin, {'D', VK_RETURN}));
    EXPECT_TRUE(WaitUntil([&] { return RememberedDesign() == L"Sky Blue.bmp"; }));
}

}  // namespace
}  // namespace dokkle::e2e
