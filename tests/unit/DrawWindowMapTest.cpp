// The map's picture, drawn into a memory bitmap and read back pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include "GdiHandleTable.h"
#include "common/Win32Handles.h"
#include "tools/DrawWindowMap.h"
#include "tools/WindowMap.h"

namespace dokkle {
namespace {

WindowEntry Entry(uintptr_t handle, int32_t left, int32_t top, int32_t right, int32_t bottom, bool owned) {
    WindowEntry entry;
    entry.hWnd = handle;
    entry.Left = left;
    entry.Top = top;
    entry.Right = right;
    entry.Bottom = bottom;
    entry.HasParent = owned;
    return entry;
}

class MapPicture {
  public:
    MapPicture() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = 120;
        info.bmiHeader.biHeight = -80;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        dc_.reset(CreateCompatibleDC(nullptr));
        previous_ = SelectObject(dc_.get(), bitmap_.get());
    }
    ~MapPicture() { SelectObject(dc_.get(), previous_); }
    MapPicture(const MapPicture&) = delete;
    MapPicture& operator=(const MapPicture&) = delete;

    void Draw(const std::vector<WindowEntry>& entries, uintptr_t selected, std::optional<size_t> line,
              const std::vector<Rect>& monitors = {}) {
        DrawWindowMap(dc_.get(), RECT{0, 0, 120, 80}, monitors, entries, selected, line);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }

  private:
    unique_hbitmap bitmap_;
    unique_hdc dc_;
    HGDIOBJ previous_ = nullptr;
};

// The whole picture of a map, as one number: FNV-1a over its pixels, top row first.
uint64_t PictureFingerprint(HDC dc, int width, int height) {
    uint64_t hash = 14695981039346656037u;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            for (int shift = 0; shift < 32; shift += 8) {
                hash ^= (pixel >> shift) & 0xFF;
                hash *= 1099511628211u;
            }
        }
    }
    return hash;
}

const COLORREF Window = GetSysColor(COLOR_WINDOW);
const COLORREF WindowText = GetSysColor(COLOR_WINDOWTEXT);
const COLORREF GrayText = GetSysColor(COLOR_GRAYTEXT);
const COLORREF Highlight = GetSysColor(COLOR_HIGHLIGHT);

TEST(DrawWindowMap, OwnedWindowsAreGreyOutlinesTheOthersBlocksAndTheSelectedWindowIsHighlighted) {
    MapPicture picture;
    // From the top of the Z order: an owned window, an unowned one, the selected one at the bottom.
    picture.Draw(
        {Entry(1, 10, 10, 30, 30, true), Entry(2, 50, 10, 70, 30, false), Entry(3, 20, 20, 60, 60, false)}, 3,
        std::nullopt);
    EXPECT_EQ(picture.At(100, 70), Window);
    EXPECT_EQ(picture.At(40, 40), Highlight);
    EXPECT_EQ(picture.At(10, 10), GrayText);
    EXPECT_EQ(picture.At(25, 25), Highlight);  // the owned window hides nothing
    EXPECT_EQ(picture.At(50, 20), WindowText);
    EXPECT_EQ(picture.At(55, 25), Window);  // the unowned window hides the selected one
    // Right and bottom edges belong to the rectangle; the pixel beyond does not.
    EXPECT_EQ(picture.At(70, 30), WindowText);
    EXPECT_EQ(picture.At(71, 30), Window);
    EXPECT_EQ(picture.At(60, 60), WindowText);
    EXPECT_EQ(picture.At(61, 61), Window);
}

TEST(DrawWindowMap, TheSelectedLinesWindowIsFramedByDotsOnePixelOutsideItsRectangle) {
    MapPicture picture;
    picture.Draw({Entry(1, 20, 20, 60, 50, false), Entry(2, 70, 20, 110, 50, false)}, 2, 0);
    int dots = 0;
    for (int x = 19; x <= 61; ++x) {
        EXPECT_EQ(picture.At(x, 18), Window);
        const COLORREF above = picture.At(x, 19);
        EXPECT_TRUE(above == Highlight || above == Window) << x;
        if (above == Highlight) ++dots;
    }
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, 40);
    EXPECT_EQ(picture.At(40, 35), Window);     // framed, not filled: line 0 is not the selected window
    EXPECT_EQ(picture.At(90, 35), Highlight);  // the selected window, elsewhere
}

