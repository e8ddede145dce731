#pragma once
// The generator's drawing surface: straight (not premultiplied) RGBA in
// floating point, 0..1 per channel, rows top first. Shapes and paints are
// given in design units, the pixels of the 100 % picture; a surface drawn for
// a larger scale has more pixels per design unit, so the same drawing comes
// out larger and as sharp, not stretched.

#include <algorithm>
#include <vector>

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

// A colour from 0..255 channel values.
constexpr Rgba Rgb8(int r, int g, int b, int a = 255) { return {r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f}; }
constexpr Rgba Grey8(int v, int a = 255) { return Rgb8(v, v, v, a); }
inline Rgba Mix(Rgba x, Rgba y, float t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgba fill = {}, float scale = 1)
      : width_(width), height_(height), scale_(scale), pixels_(static_cast<std::size_t>(width) * height, fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Pixels per design unit.
  float Scale() const { return scale_; }
  Rgba& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgba& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

 private:
  int width_ = 0, height_ = 0;
  float scale_ = 1;
  std::vector<Rgba> pixels_;
};

// A surface for a picture of width x height design units drawn at `dpi`
// (96 is 100 %), its pixel size rounded as the program scales lengths.
Image DesignCanvas(int width, int height, int dpi, Rgba fill = {});
// Pixels per design unit at `dpi`.
float DesignScale(int dpi);

// Source-over compositing of a colour with extra coverage (0..1) onto a pixel.
inline void Blend(Rgba& d, Rgba s, float coverage) {
  const float sa = std::clamp(s.a * coverage, 0.0f, 1.0f);
  if (sa <= 0) return;
  const float a = sa + d.a * (1 - sa);
  const auto channel = [&](float sc, float dc) { return (sc * sa + dc * d.a * (1 - sa)) / a; };
  d = {channel(s.r, d.r), channel(s.g, d.g), channel(s.b, d.b), a};
}

// Copies a picture onto another at (x, y), compositing source over destination.
void Paste(Image& destination, const Image& source, int x, int y);
