#include <gtest/gtest.h>

#include <string>

#include "pixels/picture_scale.h"
#include "pixels/scaled_picture.h"
#include "store/resource_table.h"

namespace {

// Every DPI from 96 to 288 against the set it should use: its own at 96,
// 144 and 192, else the next larger one, and above 192 the largest.
TEST(PictureScale, EveryDpiTakesItsOwnSetOrTheNextLargerOne) {
  for (int dpi = 96; dpi <= 288; ++dpi) {
    SCOPED_TRACE("dpi " + std::to_string(dpi));
    const PictureScale scale = PictureScaleForDpi(dpi);
    const PictureSet expected = dpi <= 96 ? PictureSet::k100 : dpi <= 144 ? PictureSet::k150 : PictureSet::k200;
    EXPECT_EQ(scale.set, expected);
    const int setDpi = expected == PictureSet::k100 ? 96 : expected == PictureSet::k150 ? 144 : 192;
    EXPECT_DOUBLE_EQ(scale.factor, dpi / static_cast<double>(setDpi));
    EXPECT_EQ(scale.Native(), dpi == 96 || dpi == 144 || dpi == 192);
    if (dpi <= 192) {
      EXPECT_LE(scale.factor, 1.0) << "a set is only ever resampled down up to 200 %";
    }
  }
  EXPECT_EQ(PictureScaleForDpi(72).set, PictureSet::k100);
  EXPECT_DOUBLE_EQ(PictureScaleForDpi(72).factor, 0.75);
  EXPECT_EQ(PictureScaleForDpi(0).set, PictureSet::k100);  // unknown: 100 %
  EXPECT_DOUBLE_EQ(PictureScaleForDpi(0).factor, 1.0);
}

TEST(PictureScale, LengthsScaleRoundedToTheNearestPixel) {
  struct Case { int length, dpi, expected; };
  const Case cases[] = {{239, 96, 239}, {239, 144, 359}, {239, 192, 478}, {239, 120, 299}, {119, 144, 179},
                        {1, 144, 2},    {1, 120, 1},     {3, 144, 5},     {0, 144, 0},     {-16, 144, -24},
                        {15, 144, 23},  {25, 144, 38},   {43, 144, 65},   {16, 168, 28}};
  for (const Case& c : cases) EXPECT_EQ(ScaleToDpi(c.length, c.dpi), c.expected) << c.length << " at " << c.dpi;
}

TEST(PictureScale, ResourceNamesCarryTheScale) {
  EXPECT_EQ(ScaledResourceName("BITMAP_FLAT", PictureSet::k100), "BITMAP_FLAT");
  EXPECT_EQ(ScaledResourceName("BITMAP_FLAT", PictureSet::k150), "BITMAP_FLAT_150");
  EXPECT_EQ(ScaledResourceName("BITMAP_FLAGSMASK", PictureSet::k200), "BITMAP_FLAGSMASK_200");
}

// Strips scale cell by cell, so their cells stay whole pixels.
TEST(PictureScale, TablePicturesScaleAsWholesOrAsCells) {
  const ResourceEntry& flags = *FindResourceEntry("BITMAP_FLAGS");
  EXPECT_EQ(ScaledPictureSize(flags, 96), (PictureSize{5750, 15}));
  EXPECT_EQ(ScaledPictureSize(flags, 144), (PictureSize{230 * 38, 23}));
  EXPECT_EQ(ScaledPictureSize(*FindResourceEntry("BITMAP_FLAGSMASK"), 144), (PictureSize{231 * 38, 23}));
  EXPECT_EQ(ScaledPictureSize(*FindResourceEntry("BITMAPS"), 120), (PictureSize{28 * 20, 20}));
  EXPECT_EQ(ScaledPictureSize(*FindResourceEntry("BITMAP_30"), 144), (PictureSize{65, 63}));
  EXPECT_EQ(FindResourceEntry("BITMAP_NONE"), nullptr);
}

Picture32 Filled(int w, int h, Pixel32 p) {
  Picture32 picture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.At(x, y) = p;
  return picture;
}

// A red disc-like square on a transparent ground: resampled with its alpha,
// the edge pixels stay red (no dark halo from the transparent black around).
TEST(ScaledPicture, AlphaEdgesKeepTheirColour) {
  Picture32 source = Filled(24, 24, {0, 0, 0, 0});
  for (int y = 6; y < 18; ++y)
    for (int x = 6; x < 18; ++x) source.At(x, y) = {40, 40, 220, 255};
  const Picture32 small = ResamplePicture(source, 20, 20, PictureKind::kAlpha);
  ASSERT_EQ(small.Width(), 20);
  int soft = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const Pixel32 p = small.At(x, y);
      if (p.a == 0) continue;
      soft += p.a < 255;
      if (p.a > 16) {
        EXPECT_GT(p.r, 180) << x << ", " << y << " alpha " << int(p.a);
      }
    }
  EXPECT_GT(soft, 0) << "the edges are filtered";
  EXPECT_EQ(small.At(0, 0).a, 0);
  const Pixel32 middle = small.At(10, 10);  // the filter's weights need not add up to exactly one
  EXPECT_EQ(middle.r, 220);
  EXPECT_EQ(middle.g, 40);
  EXPECT_GE(middle.a, 250);
}

