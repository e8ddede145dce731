// The test pictures' PNG codec: what it writes it reads back exactly, and it
// refuses files it cannot trust.

#include <gtest/gtest.h>

#include <random>

#include "support/png_codec.h"

namespace {

Picture32 Noise(int w, int h, bool opaque) {
  std::mt19937 random(11);
  Picture32 p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // Smooth areas and noise both, so every predictor sees carries and wraps.
      const auto n = static_cast<std::uint8_t>(random());
      p.At(x, y) = {static_cast<std::uint8_t>(x * 7), n, static_cast<std::uint8_t>(255 - y * 5),
                    opaque ? std::uint8_t{255} : static_cast<std::uint8_t>(n ^ 0x5A)};
    }
  return p;
}

void ExpectSame(const Picture32& a, const Picture32& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) ASSERT_EQ(a.At(x, y), b.At(x, y)) << x << "," << y;
}

TEST(PngCodec, EveryFilterRoundTripsWithAndWithoutAlpha) {
  using png::Filter;
  for (const Filter filter : {Filter::kNone, Filter::kSub, Filter::kUp, Filter::kAverage, Filter::kPaeth})
    for (const bool alpha : {true, false}) {
      SCOPED_TRACE(testing::Message() << "filter " << static_cast<int>(filter) << " alpha " << alpha);
      const Picture32 picture = Noise(37, 23, !alpha);
      const auto decoded = png::Decode(png::Encode(picture, filter, alpha));
      ASSERT_TRUE(decoded.has_value());
      ExpectSame(*decoded, picture);
    }
}

TEST(PngCodec, DamagedOrUnknownFilesAreRefused) {
  const std::vector<std::uint8_t> good = png::Encode(Noise(8, 8, false));
  ASSERT_TRUE(png::Decode(good).has_value());
  struct Case { const char* what; std::size_t at; std::uint8_t value; };
  const Case cases[] = {
      {"signature", 1, 'X'},
      {"bit depth 16", 8 + 8 + 8, 16},
      {"palette colour type", 8 + 8 + 9, 3},
      {"interlaced", 8 + 8 + 12, 1},
      {"header checksum", 8 + 8 + 13, 0},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bad = good;
    bad[c.at] = static_cast<std::uint8_t>(bad[c.at] ^ (c.value ? c.value : 0xFF));
    EXPECT_FALSE(png::Decode(bad).has_value()) << c.what;
  }
  for (const std::size_t cut : {std::size_t{4}, std::size_t{20}, good.size() - 13, good.size() - 1})
    EXPECT_FALSE(png::Decode(std::span(good).first(cut)).has_value()) << "cut to " << cut;
}

}  // namespace
