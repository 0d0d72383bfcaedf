#include "render/PinComposition.h"

#include <gtest/gtest.h>

#include <vector>

namespace dokkle {
namespace {

// A design of 2w x 2h pixels, rows bottom first, every pixel of the four cells filled by one rule.
struct Design {
    int32_t width, height, bytesPerPixel;
    std::vector<uint8_t> bytes;

    Design(int32_t w, int32_t h, int32_t bpp) : width(w), height(h), bytesPerPixel(bpp) {
        bytes.assign(static_cast<size_t>(RowStride(w, bpp) * h), 0);
    }
    // pictureRow counts from the top of the picture, as it is displayed.
    uint8_t* Pixel(int32_t x, int32_t pictureRow) {
        return &bytes[static_cast<size_t>((height - 1 - pictureRow) * RowStride(width, bytesPerPixel) +
                                          x * bytesPerPixel)];
    }
    void Set(int32_t x, int32_t pictureRow, uint8_t blue, uint8_t green, uint8_t red) {
        uint8_t* pixel = Pixel(x, pictureRow);
        pixel[0] = blue;
        pixel[1] = green;
        pixel[2] = red;
    }
    std::vector<uint8_t> Compose(int32_t stateRow) const {
        return ComposePinPixels(bytes.data(), bytes.size(), width, height, bytesPerPixel, stateRow);
    }
};

std::vector<uint8_t> Bgra(uint8_t blue, uint8_t green, uint8_t red, uint8_t opacity) {
    return {blue, green, red, opacity};
}

std::vector<uint8_t> OutputPixel(const std::vector<uint8_t>& output, int32_t cellWidth, int32_t cellHeight,
                                 int32_t x, int32_t pictureRow) {
    const size_t offset = static_cast<size_t>(((cellHeight - 1 - pictureRow) * cellWidth + x) * 4);
    return {output.begin() + static_cast<long>(offset), output.begin() + static_cast<long>(offset) + 4};
}

TEST(PinComposition, TheWorkedPixel) {
    Design design(2, 2, 3);
    design.Set(0, 1, 88, 106, 231);  // lower row colour: blue 88, green 106, red 231
    design.Set(1, 1, 153, 0, 0);     // its mask
    EXPECT_EQ(design.Compose(1), Bgra(52, 63, 138, 153));
}

TEST(PinComposition, EveryOpacityMultipliesAndRoundsDown) {
    Design design(512, 2, 3);
    for (int32_t a = 0; a < 256; ++a) {
        design.Set(a, 0, 255, 128, 1);
        design.Set(256 + a, 0, static_cast<uint8_t>(a), 0, 0);
    }
    const auto output = design.Compose(0);
    for (int32_t a = 0; a < 256; ++a) {
        const auto opacity = static_cast<uint8_t>(a);
        EXPECT_EQ(OutputPixel(output, 256, 1, a, 0),
                  Bgra(opacity, static_cast<uint8_t>(a * 128 / 255), static_cast<uint8_t>(a / 255), opacity))
            << "opacity " << a;
    }
}

TEST(PinComposition, FullOpacityCopiesAndZeroGivesTransparentBlack) {
    Design design(4, 2, 3);
    design.Set(0, 0, 10, 20, 30);
    design.Set(2, 0, 255, 0, 0);
    design.Set(1, 0, 200, 201, 202);
    design.Set(3, 0, 0, 255, 255);  // only the blue byte counts
    const auto output = design.Compose(0);
    EXPECT_EQ(OutputPixel(output, 2, 1, 0, 0), Bgra(10, 20, 30, 255));
    EXPECT_EQ(OutputPixel(output, 2, 1, 1, 0), Bgra(0, 0, 0, 0));
}

TEST(PinComposition, TheStateRowChoosesTheUpperOrLowerHalfAndKeepsItUpright) {
    Design design(2, 4, 3);
    design.Set(0, 0, 1, 1, 1);  // upper cell, top row
    design.Set(0, 1, 2, 2, 2);  // upper cell, bottom row
    design.Set(0, 2, 3, 3, 3);  // lower cell, top row
    design.Set(0, 3, 4, 4, 4);  // lower cell, bottom row
    for (int32_t row = 0; row < 4; ++row) design.Set(1, row, 255, 0, 0);

    const auto carried = design.Compose(0);
    EXPECT_EQ(OutputPixel(carried, 1, 2, 0, 0), Bgra(1, 1, 1, 255));
    EXPECT_EQ(OutputPixel(carried, 1, 2, 0, 1), Bgra(2, 2, 2, 255));
    const auto pricked = design.Compose(1);
    EXPECT_EQ(OutputPixel(pricked, 1, 2, 0, 0), Bgra(3, 3, 3, 255));
    EXPECT_EQ(OutputPixel(pricked, 1, 2, 0, 1), Bgra(4, 4, 4, 255));
}

TEST(PinComposition, A32BitDesignComposesLikeA24BitOneAndIgnoresItsFourthByte) {
    Design narrow(6, 4, 3), wide(6, 4, 4);
    for (int32_t row = 0; row < 4; ++row) {
        for (int32_t x = 0; x < 6; ++x) {
            const auto value = static_cast<uint8_t>(row * 40 + x * 7);
            narrow.Set(x, row, value, static_cast<uint8_t>(value + 1), static_cast<uint8_t>(value + 2));
            wide.Set(x, row, value, static_cast<uint8_t>(value + 1), static_cast<uint8_t>(value + 2));
            wide.Pixel(x, row)[3] = 0x5A;
        }
    }
    EXPECT_EQ(narrow.Compose(0), wide.Compose(0));
    EXPECT_EQ(narrow.Compose(1), wide.Compose(1));
    EXPECT_EQ(narrow.Compose(1).size(), 3u * 2u * 4u);
}

TEST(PinComposition, RowPaddingIsSkipped) {
    Design design(6, 2, 3);  // 18 bytes a row, stride 20
    design.Set(2, 1, 9, 8, 7);
    design.Set(5, 1, 255, 0, 0);
    EXPECT_EQ(OutputPixel(design.Compose(1), 3, 1, 2, 0), Bgra(9, 8, 7, 255));
}

TEST(PinComposition, CellsAreHalfTheDesign) {
    EXPECT_EQ(DesignCellSize(40, 60).width, 20);
    EXPECT_EQ(DesignCellSize(40, 60).height, 30);
    EXPECT_EQ(DesignCellSize(5, 3).width, 2);   // 2.5 to the even 2
    EXPECT_EQ(DesignCellSize(5, 3).height, 2);  // 1.5 to the even 2
    EXPECT_EQ(RowStride(40, 3), 120);
    EXPECT_EQ(RowStride(41, 3), 124);
    EXPECT_EQ(RowStride(41, 4), 164);
}

TEST(PinComposition, DesignsItCannotReadSafelyGiveNothing) {
    const std::vector<uint8_t> bytes(1000, 255);
    EXPECT_TRUE(ComposePinPixels(bytes.data(), bytes.size(), 5, 4, 3, 0).empty());   // odd width
    EXPECT_TRUE(ComposePinPixels(bytes.data(), bytes.size(), 4, 5, 3, 0).empty());   // odd height
    EXPECT_TRUE(ComposePinPixels(bytes.data(), bytes.size(), 4, 4, 2, 0).empty());   // 16 bits
    EXPECT_TRUE(ComposePinPixels(bytes.data(), bytes.size(), 4, -4, 3, 0).empty());  // top-down
    EXPECT_TRUE(ComposePinPixels(bytes.data(), bytes.size(), 0, 0, 3, 0).empty());
    EXPECT_TRUE(ComposePinPixels(bytes.data(), bytes.size(), 4, 4, 3, 2).empty());  // no such row
    EXPECT_TRUE(ComposePinPixels(bytes.data(), 47, 4, 4, 3, 0).empty());            // short of 4 x 12
    EXPECT_TRUE(ComposePinPixels(nullptr, 0, 4, 4, 3, 0).empty());
    EXPECT_EQ(ComposePinPixels(bytes.data(), 48, 4, 4, 3, 0).size(), 16u);
    EXPECT_FALSE(IsComposableDesign(8192, 8192, 32));
}

}  // namespace
}  // namespace dokkle
