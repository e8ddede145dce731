#include "icon_kit.h"

#include <algorithm>
#include <cmath>

namespace iconkit {

namespace {
constexpr float kPi = 3.14159265358979f;
constexpr float kDesign = 48.0f;
}  // namespace

Shape Rotate(Shape s, Point c, float degrees) {
  const float a = degrees * kPi / 180, ca = std::cos(a), sa = std::sin(a);
  return [=](float x, float y) {
    const float dx = x - c.x, dy = y - c.y;
    return s(c.x + dx * ca + dy * sa, c.y - dx * sa + dy * ca);
  };
}

Shape Translate(Shape s, float dx, float dy) {
  return [=](float x, float y) { return s(x - dx, y - dy); };
}

Shape UnionOf(const std::vector<Shape>& shapes) {
  return [=](float x, float y) {
    float best = 1e9f;
    for (const Shape& s : shapes) best = std::min(best, s(x, y));
    return best;
  };
}

Shape SmoothUnion(Shape a, Shape b, float k) {
  return [=](float x, float y) {
    const float da = a(x, y), db = b(x, y);
    const float h = std::clamp(0.5f + 0.5f * (db - da) / k, 0.0f, 1.0f);
    return db + (da - db) * h - k * h * (1 - h);
  };
}

std::vector<Point> ArcPoints(Point c, float r, float from, float to, int steps) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    const float a = (from + (to - from) * i / steps) * kPi / 180;
    points.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
  return points;
}

std::vector<Point> StarPoints(Point c, float outer, float inner, int tips, float rotate) {
  std::vector<Point> points;
  for (int i = 0; i < tips * 2; ++i) {
    const float a = (rotate + 180.0f * i / tips) * kPi / 180;
    const float r = i % 2 ? inner : outer;
    points.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
  return points;
}

Rgba Shade(Rgba c, float t) {
  const Rgba target = t > 0 ? Rgba{0, 0, 0, c.a} : Rgba{1, 1, 1, c.a};
  return Mix(c, target, std::fabs(t));
}

Icon::Icon(int width, int height) : width_(width), height_(height) {
  scale_ = std::min(width, height) / kDesign;
  originX_ = (width - kDesign * scale_) / 2;
  originY_ = (height - kDesign * scale_) / 2;
}

Shape Icon::ToPixels(Shape s) const {
  const float k = scale_, ox = originX_, oy = originY_;
  return [=](float x, float y) { return s((x - ox) / k, (y - oy) / k) * k; };
}

void Icon::Body(Shape s, Rgba colour) { layers_.push_back({ToPixels(std::move(s)), colour, Layer::kBody, 1}); }
void Icon::Detail(Shape s, Rgba colour) { layers_.push_back({ToPixels(std::move(s)), colour, Layer::kDetail, 1}); }
void Icon::Flat(Shape s, Rgba colour, float opacity) {
  layers_.push_back({ToPixels(std::move(s)), colour, Layer::kFlat, opacity});
}

Image Icon::Render() const {
  Image image(width_, height_);
  std::vector<Shape> bodies;
  for (const Layer& layer : layers_)
    if (layer.kind == Layer::kBody) bodies.push_back(layer.shape);
  // One shadow under the whole silhouette, a little below it.
  const float spread = std::max(1.4f, 2.0f * scale_);
  const float drop = std::max(0.7f, 1.1f * scale_);
  DropShadow(image, UnionOf(bodies), spread, 0.40f, 0, drop);

  for (const Layer& layer : layers_) {
    if (layer.kind == Layer::kFlat) {
      Fill(image, layer.shape, Solid(layer.colour), layer.opacity);
      continue;
    }
    // The part's own vertical extent carries its gradient.
    float top = 1e9f, bottom = -1e9f;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (layer.shape(x + 0.5f, y + 0.5f) < 0.5f) {
          top = std::min(top, float(y));
          bottom = std::max(bottom, y + 1.0f);
        }
    if (top > bottom) continue;
    Fill(image, layer.shape, Solid(Shade(layer.colour, 0.36f)));
    Fill(image, Grow(layer.shape, -1.0f), VerticalGradient(top, Shade(layer.colour, -0.26f), bottom, Shade(layer.colour, 0.05f)));
  }
  return image;
}

}  // namespace iconkit
