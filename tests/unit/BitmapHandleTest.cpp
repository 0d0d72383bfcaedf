#include "render/BitmapHandle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

#include "render/DeviceContextHandle.h"
#include "res/ResourceNames.h"

namespace dokkle {
namespace {

std::vector<uint8_t> Pattern(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

TEST(BitmapHandle, ABuiltIn40By60Design) {
    BitmapHandle design;
    design.LoadFromResource(ResourceNames::DefaultDesign, true);
    EXPECT_EQ(design.Width(), 40);
    EXPECT_EQ(design.Height(), 60);
    EXPECT_EQ(design.BitsPerPixel(), 24);
    EXPECT_EQ(design.BytesPerPixel(), 3);
    std::vector<uint8_t> bytes;
    design.GetBytes(bytes, nullptr);
    EXPECT_EQ(bytes.size(), 7200u);
}

TEST(BitmapHandle, A41PixelWide24BitBitmapHasRowsOf124Bytes) {
    BitmapHandle bitmap;
    bitmap.CreateFromByteArray(Pattern(124 * 3), 24, 41, 3);
    std::vector<uint8_t> bytes;
    bitmap.GetBytes(bytes, nullptr);
    ASSERT_EQ(bytes.size(), 372u);
    const auto pattern = Pattern(124 * 3);
    for (size_t row = 0; row < 3; ++row) {
        EXPECT_TRUE(std::equal(bytes.begin() + static_cast<long>(row * 124),
                               bytes.begin() + static_cast<long>(row * 124 + 123),
                               pattern.begin() + static_cast<long>(row * 124)));
    }
}

TEST(BitmapHandle, A32BitBitmapMadeFromBytesReadsTheSameBytesBack) {
    const auto pixels = Pattern(20 * 30 * 4);
    BitmapHandle bitmap;
    bitmap.CreateFromByteArray(pixels, 32, 20, 30);
    EXPECT_EQ(bitmap.Width(), 20);
    EXPECT_EQ(bitmap.Height(), 30);
    EXPECT_EQ(bitmap.BytesPerPixel(), 4);
    std::vector<uint8_t> bytes;
    bitmap.GetBytes(bytes, nullptr);
    EXPECT_EQ(bytes, pixels);
}

TEST(BitmapHandle, MoreBytesThanTheBitmapHoldsAreNotWrittenPastIt) {
    const auto pixels = Pattern(4 * 4 * 4 + 4096);
    BitmapHandle bitmap;
    bitmap.CreateFromByteArray(pixels, 32, 4, 4);
    std::vector<uint8_t> bytes;
    bitmap.GetBytes(bytes, nullptr);
    EXPECT_EQ(bytes, std::vector<uint8_t>(pixels.begin(), pixels.begin() + 64));
}

TEST(BitmapHandle, AnObjectReusedAfterABitFieldsBitmapMakesAPlainOne) {
    // A 16-bit bitmap with red, green and blue masks leaves bit fields in the object's header.
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } bitFields{{sizeof(BITMAPINFOHEADER), 8, 8, 1, 16, BI_BITFIELDS, 0, 0, 0, 0, 0},
                {0xF800, 0x07E0, 0x001F}};
    void* bits = nullptr;
    HBITMAP held = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bitFields), DIB_RGB_COLORS, &bits,
                                    nullptr, 0);
    BitmapHandle bitmap;
    bitmap.SetHandle(held, nullptr);
    ASSERT_EQ(bitmap.Compression(), static_cast<uint32_t>(BI_BITFIELDS));

    const auto pixels = Pattern(124 * 3);
    bitmap.CreateFromByteArray(pixels, 24, 41, 3);
    EXPECT_EQ(bitmap.BitsPerPixel(), 24);
    EXPECT_EQ(bitmap.Compression(), static_cast<uint32_t>(BI_RGB));
    std::vector<uint8_t> bytes;
    bitmap.GetBytes(bytes, nullptr);
    ASSERT_EQ(bytes.size(), pixels.size());
    for (size_t row = 0; row < 3; ++row) {
        EXPECT_TRUE(std::equal(bytes.begin() + static_cast<long>(row * 124),
                               bytes.begin() + static_cast<long>(row * 124 + 123),
                               pixels.begin() + static_cast<long>(row * 124)));
    }
}

TEST(BitmapHandle, AMissingFileLeavesNoBitmapAndTheResourceThenLoads) {
    BitmapHandle design;
    design.LoadFromFile(L"Z:\\no\\such\\design.bmp", true);
    EXPECT_EQ(design.GetHandle(), nullptr);
    EXPECT_EQ(design.Width(), 0);
    design.LoadFromResource(ResourceNames::DefaultDesign, true);
    EXPECT_NE(design.GetHandle(), nullptr);
    EXPECT_EQ(design.Width(), 40);
}

TEST(BitmapHandle, BytesPerPixelRoundsHalvesToEven) {
    const std::vector<uint8_t> none;
    for (auto [bits, bytes] : {std::pair{32, 4}, {24, 3}, {16, 2}, {8, 1}, {4, 0}, {1, 0}}) {
        BitmapHandle bitmap;
        bitmap.CreateFromByteArray(none, bits, 8, 8);
        EXPECT_EQ(bitmap.BitsPerPixel(), bits);
        EXPECT_EQ(bitmap.BytesPerPixel(), bytes) << bits << " bits";
    }
}

TEST(BitmapHandle, PaletteBitmapsAreReadWithoutWritingPastAnything) {
    for (int bits : {1, 4, 8}) {
        BitmapHandle bitmap;
        bitmap.CreateFromByteArray(Pattern(64), bits, 16, 16);
        std::vector<uint8_t> bytes;
        bitmap.GetBytes(bytes, nullptr);
        EXPECT_TRUE(bytes.empty() || bytes.size() == static_cast<size_t>(((16 * bits / 8 + 3) & ~3) * 16))
            << bits;
    }
}

TEST(DeviceContextHandle, MakesAMemoryContextForTheScreen) {
    DeviceContextHandle context;
    EXPECT_EQ(context.GetHandle(), nullptr);
    context.FromDesktopDC(nullptr);
    EXPECT_EQ(GetObjectType(context.GetHandle()), static_cast<DWORD>(OBJ_MEMDC));
}

}  // namespace
}  // namespace dokkle