TEST(DrawWindowMap, RectanglesOutsideTheBoxOrAtTheLimitsOfTheRangeAreClippedAndNothingLeaks) {
    const auto before = testing::CountGdiObjects(GetCurrentProcess());
    ASSERT_TRUE(before);
    {
        MapPicture picture;
        for (int round = 0; round < 50; ++round) {
            picture.Draw({Entry(1, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, false),
                          Entry(2, -500, -500, -400, -400, true), Entry(3, 30, 30, 20, 20, false)},
                         1, 0);
        }
        EXPECT_EQ(picture.At(60, 40), Highlight);
    }
    EXPECT_EQ(testing::CountGdiObjects(GetCurrentProcess()), before);
}

TEST(DrawWindowMap, EachMonitorIsOutlinedFaintlyUnderTheWindows) {
    MapPicture picture;
    // Two monitors side by side sharing the column 60, and a window over the right one's top edge.
    picture.Draw({Entry(1, 70, 5, 90, 40, false)}, 0, std::nullopt,
                 {Rect{0, 20, 60, 79}, Rect{60, 10, 119, 79}});
    const COLORREF faint = FaintOutlineColour(Window, GrayText);
    ASSERT_NE(faint, Window);
    ASSERT_NE(faint, GrayText);
    EXPECT_EQ(picture.At(0, 50), faint);
    EXPECT_EQ(picture.At(30, 20), faint);
    EXPECT_EQ(picture.At(60, 50), faint);
    EXPECT_EQ(picture.At(119, 79), faint);
    EXPECT_EQ(picture.At(30, 19), Window);  // above the left monitor: no monitor there
    EXPECT_EQ(picture.At(30, 50), Window);  // outlines, not filled
    EXPECT_EQ(picture.At(80, 10), Window);  // the window's block hides the monitor's edge
    EXPECT_EQ(picture.At(70, 10), WindowText);
}

// The picture of a desktop of one 1024 x 768 monitor, taken before the map learnt of several monitors:
// with one monitor it must stay the same to the last pixel.
TEST(DrawWindowMap, TheMapOfOneMonitorIsPixelForPixelThePictureItHasAlwaysBeen) {
    const struct {
        RECT screen;
        bool owned;
    } windows[] = {
        {{40, 60, 300, 260}, false},   {{80, 90, 260, 220}, true},
        {{200, 150, 600, 450}, false}, {{620, 90, 900, 330}, false},
        {{-8, -8, 1032, 776}, false},  {{1000, 700, 1400, 900}, false},
        {{511, 383, 513, 385}, true},  {{-32000, -32000, -31840, -31973}, false},
        {{450, 420, 700, 600}, true},  {{0, 0, 1024, 768}, true},
    };
    const Rect screen{0, 0, 1024, 768};
    const MapScale scale = MeasureMap(247, 172, screen);
    std::vector<WindowEntry> entries;
    for (size_t i = 0; i < std::size(windows); ++i) {
        const RECT& r = windows[i].screen;
        const Rect onMap = ToMapRect(Rect{r.left, r.top, r.right, r.bottom}, scale);
        entries.push_back(Entry(i + 1, onMap.left, onMap.top, onMap.right, onMap.bottom, windows[i].owned));
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 247;
    info.bmiHeader.biHeight = -172;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const unique_hbitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const unique_hdc dc(CreateCompatibleDC(nullptr));
    const unique_select_object keep(dc.get(), bitmap.get());
    DrawWindowMap(dc.get(), RECT{0, 0, 247, 172}, MonitorOutlines({screen}, scale), entries, 4, 2);
    EXPECT_EQ(PictureFingerprint(dc.get(), 247, 172), 3662278001661248896u);
}

}  // namespace
}  // namespace dokkle
