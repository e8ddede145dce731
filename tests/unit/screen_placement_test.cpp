// Stickers on desktops of one, two and three monitors: what counts as on
// screen, which monitor is nearest, and where a sticker is brought back.

#include <gtest/gtest.h>

#include "sticker/screen_placement.h"

namespace {

// A sticker of 239 x 100 with its top-left corner at (x, y).
ScreenRect Sticker(int x, int y) { return {x, y, x + 239, y + 100}; }

// A monitor whose task bar takes the bottom 40 pixels.
Monitor WithTaskBar(int left, int top, int right, int bottom) {
  return {{left, top, right, bottom}, {left, top, right, bottom - 40}};
}

const std::vector<Monitor> kOne = {WithTaskBar(0, 0, 1920, 1080)};
// The primary monitor and a second one to its right.
const std::vector<Monitor> kTwo = {WithTaskBar(0, 0, 1920, 1080), {{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}}};
// A third monitor left of the primary, higher up: negative coordinates.
const std::vector<Monitor> kThree = {kTwo[0], kTwo[1], {{-1280, -200, 0, 824}, {-1280, -200, 0, 824}}};

TEST(ScreenPlacement, OnScreenNeedsACornerOf24By24InsideOneWorkArea) {
  EXPECT_TRUE(IsOnScreen(kOne, Sticker(100, 100)));
  EXPECT_TRUE(IsOnScreen(kOne, Sticker(1920 - 24, 100)));   // exactly 24 across
  EXPECT_FALSE(IsOnScreen(kOne, Sticker(1920 - 23, 100)));
  EXPECT_TRUE(IsOnScreen(kOne, Sticker(24 - 239, 100)));
  EXPECT_FALSE(IsOnScreen(kOne, Sticker(23 - 239, 100)));
  EXPECT_TRUE(IsOnScreen(kOne, Sticker(100, 1040 - 24)));    // the task bar is no part of it
  EXPECT_FALSE(IsOnScreen(kOne, Sticker(100, 1040 - 23)));
  EXPECT_FALSE(IsOnScreen(kOne, Sticker(100, 1050)));         // on the task bar only
  EXPECT_FALSE(IsOnScreen(kOne, Sticker(100, -77)));
  // At 150 % the corner that must show is 36 pixels square.
  EXPECT_TRUE(IsOnScreen(kOne, Sticker(1920 - 36, 100), DisplayScale(144)));
  EXPECT_FALSE(IsOnScreen(kOne, Sticker(1920 - 35, 100), DisplayScale(144)));
  EXPECT_FALSE(IsOnScreen(kOne, Sticker(100, 1040 - 30), DisplayScale(144)));
}

// The mended fault: a sticker on the second monitor is on screen, and stays.
TEST(ScreenPlacement, AStickerOnAnotherMonitorStaysWhereItIs) {
  EXPECT_FALSE(OffScreenPlacement(kTwo, Sticker(2500, 400)).has_value());
  EXPECT_FALSE(OffScreenPlacement(kThree, Sticker(-900, -150)).has_value());
  // Astride two monitors with less than 24 across on each: off screen.
  EXPECT_TRUE(OffScreenPlacement(kTwo, {1900, 1030, 1940, 1130}).has_value());
}

TEST(ScreenPlacement, AnOffScreenStickerIsCentredOnTheNearestWorkArea) {
  // Below the second monitor: centred there, not on the primary.
  EXPECT_EQ(OffScreenPlacement(kTwo, Sticker(2500, 1500)), (ScreenPoint{1920 + (1280 - 239) / 2, (1024 - 100) / 2}));
  // Far to the left: the monitor left of the primary is nearest.
  EXPECT_EQ(OffScreenPlacement(kThree, Sticker(-4000, 300)), (ScreenPoint{-1280 + (1280 - 239) / 2, -200 + (1024 - 100) / 2}));
  // On one monitor's task bar only: centred on that monitor's work area.
  EXPECT_EQ(OffScreenPlacement(kTwo, Sticker(300, 1045)), (ScreenPoint{(1920 - 239) / 2, (1040 - 100) / 2}));
  // Overlapping two monitors a little: the one it overlaps most wins.
  EXPECT_EQ(&NearestMonitor(kTwo, {1900, 1000, 1960, 1030}), &kTwo[1]);
  EXPECT_EQ(&NearestMonitor(kTwo, {1880, 1000, 1930, 1030}), &kTwo[0]);
}

// A monitor unplugged: what lay on it is wholly outside every monitor and
// comes back; what still shows a little is left to the user.
TEST(ScreenPlacement, OnlyAStickerWhollyOutsideEveryMonitorIsStranded) {
  EXPECT_EQ(StrandedPlacement(kOne, Sticker(2500, 400)), (ScreenPoint{(1920 - 239) / 2, (1040 - 100) / 2}));
  EXPECT_EQ(StrandedPlacement(kTwo, Sticker(-900, -150)), (ScreenPoint{(1920 - 239) / 2, (1040 - 100) / 2}));
  EXPECT_FALSE(StrandedPlacement(kThree, Sticker(-900, -150)).has_value());
  EXPECT_FALSE(StrandedPlacement(kOne, Sticker(1910, 100)).has_value());  // 10 pixels still show
  EXPECT_FALSE(StrandedPlacement(kOne, Sticker(100, 1050)).has_value());  // on the task bar, still on the monitor
  EXPECT_FALSE(StrandedPlacement({}, Sticker(5000, 5000)).has_value());   // no monitor known: nothing to do
}

}  // namespace
