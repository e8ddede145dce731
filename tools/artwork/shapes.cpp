#include "shapes.h"

#include <algorithm>
#include <cmath>

#include "pixels/picture_scale.h"

namespace {

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

float SegmentDistance(float px, float py, Point a, Point b) {
  const float bx = b.x - a.x, by = b.y - a.y;
  const float len2 = bx * bx + by * by;
  const float t = len2 > 0 ? std::clamp(((px - a.x) * bx + (py - a.y) * by) / len2, 0.0f, 1.0f) : 0.0f;
  return Length(px - a.x - t * bx, py - a.y - t * by);
}

// Coverage of a pixel from the signed distance at its centre.
float Coverage(float distance) { return std::clamp(0.5f - distance, 0.0f, 1.0f); }

// Visits every pixel with its centre in design units; shapes measure their
// distances in design units too, so `Pixels` turns one into pixels for the
// anti-aliasing.
template <typename Visit>
void ForEachPixel(Image& image, Visit visit) {
  const float k = image.Scale();
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) visit(x, y, (x + 0.5f) / k, (y + 0.5f) / k);
}

}  // namespace

void Paste(Image& destination, const Image& source, int x, int y) {
  for (int sy = 0; sy < source.Height(); ++sy)
    for (int sx = 0; sx < source.Width(); ++sx)
      if (destination.Contains(x + sx, y + sy)) Blend(destination.At(x + sx, y + sy), source.At(sx, sy), 1.0f);
}

Shape Box(float x0, float y0, float x1, float y1, float radius) {
  return [=](float x, float y) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Shape Circle(float cx, float cy, float radius) {
  return [=](float x, float y) { return Length(x - cx, y - cy) - radius; };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
  // Scaled circle distance: exact on the axes, close enough for drawing.
  return [=](float x, float y) {
    const float k = Length((x - cx) / rx, (y - cy) / ry);
    return (k - 1.0f) * std::min(rx, ry);
  };
}

Shape Segment(Point a, Point b, float halfWidth) {
  return [=](float x, float y) { return SegmentDistance(x, y, a, b) - halfWidth; };
}

Shape Polyline(const std::vector<Point>& points, float halfWidth) {
  return [=](float x, float y) {
    float best = 1e9f;
    for (std::size_t i = 1; i < points.size(); ++i) best = std::min(best, SegmentDistance(x, y, points[i - 1], points[i]));
    return best - halfWidth;
  };
}

Shape Polygon(const std::vector<Point>& points) {
  return [=](float x, float y) {
    float best = 1e9f;
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const Point a = points[i], b = points[j];
      best = std::min(best, SegmentDistance(x, y, a, b));
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside ? -best : best;
  };
}

Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Shape Intersect(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Shape Subtract(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Shape Outline(Shape s, float halfWidth) {
  return [=](float x, float y) { return std::fabs(s(x, y)) - halfWidth; };
}
Shape Grow(Shape s, float by) {
  return [=](float x, float y) { return s(x, y) - by; };
}

Paint Solid(Rgba c) {
  return [=](float, float) { return c; };
}

Paint LinearGradient(Point from, Rgba c0, Point to, Rgba c1) {
  const float dx = to.x - from.x, dy = to.y - from.y, len2 = dx * dx + dy * dy;
  return [=](float x, float y) {
    const float t = len2 > 0 ? std::clamp(((x - from.x) * dx + (y - from.y) * dy) / len2, 0.0f, 1.0f) : 0.0f;
    return Mix(c0, c1, t);
  };
}

Paint VerticalGradient(float y0, Rgba c0, float y1, Rgba c1) { return LinearGradient({0, y0}, c0, {0, y1}, c1); }

Paint RadialGradient(Point centre, float radius, Rgba inner, Rgba outer) {
  return [=](float x, float y) { return Mix(inner, outer, std::clamp(Length(x - centre.x, y - centre.y) / radius, 0.0f, 1.0f)); };
}

void Fill(Image& image, const Shape& shape, const Paint& paint, float opacity) {
  const float k = image.Scale();
  ForEachPixel(image, [&](int x, int y, float px, float py) {
    const float c = Coverage(shape(px, py) * k) * opacity;
    if (c > 0) Blend(image.At(x, y), paint(px, py), c);
  });
}

void FillHard(Image& image, const Shape& shape, const Paint& paint) {
  ForEachPixel(image, [&](int x, int y, float px, float py) {
    if (shape(px, py) <= 0) {
      Rgba c = paint(px, py);
      c.a = 1;
      image.At(x, y) = c;
    }
  });
}

void DropShadow(Image& image, const Shape& shape, float spread, float opacity, float dx, float dy) {
  ForEachPixel(image, [&](int x, int y, float px, float py) {
    const float d = shape(px - dx, py - dy);
    const float t = std::clamp(1.0f - d / spread, 0.0f, 1.0f);
    const float alpha = opacity * t * t * (3 - 2 * t);  // smooth fall-off
    if (alpha > 0) Blend(image.At(x, y), {0, 0, 0, 1}, alpha);
  });
}

void Overwrite(Image& image, const Shape& shape, const Paint& paint) {
  const float k = image.Scale();
  ForEachPixel(image, [&](int x, int y, float px, float py) {
    const float c = Coverage(shape(px, py) * k);
    if (c > 0) image.At(x, y) = Mix(image.At(x, y), paint(px, py), c);
  });
}

float DesignScale(int dpi) { return static_cast<float>(dpi) / kDefaultDpi; }

Image DesignCanvas(int width, int height, int dpi, Rgba fill) {
  return Image(ScaleToDpi(width, dpi), ScaleToDpi(height, dpi), fill, DesignScale(dpi));
}
