#include "render/DesignFileCheck.h"

#include <gtest/gtest.h>

#include <vector>

#include "TestBitmaps.h"

namespace dokkle {
namespace {

using testing::MakeBmp;
using testing::Put16;
using testing::Put32;
namespace BmpField = testing::BmpField;

bool Usable(const std::vector<uint8_t>& bytes) {
    return IsUsableDesignFile(bytes.data(), bytes.size());
}

TEST(DesignFileCheck, AcceptsBottomUpUncompressed24And32BitDesignsWithEvenSides) {
    EXPECT_TRUE(Usable(MakeBmp(40, 60, 24)));
    EXPECT_TRUE(Usable(MakeBmp(42, 2, 24)));
    EXPECT_TRUE(Usable(MakeBmp(48, 80, 32)));
}

TEST(DesignFileCheck, TheLayoutSaysWhereThePixelRowsLie) {
    const auto bytes = MakeBmp(42, 6, 24);
    const auto plain = ReadDesignFileLayout(bytes.data(), bytes.size());
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->width, 42);
    EXPECT_EQ(plain->height, 6);
    EXPECT_EQ(plain->bitsPerPixel, 24);
    EXPECT_EQ(plain->pixelOffset, 54u);
    EXPECT_EQ(plain->pixelBytes, 128u * 6);  // 126 bytes of pixels padded to 128

    // A version 5 header and a gap before the pixels: the file header's offset counts.
    auto later = MakeBmp(48, 80, 32);
    Put32(later, BmpField::InfoSize, 124);
    later.insert(later.begin() + 54, 100, 0);
    Put32(later, BmpField::PixelOffset, 154);
    const auto layout = ReadDesignFileLayout(later.data(), later.size());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->bitsPerPixel, 32);
    EXPECT_EQ(layout->pixelOffset, 154u);
    EXPECT_EQ(layout->pixelBytes, 48u * 4 * 80);
    EXPECT_EQ(layout->pixelOffset + layout->pixelBytes, later.size());
}

TEST(DesignFileCheck, RefusesAFileTruncatedAnywhere) {
    const auto whole = MakeBmp(40, 60, 24);
    for (size_t length = 0; length < whole.size(); ++length) {
        EXPECT_FALSE(IsUsableDesignFile(whole.data(), length)) << "cut at " << length;
    }
    EXPECT_FALSE(IsUsableDesignFile(nullptr, 0));
}

TEST(DesignFileCheck, RefusesFormatsTheCompositionCannotRead) {
    for (uint16_t bits : {1, 4, 8, 16}) EXPECT_FALSE(Usable(MakeBmp(40, 60, bits))) << bits << " bits";
    EXPECT_FALSE(Usable(MakeBmp(41, 60, 24)));   // odd width
    EXPECT_FALSE(Usable(MakeBmp(40, 61, 24)));   // odd height
    EXPECT_FALSE(Usable(MakeBmp(40, -60, 24)));  // top-down
    EXPECT_FALSE(Usable(MakeBmp(0, 60, 24)));
    EXPECT_FALSE(Usable(MakeBmp(40, 0, 24)));

    for (uint32_t compression : {1u, 2u, 3u, 4u, 5u}) {  // RLE8, RLE4, bit fields, JPEG, PNG
        auto bytes = MakeBmp(40, 60, 24);
        Put32(bytes, BmpField::Compression, compression);
        EXPECT_FALSE(Usable(bytes)) << "compression " << compression;
    }
    auto planes = MakeBmp(40, 60, 24);
    Put16(planes, BmpField::Planes, 2);
    EXPECT_FALSE(Usable(planes));
}

TEST(DesignFileCheck, RefusesHostileHeaders) {
    auto huge = MakeBmp(40, 60, 24);
    Put32(huge, BmpField::Width, 100000);
    Put32(huge, BmpField::Height, 100000);
    EXPECT_FALSE(Usable(huge));

    auto overflow = MakeBmp(40, 60, 24);
    Put32(overflow, BmpField::Width, 0x7FFFFFFE);
    EXPECT_FALSE(Usable(overflow));

    auto offsetPastEnd = MakeBmp(40, 60, 24);
    Put32(offsetPastEnd, BmpField::PixelOffset, 0xFFFFFFF0);
    EXPECT_FALSE(Usable(offsetPastEnd));

    auto offsetInsideHeader = MakeBmp(40, 60, 24);
    Put32(offsetInsideHeader, BmpField::PixelOffset, 20);
    EXPECT_FALSE(Usable(offsetInsideHeader));

    auto coreHeader = MakeBmp(40, 60, 24);
    Put32(coreHeader, BmpField::InfoSize, 12);
    EXPECT_FALSE(Usable(coreHeader));

    auto infoLargerThanFile = MakeBmp(40, 60, 24);
    Put32(infoLargerThanFile, BmpField::InfoSize, 0x10000000);
    EXPECT_FALSE(Usable(infoLargerThanFile));

    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.resize(200, 0);
    EXPECT_FALSE(Usable(png));
}

}  // namespace
}  // namespace dokkle