// Magenta stays the key: a pixel is the key or an opaque colour, never a
// blend of the two (a pink fringe on a menu).
TEST(ScaledPicture, ColourKeyedPicturesNeverBlendIntoTheKey) {
  Picture32 source = Filled(12, 12, kKeyPixel);
  for (int y = 3; y < 9; ++y)
    for (int x = 3; x < 9; ++x) source.At(x, y) = {30, 30, 30, 255};
  const Picture32 small = ResamplePicture(source, 10, 10, PictureKind::kColourKeyed);
  int key = 0, ink = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const Pixel32 p = small.At(x, y);
      EXPECT_EQ(p.a, 255);
      if (p == kKeyPixel) {
        ++key;
        continue;
      }
      ++ink;
      EXPECT_LT(p.r, 80) << x << ", " << y;
      EXPECT_LT(p.b, 80) << x << ", " << y;
    }
  EXPECT_GT(key, 0);
  EXPECT_GT(ink, 9);
}

// Cells of a strip never take colour from their neighbours.
TEST(ScaledPicture, StripCellsDoNotBleed) {
  Picture32 strip(32, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) strip.At(x, y) = x < 16 ? Pixel32{0, 0, 0, 255} : Pixel32{255, 255, 255, 255};
  const Picture32 small = ResamplePicture(strip, 24, 12, PictureKind::kOpaque, 2);
  for (int y = 0; y < 12; ++y) {
    EXPECT_EQ(small.At(11, y), (Pixel32{0, 0, 0, 255}));
    EXPECT_EQ(small.At(12, y), (Pixel32{255, 255, 255, 255}));
  }
}

TEST(ScaledPicture, TwoLevelMasksStayBlackAndWhite) {
  Picture32 mask = Filled(25, 15, {255, 255, 255, 255});
  for (int y = 2; y < 13; ++y)
    for (int x = 2; x < 22; ++x) mask.At(x, y) = {0, 0, 0, 255};
  const Picture32 small = ResamplePicture(mask, 21, 13, PictureKind::kTwoLevel);
  int black = 0;
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 21; ++x) {
      const Pixel32 p = small.At(x, y);
      ASSERT_TRUE(p == (Pixel32{0, 0, 0, 255}) || p == (Pixel32{255, 255, 255, 255})) << x << ", " << y;
      black += p.r == 0;
    }
  EXPECT_GT(black, 100);
}

// Users' pictures are drawn for 100 %: unchanged there, resampled elsewhere.
TEST(ScaledPicture, UserPicturesScaleWithTheDpi) {
  const Picture32 icon = Filled(32, 32, {10, 200, 30, 255});
  const Picture32 same = PictureForDpi(icon, 96);
  EXPECT_EQ(same.Width(), 32);
  const Picture32 larger = PictureForDpi(icon, 144);
  EXPECT_EQ(larger.Width(), 48);
  EXPECT_EQ(larger.Height(), 48);
  EXPECT_EQ(larger.At(24, 24), (Pixel32{10, 200, 30, 255}));
  EXPECT_EQ(PictureForDpi(icon, 120).Width(), 40);
  EXPECT_EQ(PictureForDpi(Picture32(), 144).Width(), 0);
}

}  // namespace
