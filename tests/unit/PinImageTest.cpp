// Loading designs with their fallback, and drawing them onto a layered window, against real GDI.
#include "render/PinImage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GdiHandleTable.h"
#include "TemporaryFileTest.h"
#include "TestBitmaps.h"
#include "render/PinComposition.h"
#include "res/ResourceNames.h"

namespace dokkle {
namespace {

using testing::MakeBmp;
using testing::BmpField::BitCount;
using testing::BmpField::Compression;

class PinImage : public testing::TemporaryFileTest {
  protected:
    PinImage() : TemporaryFileTest(L"dokkle-pin-image-test.bmp") {}
    bool LoadsTheBuiltInDesign() {
        const BitmapHandle design = LoadDesignOrBuiltIn(path);
        return design.Width() == 40 && design.Height() == 60 && design.BitsPerPixel() == 24;
    }
};

TEST_F(PinImage, AUsableDesignFileIsLoadedAsItIs) {
    Write(MakeBmp(48, 80, 24));
    BitmapHandle design = LoadDesignOrBuiltIn(path);
    EXPECT_EQ(design.Width(), 48);
    EXPECT_EQ(design.Height(), 80);
    Write(MakeBmp(64, 20, 32));
    EXPECT_EQ(LoadDesignOrBuiltIn(path).Width(), 64);
}

// Fills the file's pixel rows with a pattern and builds the design from its bytes: the bitmap's rows
// must be the file's rows, row padding aside.
void ExpectTheFilesPixels(std::vector<uint8_t> file, size_t rows, size_t stride, size_t used) {
    const size_t offset = file.size() - rows * stride;
    for (size_t i = offset; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 7 + 3);
    std::vector<uint8_t> pixels;
    DesignFromFileBytes(file).GetBytes(pixels, nullptr);
    ASSERT_EQ(pixels.size(), rows * stride);
    for (size_t row = 0; row < rows; ++row) {
        const auto begin = pixels.begin() + static_cast<long>(row * stride);
        EXPECT_TRUE(std::equal(begin, begin + static_cast<long>(used),
                               file.begin() + static_cast<long>(offset + row * stride)))
            << "row " << row;
    }
}

TEST_F(PinImage, ABitmapMadeFromAFilesBytesHoldsExactlyItsPixels) {
    ExpectTheFilesPixels(MakeBmp(42, 6, 24), 6, 128, 126);  // 42 pixels of 3 bytes in rows of 128
    auto later = MakeBmp(48, 80, 32);
    testing::Put32(later, testing::BmpField::InfoSize, 124);
    later.insert(later.begin() + 54, 100, 0);
    testing::Put32(later, testing::BmpField::PixelOffset, 154);
    ExpectTheFilesPixels(later, 80, 48 * 4, 48 * 4);
    EXPECT_EQ(DesignFromFileBytes(MakeBmp(41, 61, 24)).GetHandle(), nullptr);
}

TEST_F(PinImage, EveryUnusableDesignGivesTheBuiltInOne) {
    EXPECT_TRUE(LoadsTheBuiltInDesign()) << "missing";
    EXPECT_TRUE(LoadDesignOrBuiltIn(L"").Width() == 40) << "empty name";
    Write({});
    EXPECT_TRUE(LoadsTheBuiltInDesign()) << "empty file";
    const auto whole = MakeBmp(40, 60, 24);
    Write(std::vector<uint8_t>(whole.begin(), whole.begin() + 100));
    EXPECT_TRUE(LoadsTheBuiltInDesign()) << "truncated";
    for (uint16_t bits : {1, 4, 8, 16}) {
        Write(MakeBmp(40, 60, bits));
        EXPECT_TRUE(LoadsTheBuiltInDesign()) << bits << " bits";
    }
    auto bitFields = MakeBmp(40, 60, 32);
    testing::Put32(bitFields, Compression, 3);
    Write(bitFields);
    EXPECT_TRUE(LoadsTheBuiltInDesign()) << "bit fields";
    Write(MakeBmp(41, 61, 24));
    EXPECT_TRUE(LoadsTheBuiltInDesign()) << "odd sides";
    Write({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    EXPECT_TRUE(LoadsTheBuiltInDesign()) << "a PNG named .bmp";
    DeleteFileW(path.c_str());
    CreateDirectoryW(path.c_str(), nullptr);
    EXPECT_TRUE(LoadsTheBuiltInDesign()) << "a folder named .bmp";
}

TEST_F(PinImage, TheComposedImageIsTheCellOfTheChosenRowAt32Bits) {
    BitmapHandle design;
    design.LoadFromResource(ResourceNames::DefaultDesign, true);
    const BitmapHandle composed = ComposePinImage(design, 1);
    EXPECT_EQ(composed.Width(), 20);
    EXPECT_EQ(composed.Height(), 30);
    EXPECT_EQ(composed.BitsPerPixel(), 32);

    std::vector<uint8_t> source, pixels;
    design.GetBytes(source, nullptr);
    composed.GetBytes(pixels, nullptr);
    EXPECT_EQ(pixels, ComposePinPixels(source.data(), source.size(), 40, 60, 3, 1));
}

TEST_F(PinImage, DrawingResizesTheWindowToTheCellAndKeepsItsCorner) {
    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 130, 140, 23,
                                  24, nullptr, nullptr, nullptr, nullptr);
    ShowOnLayeredWindow(window, ComposePinImage(LoadDesignOrBuiltIn(L""), 0), 255);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.left, 130);
    EXPECT_EQ(bounds.top, 140);
    EXPECT_EQ(bounds.right - bounds.left, 20);
    EXPECT_EQ(bounds.bottom - bounds.top, 30);
    DestroyWindow(window);
}

TEST_F(PinImage, AThousandDrawsLeaveNoGdiObjectBehind) {
    Write(MakeBmp(48, 80, 24));
    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 10, 10, 23, 24,
                                  nullptr, nullptr, nullptr, nullptr);
    auto draw = [&](int i) {
        const std::wstring source = i % 3 == 0 ? std::wstring(L"Z:\\missing.bmp") : path;
        ShowOnLayeredWindow(window, ComposePinImage(LoadDesignOrBuiltIn(source), i % 2), 255);
    };
    draw(0);
    draw(1);
    const auto before = testing::CountGdiObjects(GetCurrentProcess());
    ASSERT_TRUE(before.has_value());
    for (int i = 0; i < 1000; ++i) draw(i);
    EXPECT_EQ(testing::CountGdiObjects(GetCurrentProcess()), before);
    DestroyWindow(window);
}

TEST(GdiHandleTable, CountsTheObjectsThisProcessMakesAndFrees) {
    const auto before = testing::CountGdiObjects(GetCurrentProcess());
    ASSERT_TRUE(before.has_value());
    std::vector<HBITMAP> bitmaps;
    for (int i = 0; i < 25; ++i) bitmaps.push_back(CreateBitmap(4, 4, 1, 32, nullptr));
    EXPECT_EQ(testing::CountGdiObjects(GetCurrentProcess()), *before + 25);
    for (HBITMAP bitmap : bitmaps) DeleteObject(bitmap);
    EXPECT_EQ(testing::CountGdiObjects(GetCurrentProcess()), before);
}

}  // namespace
}  // namespace dokkle
