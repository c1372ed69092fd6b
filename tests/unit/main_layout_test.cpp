#include <gtest/gtest.h>

#include "forms/main_layout.h"

namespace tavrin {
namespace {

TEST(MainLayout, SpeedButtonsOrLetteredPanel) {
    MainLayout l = MainLayoutFor(612, 400, 600, 360, true);
    EXPECT_EQ(l.page.width, 608);
    EXPECT_EQ(l.page.height, 396);
    EXPECT_EQ(l.list.top, 35);
    EXPECT_EQ(l.list.width, 596);
    EXPECT_EQ(l.list.height, 323);
    l = MainLayoutFor(612, 400, 600, 360, false);
    EXPECT_EQ(l.list.width, 429);
    EXPECT_EQ(l.list.top, 1);
    EXPECT_EQ(l.list.height, 358);
    EXPECT_EQ(l.panel.left, 439);
    EXPECT_LT(l.list.left + l.list.width, l.panel.left) << "the panel does not cover the list";
    l = MainLayoutFor(10, 10, 5, 5, false);
    EXPECT_EQ(l.list.width, 0) << "a tiny window gives no negative sizes";
}

}  // namespace
}  // namespace tavrin
