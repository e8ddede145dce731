#include <gtest/gtest.h>

#include <cmath>

#include "pixels/pixel_routines.h"

namespace {

Picture32 Filled32(int w, int h, Pixel32 p) {
  Picture32 picture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.At(x, y) = p;
  return picture;
}

Picture24 Filled24(int w, int h, Pixel24 p) {
  Picture24 picture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.At(x, y) = p;
  return picture;
}

TEST(AlphaBlend, BlendsEachChannelWithRoundingAndRaisesAlpha) {
  struct Case { Pixel32 source, destination, expected; };
  const Case cases[] = {
      {{200, 0, 10, 128}, {100, 0, 11, 10}, {150, 0, 10, 124}},  // 50.2 -> 50; -0.502 -> -1
      {{0, 0, 0, 1}, {255, 255, 255, 200}, {254, 254, 254, 200}},
      {{1, 2, 3, 0}, {9, 8, 7, 6}, {9, 8, 7, 6}},          // fully transparent: nothing
      {{1, 2, 3, 255}, {9, 8, 7, 0}, {1, 2, 3, 251}},      // opaque: colour replaced, alpha 251
      {{1, 2, 3, 255}, {9, 8, 7, 255}, {1, 2, 3, 255}},
      {{0, 0, 0, 4}, {255, 0, 0, 0}, {251, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    Picture32 source = Filled32(1, 1, c.source), destination = Filled32(1, 1, c.destination);
    AlphaBlend(source.View(), destination.View(), 0, 0);
    EXPECT_EQ(destination.At(0, 0), c.expected) << int(c.source.a);
  }
}

// The integer formulation must give exactly round((s - d) * sa / 255 + d).
TEST(AlphaBlend, AgreesWithRealArithmeticForEveryCombination) {
  Picture32 source(256, 1), destination(256, 1);
  for (int sa = 0; sa < 256; ++sa)
    for (int d = 0; d < 256; ++d) {
      for (int s = 0; s < 256; ++s) {
        source.At(s, 0) = {static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(255 - s), 0, static_cast<std::uint8_t>(sa)};
        destination.At(s, 0) = {static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(d), 255, static_cast<std::uint8_t>(s)};
      }
      AlphaBlend(source.View(), destination.View(), 0, 0);
      for (int s = 0; s < 256; ++s) {
        const auto expected = [&](int sv, int dv) { return static_cast<int>(std::nearbyint((sv - dv) * sa / 255.0 + dv)); };
        const Pixel32 p = destination.At(s, 0);
        ASSERT_EQ(p.b, expected(s, d)) << s << " " << d << " " << sa;
        ASSERT_EQ(p.g, expected(255 - s, d)) << s << " " << d << " " << sa;
        ASSERT_EQ(p.r, expected(0, 255)) << sa;
        ASSERT_EQ(p.a, std::max(s, sa - 4));
      }
    }
}

TEST(Placement, SourcesAreClippedAtEveryEdgeAndNeverWrap) {
  struct Case { int x, y; int written; Pixel32 corner; };
  // A 3x3 source whose pixels carry their own coordinates, onto a 4x4 picture.
  Picture32 source(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) source.At(x, y) = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0, 255};
  const Case cases[] = {{-1, -1, 4, {1, 1, 0, 251}}, {3, 3, 1, {0, 0, 0, 0}}, {-5, 0, 0, {0, 0, 0, 0}},
                        {0, 10, 0, {0, 0, 0, 0}},    {1, 1, 9, {0, 0, 0, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    Picture32 destination(4, 4);
    AlphaBlend(source.View(), destination.View(), c.x, c.y);
    int written = 0;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) written += destination.At(x, y).a != 0;
    EXPECT_EQ(written, c.written);
    EXPECT_EQ(destination.At(0, 0), c.corner);
  }
  Picture24 key = Filled24(3, 3, {5, 5, 5});
  Picture32 target(2, 2);
  ColourKeyBlit(key.View(), target.View(), -2, 1, 0xFF00FF);
  EXPECT_EQ(target.At(0, 1), (Pixel32{5, 5, 5, 255}));
  EXPECT_EQ(target.At(1, 1), (Pixel32{0, 0, 0, 0}));
}

TEST(ColourKeyBlit, SkipsKeyPixelsAndMakesTheRestOpaque) {
  Picture24 source(3, 1);
  source.At(0, 0) = {255, 0, 255};  // magenta in blue, green, red order
  source.At(1, 0) = {254, 0, 255};
  source.At(2, 0) = {0, 0, 0};
  Picture32 destination = Filled32(3, 1, {7, 7, 7, 9});
  ColourKeyBlit(source.View(), destination.View(), 0, 0, 0xFF00FF);
  EXPECT_EQ(destination.At(0, 0), (Pixel32{7, 7, 7, 9}));
  EXPECT_EQ(destination.At(1, 0), (Pixel32{254, 0, 255, 255}));
  EXPECT_EQ(destination.At(2, 0), (Pixel32{0, 0, 0, 255}));
}

TEST(MaskRoutines, TheMaskMeanIsRoundedAndTextMergeOnlyRaisesAlpha) {
  Picture24 colour(3, 1), mask(3, 1);
  colour.At(0, 0) = {1, 2, 3};
  colour.At(1, 0) = {4, 5, 6};
  colour.At(2, 0) = {7, 8, 9};
  mask.At(0, 0) = {1, 1, 0};      // 0.67 -> 1
  mask.At(1, 0) = {10, 20, 31};   // 20.33 -> 20
  mask.At(2, 0) = {255, 255, 254};  // 254.67 -> 255
  Picture32 withMask(3, 1);
  ColourWithMask(colour.View(), mask.View(), withMask.View());
  EXPECT_EQ(withMask.At(0, 0), (Pixel32{1, 2, 3, 1}));
  EXPECT_EQ(withMask.At(1, 0), (Pixel32{4, 5, 6, 20}));
  EXPECT_EQ(withMask.At(2, 0), (Pixel32{7, 8, 9, 255}));

  Picture32 merged = Filled32(4, 1, {0, 0, 0, 50});
  TextMerge(colour.View(), mask.View(), merged.View(), 1, 0);
  EXPECT_EQ(merged.At(0, 0), (Pixel32{0, 0, 0, 50}));
  EXPECT_EQ(merged.At(1, 0), (Pixel32{1, 2, 3, 50}));
  EXPECT_EQ(merged.At(2, 0), (Pixel32{4, 5, 6, 50}));
  EXPECT_EQ(merged.At(3, 0), (Pixel32{7, 8, 9, 255}));
}

TEST(BlendOnto24, BlendsWithTheSourceAlpha) {
  Picture32 source(2, 1);
  source.At(0, 0) = {200, 0, 255, 128};
  source.At(1, 0) = {0, 0, 0, 0};
  Picture24 destination = Filled24(2, 1, {100, 255, 0});
  BlendOnto24(source.View(), destination.View(), 0, 0);
  EXPECT_EQ(destination.At(0, 0), (Pixel24{150, 127, 128}));
  EXPECT_EQ(destination.At(1, 0), (Pixel24{100, 255, 0}));
}

TEST(Tint, DoublesTheProductAndKeepsAlpha) {
  struct Case { Colour k; Pixel32 before, after; };
  const Case cases[] = {
      {0x808080, {100, 200, 255, 77}, {100, 201, 255, 77}},  // mid-grey: c * 256 / 255
      {0xFFFFFF, {100, 200, 0, 77}, {200, 255, 0, 77}},      // white doubles
      {0x000000, {100, 200, 255, 77}, {0, 0, 0, 77}},        // black keeps only the shape
      {0x0000FF, {100, 100, 100, 1}, {0, 0, 200, 1}},        // red only
  };
  for (const Case& c : cases) {
    Picture32 picture = Filled32(2, 2, c.before);
    Tint(picture.View(), c.k);
    EXPECT_EQ(picture.At(1, 1), c.after) << std::hex << c.k;
  }
}

TEST(Premultiply, ScalesColourByAlphaAndKeepsAlpha) {
  Picture32 straight(3, 1), out(3, 1);
  straight.At(0, 0) = {255, 128, 1, 128};
  straight.At(1, 0) = {200, 100, 50, 0};
  straight.At(2, 0) = {200, 100, 50, 255};
  Premultiply(straight.View(), out.View());
  EXPECT_EQ(out.At(0, 0), (Pixel32{128, 64, 1, 128}));  // 64.25 -> 64, 0.502 -> 1
  EXPECT_EQ(out.At(1, 0), (Pixel32{0, 0, 0, 0}));
  EXPECT_EQ(out.At(2, 0), (Pixel32{200, 100, 50, 255}));
}

TEST(InkBox, MeasuresRightTopAndBottomButNeverTheLeft) {
  Picture24 picture = Filled24(8, 6, {255, 255, 255});
  EXPECT_EQ(FindInkBox(picture.View()), (InkBox{0, 6, 0, 5}));
  picture.At(3, 2) = {255, 254, 255};
  picture.At(5, 4) = {0, 0, 0};
  EXPECT_EQ(FindInkBox(picture.View()), (InkBox{0, 2, 5, 4}));
}

TEST(ColourArithmetic, DarkenRoundsAndLightenTruncates) {
  EXPECT_EQ(Darken(0x808080, 50), 0x676767u);             // 102.9 -> 103
  EXPECT_EQ(Darken(MakeColour(255, 0, 10), 50), MakeColour(205, 0, 8));
  EXPECT_EQ(Darken(0xFFFFFF, 255), 0u);
  EXPECT_EQ(Lighten(0x808080, 30), 0xA6A6A6u);            // 128 + 38.1 -> 166
  EXPECT_EQ(Lighten(MakeColour(0, 255, 1), 30), MakeColour(76, 255, 77));
}

TEST(PictureShape, CopyWithOffsetEnlargeClearAndCopy24To32) {
  Picture32 source = Filled32(2, 2, {1, 2, 3, 4});
  Picture32 copy;
  CopyWithOffset(source.View(), copy, 1, 2);
  ASSERT_EQ(copy.Width(), 3);
  ASSERT_EQ(copy.Height(), 4);
  EXPECT_EQ(copy.At(0, 3), (Pixel32{0, 0, 0, 0}));
  EXPECT_EQ(copy.At(1, 1), (Pixel32{0, 0, 0, 0}));
  EXPECT_EQ(copy.At(2, 3), (Pixel32{1, 2, 3, 4}));

  CopyWithOffset(source.View(), copy, -1, 0);  // a negative offset clips
  ASSERT_EQ(copy.Width(), 1);
  EXPECT_EQ(copy.At(0, 1), (Pixel32{1, 2, 3, 4}));

  Enlarge(source, 2, 1);
  ASSERT_EQ(source.Width(), 4);
  ASSERT_EQ(source.Height(), 3);
  EXPECT_EQ(source.At(1, 2), (Pixel32{0, 0, 0, 0}));
  EXPECT_EQ(source.At(2, 1), (Pixel32{1, 2, 3, 4}));

  Picture24 colour = Filled24(4, 3, {9, 8, 7});
  Copy24To32(colour.View(), source.View());
  EXPECT_EQ(source.At(0, 0), (Pixel32{9, 8, 7, 0}));
  EXPECT_EQ(source.At(3, 2), (Pixel32{9, 8, 7, 4}));
  Clear(source.View());
  EXPECT_EQ(source.At(3, 2), (Pixel32{0, 0, 0, 0}));
}

}  // namespace
