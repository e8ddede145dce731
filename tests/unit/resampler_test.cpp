#include <gtest/gtest.h>

#include <random>

#include "pixels/resampler.h"

namespace {

Picture24 Gradient(int w, int h) {
  Picture24 p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.At(x, y) = {static_cast<std::uint8_t>(40 + x * 150 / std::max(1, w - 1)),
                    static_cast<std::uint8_t>(30 + y * 180 / std::max(1, h - 1)), 128};
  return p;
}

Picture24 Resampled(const Picture24& source, int w, int h) {
  Picture24 destination(w, h);
  Resample(source.View(), destination.View());
  return destination;
}

int ChannelDistance(Pixel24 a, Pixel24 b) {
  return std::max({std::abs(a.b - b.b), std::abs(a.g - b.g), std::abs(a.r - b.r)});
}

TEST(MitchellFilter, HasItsKnownValues) {
  EXPECT_DOUBLE_EQ(MitchellFilter(0), 16.0 / 18.0);
  EXPECT_NEAR(MitchellFilter(1), 1.0 / 18.0, 1e-12);
  EXPECT_NEAR(MitchellFilter(-1), 1.0 / 18.0, 1e-12);
  EXPECT_NEAR(MitchellFilter(2), 0.0, 1e-12);
  EXPECT_EQ(MitchellFilter(2.5), 0.0);
  EXPECT_LT(MitchellFilter(1.5), 0.0);  // the negative lobe
}

TEST(Resample, TheSameSizeReproducesSmoothPicturesUpToRounding) {
  const Picture24 source = Gradient(37, 23);
  const Picture24 same = Resampled(source, 37, 23);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x) ASSERT_LE(ChannelDistance(same.At(x, y), source.At(x, y)), 1) << x << "," << y;
}

TEST(Resample, AOnePixelLineShrunkSpreadsWithNegativeLobesClamped) {
  Picture24 dark(9, 1), light(9, 1);
  for (int x = 0; x < 9; ++x) {
    dark.At(x, 0) = {0, 0, 0};
    light.At(x, 0) = {255, 255, 255};
  }
  dark.At(4, 0) = {255, 255, 255};
  light.At(4, 0) = {0, 0, 0};
  // Column i is centred on source column 3i: the line at 4 lies 1/3 and 2/3
  // of a destination pixel from columns 1 and 2, and 4/3 from column 0,
  // where the filter is negative.
  const Picture24 shrunk = Resampled(dark, 3, 1);
  EXPECT_EQ(shrunk.At(0, 0).g, 0);   // -2.8 clamped
  EXPECT_EQ(shrunk.At(1, 0).g, 60);  // 255 * 0.2366
  EXPECT_EQ(shrunk.At(2, 0).g, 29);  // 255 * 0.1152
  const Picture24 inverse = Resampled(light, 3, 1);
  EXPECT_EQ(inverse.At(0, 0).g, 255);  // the lobe above white is clamped too
  EXPECT_EQ(inverse.At(1, 0).g, 255 - 60);
}

TEST(Resample, OddFactorsKeepFlatAreasAndFollowGradients) {
  struct Case { int sw, sh, dw, dh; };
  for (const Case c : {Case{7, 5, 21, 15}, Case{21, 15, 7, 5}, Case{10, 10, 33, 7}, Case{45, 9, 9, 45}}) {
    SCOPED_TRACE(testing::Message() << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh);
    Picture24 flat(c.sw, c.sh);
    for (int y = 0; y < c.sh; ++y)
      for (int x = 0; x < c.sw; ++x) flat.At(x, y) = {128, 60, 200};
    const Picture24 out = Resampled(flat, c.dw, c.dh);
    for (int y = 0; y < c.dh; ++y)
      for (int x = 0; x < c.dw; ++x) ASSERT_LE(ChannelDistance(out.At(x, y), {128, 60, 200}), 2);

    // Inside the picture a linear ramp is sampled where the destination pixel
    // is centred: source position i * sw / dw.
    const Picture24 ramp = Gradient(c.sw, c.sh);
    const Picture24 scaled = Resampled(ramp, c.dw, c.dh);
    for (int x = 0; x < c.dw; ++x) {
      const double at = x * static_cast<double>(c.sw) / c.dw;
      if (at < 2 || at > c.sw - 3) continue;
      EXPECT_NEAR(scaled.At(x, c.dh / 2).b, 40 + at * 150 / (c.sw - 1), 2.0) << x;
    }
  }
}

TEST(Resample, TinySourcesDestinationsAndThinStripsStayInside) {
  Picture24 one(1, 1);
  one.At(0, 0) = {10, 20, 30};
  for (const auto& [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {5, 1}, {1, 7}, {300, 200}}) {
    const Picture24 out = Resampled(one, w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_LE(ChannelDistance(out.At(x, y), {10, 20, 30}), 1) << w << "x" << h;
  }
  const Picture24 point = Resampled(Gradient(50, 40), 1, 1);
  EXPECT_GT(point.At(0, 0).g, 0);

  // The frame builders stretch 4-row strips and single columns.
  std::mt19937 random(3);
  for (const auto& [sw, sh, dw, dh] :
       std::vector<std::array<int, 4>>{{239, 4, 239, 700}, {1, 60, 800, 60}, {2, 2, 1040, 770}, {4, 3, 1, 1}}) {
    Picture24 strip(sw, sh);
    for (int y = 0; y < sh; ++y)
      for (int x = 0; x < sw; ++x)
        strip.At(x, y) = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()), 77};
    const Picture24 out = Resampled(strip, dw, dh);
    EXPECT_LE(ChannelDistance(out.At(dw - 1, dh - 1), {out.At(dw - 1, dh - 1).b, out.At(dw - 1, dh - 1).g, 77}), 1);
  }
}

TEST(Resample, EmptyPicturesAreLeftAlone) {
  Picture24 empty, target(3, 3);
  target.At(1, 1) = {1, 2, 3};
  Resample(empty.View(), target.View());
  EXPECT_EQ(target.At(1, 1), (Pixel24{1, 2, 3}));
  Resample(target.View(), empty.View());
}

}  // namespace
