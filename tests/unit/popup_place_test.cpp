#include <gtest/gtest.h>

#include "forms/popup_place.h"

namespace tavrin {
namespace {

// A work area below a taskbar 30 pixels high at the top of a 1024 x 768 screen.
constexpr ScreenRect kWorkArea{0, 30, 1024, 738};
constexpr int kWidth = 300;
constexpr int kHeight = 200;

TEST(PopupPlace, BelowTheRowOrAboveItNearTheBottom) {
    ScreenRect below = PlaceBesideRow({100, 300, 150, 17}, kWidth, kHeight, kWorkArea);
    EXPECT_EQ(below.left, 100) << "left edge at the row's left";
    EXPECT_EQ(below.top, 317) << "just below the row";
    EXPECT_EQ(below.width, kWidth);
    EXPECT_EQ(below.height, kHeight);

    EXPECT_EQ(PlaceBesideRow({100, 551, 150, 17}, kWidth, kHeight, kWorkArea).top, 568)
        << "just fits below";
    EXPECT_EQ(PlaceBesideRow({100, 552, 150, 17}, kWidth, kHeight, kWorkArea).top, 352)
        << "would run off the bottom: its bottom edge on the row's top";
    EXPECT_EQ(PlaceBesideRow({100, 750, 150, 17}, kWidth, kHeight, kWorkArea).top, 550)
        << "a row partly off the bottom: still above it";
}

TEST(PopupPlace, HeldOnTheWorkAreaAtItsEdges) {
    EXPECT_EQ(PlaceBesideRow({900, 300, 150, 17}, kWidth, kHeight, kWorkArea).left, 724)
        << "right edge on the right of the work area";
    EXPECT_EQ(PlaceBesideRow({724, 300, 150, 17}, kWidth, kHeight, kWorkArea).left, 724);
    EXPECT_EQ(PlaceBesideRow({-40, 300, 150, 17}, kWidth, kHeight, kWorkArea).left, 0)
        << "a list partly off the left";

    ScreenRect leftBar{60, 0, 964, 768};  // a taskbar down the left
    EXPECT_EQ(PlaceBesideRow({20, 300, 150, 17}, kWidth, kHeight, leftBar).left, 60);

    // Fitting neither below the row nor above it.
    EXPECT_EQ(PlaceBesideRow({100, 200, 150, 17}, kWidth, 600, kWorkArea).top, 30)
        << "top edge on the top of the work area";
}

TEST(PopupPlace, WorkAreaSmallerThanTheWindow) {
    ScreenRect small{0, 0, 640, 480};
    ScreenRect r = PlaceBesideRow({200, 240, 150, 17}, 700, 500, small);
    EXPECT_EQ(r.left, 0) << "its left edge shown";
    EXPECT_EQ(r.top, 0) << "its caption shown";
    EXPECT_EQ(r.width, 700);
    EXPECT_EQ(r.height, 500);
}

}  // namespace
}  // namespace tavrin
