#include <gtest/gtest.h>

#include <cstdlib>

#include "pixels/display_scale.h"
#include "sticker/sticker_geometry.h"
#include "sticker/stored_units.h"

namespace {

TEST(DisplayScale, RoundsHalfAwayFromZeroLikeMulDiv) {
  struct Case { int a, b, c, expected; };
  for (const Case c : {Case{1, 144, 96, 2}, Case{3, 144, 96, 5}, Case{-1, 144, 96, -2}, Case{-3, 144, 96, -5},
                       Case{5, 120, 96, 6}, Case{2, 120, 96, 3}, Case{7, 96, 144, 5}, Case{-7, 96, 144, -5},
                       Case{10, 1, 0, 0}, Case{1000000000, 192, 96, 2000000000}, Case{7, -144, 96, -11}}) {
    EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
  }
}

TEST(DisplayScale, ScalesLengthsOfTheDesignAndBack) {
  struct Case { int dpi, length, pixels; };
  for (const Case c : {Case{96, 239, 239}, Case{120, 239, 299}, Case{144, 239, 359}, Case{192, 239, 478},
                       Case{144, 18, 27}, Case{120, 18, 23}, Case{144, 15, 23}, Case{168, 24, 42}}) {
    const DisplayScale scale(c.dpi);
    EXPECT_EQ(scale.Px(c.length), c.pixels) << c.dpi;
    EXPECT_EQ(scale.Unscaled(c.pixels), c.length) << c.dpi;
  }
  EXPECT_EQ(DisplayScale(0), DisplayScale()) << "a system that cannot say is at 100 %";
  EXPECT_EQ(DisplayScale(-5).Dpi(), 96);
}

TEST(StoredUnits, PlacesFollowTheSystemScaleAndSizesTheMonitors) {
  const StoredUnits units(DisplayScale(144), DisplayScale(192));
  EXPECT_EQ(units.ScreenPlace(100, -40), (ScreenPoint{150, -60}));
  EXPECT_EQ(units.StoredPlace({150, -60}), (ScreenPoint{100, -40}));
  // A sticker 478 x 200 pixels on a 200 % monitor is 239 x 100 in the file.
  EXPECT_EQ(units.Stored({300, 75, 778, 275}), (StoredBounds{200, 50, 239, 100}));
}

// Every place the file can hold comes back from the screen unchanged, so a
// file opened and saved again and again keeps its numbers.
TEST(StoredUnits, OpenAndSaveAHundredTimesKeepsTheFile) {
  for (const int dpi : {120, 144, 168, 192}) {
    const StoredUnits units{DisplayScale(dpi), DisplayScale(dpi)};
    for (int stored = -300; stored <= 1500; ++stored) {
      ScreenPoint place{stored, stored};
      for (int round = 0; round < 100; ++round) place = units.StoredPlace(units.ScreenPlace(place.x, place.y));
      ASSERT_EQ(place, (ScreenPoint{stored, stored})) << dpi;
    }
  }
}

// A hundred drags of a sticker, each saved and the program started again
// from the file: the sticker opens within a pixel of where it was dropped.
// A place between two the file can tell apart goes to one of them, so drags
// there and back may leave it a pixel or two from home, but never further
// however often they are repeated.
TEST(StoredUnits, AHundredMovesWithRestartsDoNotDrift) {
  for (const int dpi : {120, 144}) {
    const StoredUnits units{DisplayScale(dpi), DisplayScale(dpi)};
    const ScreenPoint home = units.ScreenPlace(200, 150);
    ScreenPoint place = home;
    for (int move = 0; move < 100; ++move) {
      const int step = move % 2 == 0 ? 37 : -37;
      const ScreenPoint dropped{place.x + step, place.y - step};
      const ScreenPoint stored = units.StoredPlace(dropped);
      place = units.ScreenPlace(stored.x, stored.y);
      ASSERT_LE(std::abs(place.x - dropped.x), 1) << dpi << " move " << move;
      ASSERT_LE(std::abs(place.y - dropped.y), 1) << dpi << " move " << move;
      const ScreenPoint ideal = move % 2 == 0 ? ScreenPoint{home.x + 37, home.y - 37} : home;
      ASSERT_LE(std::abs(place.x - ideal.x), 2) << dpi << " move " << move;
      ASSERT_LE(std::abs(place.y - ideal.y), 2) << dpi << " move " << move;
    }
  }
}

// The hit areas at 150 %: a pixel of the design is one and a half pixels,
// each edge rounded on its own.
TEST(PinAndButtons, HitAreasAtOneHundredFiftyPercent) {
  const DisplayScale scale(144);
  EXPECT_EQ(PinPosition(5, 359, scale).x, 320);
  EXPECT_EQ(PinPosition(9, 359, scale).y, 15);
  EXPECT_EQ(PinHitArea(5, 359, 0, scale), (Rect{323, 8, 344, 29}));
  EXPECT_EQ(PinHitArea(5, 359, IconHalf(72, scale), scale), (Rect{323, 41, 344, 62}));
  EXPECT_EQ(PinHitArea(13, 150, IconHalf(72, scale), scale), (Rect{111, 14, 132, 35})) << "title bars never shift";
  EXPECT_EQ(IconHalf(0, scale), 0);
  // Style 5, 359 x 150, expanded: the close button 27 wide from 320, 23 high.
  EXPECT_EQ(PopupButtonArea(kButtonClose, 5, true, 359, 150, scale), (Rect{320, 112, 347, 135}));
  EXPECT_EQ(PopupButtonArea(kButtonDuplicate, 5, true, 359, 150, scale), (Rect{293, 112, 320, 135}));
  EXPECT_EQ(PopupButtonArea(kButtonCollapse, 5, false, 359, 150, scale), (Rect{212, 112, 239, 135}));
  EXPECT_EQ(HitPopupButton(333, 120, 5, true, 359, 150, scale), kButtonClose);
  EXPECT_EQ(HitPopupButton(319, 120, 5, true, 359, 150, scale), kButtonDuplicate);
  EXPECT_EQ(HitPopupButton(333, 136, 5, true, 359, 150, scale), kButtonNone) << "below the 23 rows";
  EXPECT_EQ(HitPopupButton(333, 120, 5, true, 239, 100), kButtonNone) << "not where 100 % would put it";
  const ButtonMetrics m = PopupButtonMetrics(9, false, scale);
  EXPECT_EQ(m.dx, 71);
  EXPECT_EQ(m.dy, 45);
}

TEST(CollapseZones, GrowWithTheScale) {
  const DisplayScale scale(144);
  EXPECT_TRUE(InCollapseZone(100, 31, 5, 0, scale));
  EXPECT_FALSE(InCollapseZone(100, 32, 5, 0, scale));
  EXPECT_TRUE(InCollapseZone(100, 67, 5, 72, scale));
  EXPECT_TRUE(InCollapseZone(98, 5, 12, 72, scale));
  EXPECT_FALSE(InCollapseZone(99, 5, 12, 72, scale));
}

}  // namespace
