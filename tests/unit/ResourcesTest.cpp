// The pictures the program carries, as the window system loads them.
#include <gtest/gtest.h>

#include <windows.h>

#include "render/BitmapHandle.h"
#include "res/ResourceNames.h"

namespace dokkle {
namespace {

TEST(Resources, TheHandCursorIs32By32WithItsHotSpotAtTheFingertip) {
    HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), ResourceNames::HandCursor);
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 20u);
    EXPECT_EQ(info.yHotspot, 11u);
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST(Resources, TheBuiltInDesignIs40By60At24Bits) {
    BitmapHandle design;
    design.LoadFromResource(ResourceNames::DefaultDesign, true);
    ASSERT_NE(design.GetHandle(), nullptr);
    EXPECT_EQ(design.Width(), 40);
    EXPECT_EQ(design.Height(), 60);
    EXPECT_EQ(design.BitsPerPixel(), 24);
}

TEST(Resources, ThePinIconHasALargeAndASmallPicture) {
    EXPECT_NE(LoadImageW(GetModuleHandleW(nullptr), ResourceNames::Icon, IMAGE_ICON, 32, 32, 0), nullptr);
    EXPECT_NE(LoadImageW(GetModuleHandleW(nullptr), ResourceNames::Icon, IMAGE_ICON, 16, 16, 0), nullptr);
}

}  // namespace
}  // namespace dokkle
