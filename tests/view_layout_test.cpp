#include <gtest/gtest.h>

#include "platform/view_layout.h"

namespace kvirlo {
namespace {

const PixelRect kLeftScreen{0, 0, 1920, 1040};
const PixelRect kRightScreen{1920, 0, 1280, 1000};

TEST(PlaceOnScreen, AWindowThatShowsOnAnyScreenStaysWhereItIs) {
  EXPECT_FALSE(placeOnScreen({100, 100, 300, 200}, {kLeftScreen}, kLeftScreen));
  EXPECT_FALSE(placeOnScreen({2500, 300, 300, 200}, {kLeftScreen, kRightScreen}, kLeftScreen));
  // Half off the edge, but there is enough of it to take hold of.
  EXPECT_FALSE(placeOnScreen({1800, 1000, 300, 200}, {kLeftScreen}, kLeftScreen));
}

TEST(PlaceOnScreen, AWindowOnAMonitorSinceUnpluggedComesBackToTheMainScreen) {
  const auto place = placeOnScreen({2500, 300, 300, 200}, {kLeftScreen}, kLeftScreen);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->x, 1920 - 300);
  EXPECT_EQ(place->y, 300);
}

TEST(PlaceOnScreen, FarNegativeAndHugePositionsLandInsideTheMainArea) {
  for (const PixelRect frame : {PixelRect{-32768, -32768, 60, 20}, PixelRect{2000000, 2000000, 60, 20},
                                PixelRect{-5, -100000, 1000, 500}}) {
    const auto place = placeOnScreen(frame, {kLeftScreen}, kLeftScreen);
    ASSERT_TRUE(place);
    EXPECT_GE(place->x, 0);
    EXPECT_GE(place->y, 0);
    EXPECT_LE(place->x + frame.width, 1920);
    EXPECT_LE(place->y + frame.height, 1040);
  }
}

TEST(PlaceOnScreen, AWindowLargerThanTheScreenShowsItsTopLeftCorner) {
  const auto place = placeOnScreen({5000, 5000, 3000, 2000}, {kLeftScreen}, kLeftScreen);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->x, 0);
  EXPECT_EQ(place->y, 0);
}

TEST(TwipsAndPixels, FifteenTwipsAPixelAtNinetySixDotsAndMoreAtHigherScales) {
  EXPECT_EQ(Scale{}.px(2865), 191);
  EXPECT_EQ(Scale{1.5}.px(1440), 144);
  EXPECT_EQ(Scale{1.5}.twips(144), 1440);
}

}  // namespace
}  // namespace kvirlo
