#include "pixels/scaled_picture.h"

#include <algorithm>

#include "pixels/picture_scale.h"
#include "pixels/resampler.h"

namespace {

constexpr int kHalf = 128;

bool IsKey(const Pixel32& p) { return p.r == kKeyPixel.r && p.g == kKeyPixel.g && p.b == kKeyPixel.b; }

// Splits a picture into colour (premultiplied where the kind has alpha) and
// coverage, the two 24-bit pictures the resampler works on.
void Split(const View32& source, PictureKind kind, const View24& colour, const View24& coverage) {
  for (int y = 0; y < source.height; ++y)
    for (int x = 0; x < source.width; ++x) {
      const Pixel32 p = source.At(x, y);
      int a = 255;
      if (kind == PictureKind::kAlpha) a = p.a;
      if (kind == PictureKind::kColourKeyed && IsKey(p)) a = 0;
      const auto times = [a](int c) { return static_cast<std::uint8_t>((c * a + 127) / 255); };
      colour.At(x, y) = {times(p.b), times(p.g), times(p.r)};
      const auto level = static_cast<std::uint8_t>(a);
      coverage.At(x, y) = {level, level, level};
    }
}

std::uint8_t Unpremultiply(int c, int a) { return static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a)); }

void Join(const View24& colour, const View24& coverage, PictureKind kind, const View32& destination) {
  for (int y = 0; y < destination.height; ++y)
    for (int x = 0; x < destination.width; ++x) {
      const Pixel24 c = colour.At(x, y);
      const int a = coverage.At(x, y).g;
      Pixel32& out = destination.At(x, y);
      switch (kind) {
        case PictureKind::kOpaque:
          out = {c.b, c.g, c.r, 255};
          break;
        case PictureKind::kTwoLevel: {
          const std::uint8_t v = (c.b + c.g + c.r) >= 3 * kHalf ? 255 : 0;
          out = {v, v, v, 255};
          break;
        }
        case PictureKind::kColourKeyed:
          out = a >= kHalf ? Pixel32{Unpremultiply(c.b, a), Unpremultiply(c.g, a), Unpremultiply(c.r, a), 255} : kKeyPixel;
          break;
        case PictureKind::kAlpha:
          out = a == 0 ? Pixel32{0, 0, 0, 0}
                       : Pixel32{Unpremultiply(c.b, a), Unpremultiply(c.g, a), Unpremultiply(c.r, a), static_cast<std::uint8_t>(a)};
          break;
      }
    }
}

void ResampleCell(const View32& source, const View32& destination, PictureKind kind) {
  Picture24 colour(source.width, source.height), coverage(source.width, source.height);
  Split(source, kind, colour.View(), coverage.View());
  Picture24 colourOut(destination.width, destination.height), coverageOut(destination.width, destination.height);
  Resample(colour.View(), colourOut.View());
  if (kind == PictureKind::kAlpha || kind == PictureKind::kColourKeyed) Resample(coverage.View(), coverageOut.View());
  Join(colourOut.View(), coverageOut.View(), kind, destination);
}

}  // namespace

Picture32 ResamplePicture(const Picture32& source, int width, int height, PictureKind kind, int cells) {
  cells = std::max(cells, 1);
  Picture32 result(width, height);
  if (source.Width() < cells || source.Height() == 0) return result;
  const int from = source.Width() / cells, to = width / cells;
  for (int i = 0; i < cells; ++i)
    ResampleCell(SubView(source.View(), i * from, 0, from, source.Height()), SubView(result.View(), i * to, 0, to, height), kind);
  return result;
}

Picture32 PictureForDpi(const Picture32& picture, int dpi) {
  if (dpi == kDefaultDpi || picture.Width() == 0) return picture;
  return ResamplePicture(picture, std::max(1, ScaleToDpi(picture.Width(), dpi)), std::max(1, ScaleToDpi(picture.Height(), dpi)),
                         PictureKind::kAlpha);
}
