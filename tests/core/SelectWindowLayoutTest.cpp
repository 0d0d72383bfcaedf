#include "tools/SelectWindowLayout.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

using namespace SelectWindowLayout;

TEST(SelectWindowLayout, AtTheFirstSizeTheControlsKeepFivePixelMargins) {
    const Placement placement = Arrange(545, 374, lstWindowsBounds.width);
    EXPECT_EQ(placement.lblDescriptionWidth, 535);
    EXPECT_EQ(placement.lstWindows, (Bounds{5, 35, 279, 334}));
    EXPECT_EQ(placement.picDesktop, (Point{289, 35}));
    EXPECT_EQ(placement.picPanel, (Point{289, 318}));
}

TEST(SelectWindowLayout, OnAScreenOfTwiceTheDotsEveryLengthAndMarginDoubles) {
    const Scale scale = ScaleForTwipsPerPixel(7.5, 7.5);
    EXPECT_EQ(Scaled(lblDescriptionBounds, scale), (Bounds{10, 10, 1072, 52}));
    const Placement placement = Arrange(1090, 748, 2 * lstWindowsBounds.width, scale);
    EXPECT_EQ(placement.lblDescriptionWidth, 1070);
    EXPECT_EQ(placement.lstWindows, (Bounds{10, 70, 558, 668}));
    EXPECT_EQ(placement.picDesktop, (Point{578, 70}));
    EXPECT_EQ(placement.picPanel, (Point{578, 636}));
}

TEST(SelectWindowLayout, TheScaleFollowsTwipsPerPixelAndStaysWholeWithoutOne) {
    EXPECT_EQ(ScaleForTwipsPerPixel(15, 15).x, 1.0);
    EXPECT_NEAR(ScaleForTwipsPerPixel(1440.0 / 168, 12).x, 1.75, 1e-9);
    EXPECT_EQ(ScaleForTwipsPerPixel(1440.0 / 168, 12).y, 1.25);
    EXPECT_EQ(ScaleForTwipsPerPixel(0, 15).x, 1.0);
    EXPECT_EQ(Scaled(Point{7, 3}, ScaleForTwipsPerPixel(1440.0 / 168, 1440.0 / 168)), (Point{12, 5}));
}

TEST(SelectWindowLayout, ALargerWindowGrowsTheLabelAndTheListAndMovesTheMapAndPanelAlong) {
    const Placement placement = Arrange(800, 600, 279);
    EXPECT_EQ(placement.lblDescriptionWidth, 790);
    EXPECT_EQ(placement.lstWindows, (Bounds{5, 35, 534, 560}));
    EXPECT_EQ(placement.picDesktop, (Point{544, 35}));
    EXPECT_EQ(placement.picPanel, (Point{544, 544}));
}

TEST(SelectWindowLayout, TooNarrowForTheListTheListStepIsSkippedAndTheMapFollowsTheListsWidthNow) {
    const Placement placement = Arrange(200, 374, 279);
    EXPECT_EQ(placement.lblDescriptionWidth, 190);
    EXPECT_EQ(placement.lstWindows, std::nullopt);
    EXPECT_EQ(placement.picDesktop, (Point{289, 35}));
    EXPECT_EQ(placement.picPanel, (Point{-56, 318}));
}

TEST(SelectWindowLayout, TooLowForTheListOnlyTheListStepIsSkipped) {
    const Placement placement = Arrange(545, 30, 100);
    EXPECT_EQ(placement.lblDescriptionWidth, 535);
    EXPECT_EQ(placement.lstWindows, std::nullopt);
    EXPECT_EQ(placement.picDesktop, (Point{110, 35}));
    EXPECT_EQ(placement.picPanel, (Point{289, -26}));
}

TEST(SelectWindowLayout, ASizeOfNothingSkipsLabelAndListButStillMovesMapAndPanel) {
    const Placement placement = Arrange(0, 0, 279);
    EXPECT_EQ(placement.lblDescriptionWidth, std::nullopt);
    EXPECT_EQ(placement.lstWindows, std::nullopt);
    EXPECT_EQ(placement.picDesktop, (Point{289, 35}));
    EXPECT_EQ(placement.picPanel, (Point{-256, -56}));
}

TEST(SelectWindowLayout, AWidthOrHeightOfExactlyZeroIsTaken) {
    EXPECT_EQ(Arrange(10, 374, 279).lblDescriptionWidth, 0);
    const Placement placement = Arrange(266, 40, 279);
    EXPECT_EQ(placement.lstWindows, (Bounds{5, 35, 0, 0}));
    EXPECT_EQ(placement.picDesktop, (Point{10, 35}));
}

}  // namespace
}  // namespace dokkle
