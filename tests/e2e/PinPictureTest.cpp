// What a pricked pin looks like on the screen: the design's lower row, blended with per-pixel opacity
// over the window it is stuck into.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "PinFixture.h"
#include "Screen.h"
#include "render/PinComposition.h"
#include "res/ResourceNames.h"

namespace dokkle::e2e {
namespace {

struct Design {
    int32_t width = 0, height = 0, bytesPerPixel = 0;
    std::vector<uint8_t> pixels;  // rows bottom first
};

Design ReadDesignFile(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    auto u32 = [&](size_t offset) {
        return static_cast<int32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                                    bytes[offset + 3] << 24);
    };
    Design design;
    design.width = u32(18);
    design.height = u32(22);
    design.bytesPerPixel = (bytes[28] | bytes[29] << 8) / 8;
    design.pixels.assign(bytes.begin() + u32(10), bytes.end());
    return design;
}

Design BuiltInDesign() {
    Design design;
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), ResourceNames::DefaultDesign,
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP facts{};
    GetObjectW(bitmap, sizeof(facts), &facts);
    design.width = facts.bmWidth;
    design.height = facts.bmHeight;
    design.bytesPerPixel = 3;
    design.pixels.assign(static_cast<size_t>(RowStride(design.width, 3) * design.height), 0);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = design.width;
    info.bmiHeader.biHeight = design.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(design.height), design.pixels.data(), &info,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return design;
}

class PinPicture : public PinTest {
  protected:
    struct Comparison {
        int wrong = 0, partlyOpaque = 0;
        std::vector<std::string> firstWrong;  // the first few, described
    };

    // Compares every pixel of the pin's window on the screen with the composed row blended over the colour.
    static Comparison CompareBlendedOver(const Screenshot& shot, const RECT& bounds,
                                         const std::vector<uint8_t>& composed, CellSize cell, Colour under) {
        Comparison comparison;
        for (int y = 0; y < cell.height; ++y) {
            for (int x = 0; x < cell.width; ++x) {
                const uint8_t* pixel =
                    &composed[static_cast<size_t>(((cell.height - 1 - y) * cell.width + x) * 4)];
                const int opacity = pixel[3];
                if (opacity > 0 && opacity < 255) ++comparison.partlyOpaque;
                // Premultiplied colour over the window: source + destination x (1 - opacity).
                const Colour expected{pixel[2] + under.red * (255 - opacity) / 255,
                                      pixel[1] + under.green * (255 - opacity) / 255,
                                      pixel[0] + under.blue * (255 - opacity) / 255};
                const Colour seen = shot.At(bounds.left + x, bounds.top + y);
                if (std::abs(seen.red - expected.red) > 3 || std::abs(seen.green - expected.green) > 3 ||
                    std::abs(seen.blue - expected.blue) > 3) {
                    if (++comparison.wrong <= 5) {
                        std::ostringstream text;
                        text << "pixel (" << x << ", " << y << ") opacity " << opacity << ": seen "
                             << seen.red << "," << seen.green << "," << seen.blue << " expected "
                             << expected.red << "," << expected.green << "," << expected.blue;
                        comparison.firstWrong.push_back(text.str());
                    }
                }
            }
        }
        return comparison;
    }

    // Checks the pin's window on the screen, once the compositor shows what the pin has drawn.
    void ExpectBlendedOver(HWND pin, const Design& design, Colour under) {
        const CellSize cell = DesignCellSize(design.width, design.height);
        const std::vector<uint8_t> composed = ComposePinPixels(
            design.pixels.data(), design.pixels.size(), design.width, design.height, design.bytesPerPixel, 1);
        ASSERT_FALSE(composed.empty());
        const RECT bounds = RectOf(pin);
        ASSERT_EQ(bounds.right - bounds.left, cell.width);
        ASSERT_EQ(bounds.bottom - bounds.top, cell.height);

        std::optional<Screenshot> shot;
        Comparison comparison;
        WaitUntil(
            [&] {
                shot.emplace(bounds);
                comparison = CompareBlendedOver(*shot, bounds, composed, cell, under);
                return comparison.wrong == 0;
            },
            2000);
        for (const std::string& wrong : comparison.firstWrong) ADD_FAILURE() << wrong;
        EXPECT_EQ(comparison.wrong, 0);
        EXPECT_GT(comparison.partlyOpaque, 10);  // the soft edges and the shadow are really blended
        if (comparison.wrong) shot->Save(folder + L"pin-picture.bmp");
    }

    static constexpr Colour teal{20, 140, 150};
    TargetOptions TealWindow() {
        TargetOptions options;
        options.colour = RGB(teal.red, teal.green, teal.blue);
        return options;
    }
};

TEST_F(PinPicture, AShippedDesignIsBlendedOverItsTarget) {
    TargetProcess target(TealWindow());
    HWND pin = PrickAt(target.FreePoint());
    MoveMouseTo(POINT{900, 700});  // the pointer out of the way
    ExpectBlendedOver(pin, ReadDesignFile(BuildFolder() + L"design\\Standard Red.bmp"), teal);
}

TEST_F(PinPicture, TheBuiltInDesignIsBlendedOverItsTarget) {
    // An empty design name in the settings gives the built-in design, whose tip starts at (12, 12).
    const std::wstring settings = folder + L"Dokkle.ini";
    WritePrivateProfileStringW(L"Design", L"FileName", L"", settings.c_str());
    TargetProcess target(TealWindow());
    HWND pin = PrickAt(target.FreePoint(), POINT{12, 12});
    MoveMouseTo(POINT{900, 700});
    ExpectBlendedOver(pin, BuiltInDesign(), teal);
}

}  // namespace
}  // namespace dokkle::e2e
