#include "skin_kit.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

float Coverage(float distance, float softness = 1.0f) { return std::clamp(0.5f - distance / softness, 0.0f, 1.0f); }

// Pixel centres in design units (see image.h).
template <typename Visit>
void ForEachPixel(Image& image, Visit visit) {
  const float k = image.Scale();
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) visit(image.At(x, y), (x + 0.5f) / k, (y + 0.5f) / k);
}

float Whole(float v) { return std::round(std::clamp(v, 0.0f, 1.0f) * 255.0f) / 255.0f; }

const Rgba kEmptyColour = Grey8(12);

Image ColourOf(const Image& canvas) {
  Image colour(canvas.Width(), canvas.Height());
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgba c = canvas.At(x, y);
      colour.At(x, y) = c.a > 0 ? Rgba{Whole(c.r), Whole(c.g), Whole(c.b), 1} : kEmptyColour;
    }
  return colour;
}

}  // namespace

void DrawBody(Image& canvas, const Shape& body, const Paint& paint, const ShadowArgs& shadow, float softness) {
  const float k = canvas.Scale();
  ForEachPixel(canvas, [&](Rgba& pixel, float px, float py) {
    const float c = Coverage(body(px, py) * k, softness);
    const float d = body(px - shadow.dx, py - shadow.dy);
    const float t = std::clamp(1.0f - d / shadow.spread, 0.0f, 1.0f);
    const float s = shadow.opacity * t * t * (3 - 2 * t) * (1 - c);
    const Rgba b = paint(px, py);
    const float ab = b.a * c;
    const float a = ab + s;
    if (a <= 0) {
      pixel = {};
      return;
    }
    const auto mix = [&](float bc, float sc) { return (bc * ab + sc * s) / a; };
    pixel = {mix(b.r, shadow.colour.r), mix(b.g, shadow.colour.g), mix(b.b, shadow.colour.b), std::min(a, 1.0f)};
  });
}

void Tone(Image& canvas, const Shape& shape, const Paint& paint, float opacity) {
  const float k = canvas.Scale();
  ForEachPixel(canvas, [&](Rgba& pixel, float px, float py) {
    const float c = Coverage(shape(px, py) * k);
    if (c <= 0) return;
    const Rgba p = paint(px, py);
    const float t = c * p.a * opacity;
    pixel = {pixel.r + (p.r - pixel.r) * t, pixel.g + (p.g - pixel.g) * t, pixel.b + (p.b - pixel.b) * t, pixel.a};
  });
}

void SetAlpha(Image& canvas, const Shape& shape, float alpha, float opacity) {
  const float k = canvas.Scale();
  ForEachPixel(canvas, [&](Rgba& pixel, float px, float py) {
    const float c = Coverage(shape(px, py) * k) * opacity;
    if (c > 0) pixel.a += (alpha - pixel.a) * c;
  });
}

Shape Shift(const Shape& shape, float dx, float dy) {
  return [=](float x, float y) { return shape(x - dx, y - dy); };
}
Shape Above(float edge) {
  return [=](float, float y) { return y - edge; };
}
Shape Below(float edge) {
  return [=](float, float y) { return edge - y; };
}
Shape LeftOf(float edge) {
  return [=](float x, float) { return x - edge; };
}
Shape RightOf(float edge) {
  return [=](float x, float) { return edge - x; };
}

void AddTemplate(ArtworkSet& set, const std::string& colourName, const std::string& maskName, const Image& canvas) {
  Image mask(canvas.Width(), canvas.Height());
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const float a = Whole(canvas.At(x, y).a);
      mask.At(x, y) = {a, a, a, 1};
    }
  set.Add(colourName, ColourOf(canvas));
  set.Add(maskName, std::move(mask));
}

void AddColourOnly(ArtworkSet& set, const std::string& colourName, const Image& canvas) { set.Add(colourName, ColourOf(canvas)); }

}  // namespace skin
