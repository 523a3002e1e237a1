#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "platform/window/control.h"
#include "platform/window/view_layout.h"
#include "platform/window/window.h"

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

struct Keep : WindowHost {
  void unload(Window&) override {}
};

// A dialog of 3000 x 1500 twips: a frame with two options, one beside a button.
struct Dialog : Window {
  explicit Dialog(ModelContext& c) : Window(c, WindowId::Form4, "Dialog") {
    border = BorderStyle::FixedSingle;
    clientWidth = 3000;
    clientHeight = 1500;
    frame.setGeometry({120, 120, 2700, 1200});
    wide.setGeometry({240, 360, 1500, 255});
    beside.setGeometry({240, 720, 1500, 255});
    button.setGeometry({1800, 720, 900, 255});
  }
  Control frame{*this, "frame", ControlKind::Frame, "Frame"};
  Control wide{*this, "wide", ControlKind::OptionButton, "Option"};
  Control beside{*this, "beside", ControlKind::OptionButton, "Option"};
  Control button{*this, "button", ControlKind::CommandButton, "OK"};
};

// A caption 8 pixels a point wide and 1 a point tall, as if measured.
TextExtent eightAPoint(double points, int) { return {static_cast<int>(points * 8), static_cast<int>(points)}; }

TEST(FitCaption, ACaptionKeepsItsDesignBoxGrowsIntoFreeRoomOrStepsItsFontDown) {
  testing::FakeClock clock;
  Keep host;
  ModelContext context{clock, host};
  Dialog d(context);
  EXPECT_EQ(roomToRight(d.wide), 2820 - 45 - 1740) << "to the inside of its frame";
  EXPECT_EQ(roomToRight(d.beside), 1800 - 30 - 1740) << "up to the button beside it";

  const CaptionFit fits = fitCaption(d.wide, Scale{}, 8, eightAPoint);  // 64 px of 100
  EXPECT_EQ(fits.box, d.wide.geometry());
  EXPECT_EQ(fits.points, 8);

  const CaptionFit grown = fitCaption(d.wide, Scale{}, 15, eightAPoint);  // 120 px
  EXPECT_EQ(grown.box.width, 1800);
  EXPECT_EQ(grown.box.left, 240);
  EXPECT_EQ(grown.points, 15);

  const CaptionFit smaller = fitCaption(d.beside, Scale{}, 15, eightAPoint);  // 102 px at most
  EXPECT_EQ(smaller.points, 12.5);
  EXPECT_TRUE(smaller.fits);
  EXPECT_LE(Scale{}.px(smaller.box.left + smaller.box.width), Scale{}.px(1770));

  const CaptionFit cut = fitCaption(d.beside, Scale{}, 15, [](double p, int) { return TextExtent{int(p * 100), 10}; });
  EXPECT_EQ(cut.points, kSmallestPoints) << "never below seven points";
  EXPECT_FALSE(cut.fits);
}

// A heading of two words on a label a line and a half tall, with room
// beside it and below: wrapped at its own width it would take two lines.
struct Heading : Window {
  explicit Heading(ModelContext& c) : Window(c, WindowId::Form4, "Heading") {
    clientWidth = 4000;
    clientHeight = 2000;
    label.setGeometry({120, 120, 1500, 375});
  }
  Control label{*this, "label", ControlKind::Label, "Two words"};
};

TEST(FitCaption, AWrappingLabelWidensToKeepItsLinesBeforeItGrowsDown) {
  testing::FakeClock clock;
  Keep host;
  ModelContext context{clock, host};
  Heading h(context);
  ASSERT_TRUE(h.label.wrapsText());
  // 110 px on one line, 16 px tall; two lines where narrower.
  const auto twoWords = [](double p, int wrap) {
    const int line = int(p * 11);
    return wrap >= line ? TextExtent{line, int(p * 1.6)} : TextExtent{wrap, int(p * 3.2)};
  };
  const CaptionFit fit = fitCaption(h.label, Scale{}, 10, twoWords);
  EXPECT_GE(Scale{}.px(fit.box.width), 110);
  EXPECT_EQ(fit.box.height, 375) << "one line, in its own height";
  EXPECT_EQ(fit.points, 10);
}

}  // namespace
}  // namespace kvirlo
