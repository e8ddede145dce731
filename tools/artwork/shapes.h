#pragma once
// Shapes as signed distance functions (negative inside, in pixels), so every
// edge is anti-aliased from the distance alone, and paints that colour them.

#include <functional>
#include <vector>

#include "image.h"

using Shape = std::function<float(float x, float y)>;
using Paint = std::function<Rgba(float x, float y)>;

struct Point {
  float x, y;
};

// Pixel (x, y) is sampled at its centre (x + 0.5, y + 0.5).
Shape Box(float x0, float y0, float x1, float y1, float radius = 0);
Shape Circle(float cx, float cy, float radius);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Segment(Point a, Point b, float halfWidth);  // a stroke with round ends
Shape Polyline(const std::vector<Point>& points, float halfWidth);
Shape Polygon(const std::vector<Point>& points);  // even-odd filled
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Outline(Shape s, float halfWidth);  // a ring along the edge of s
Shape Grow(Shape s, float by);             // positive grows, negative shrinks

Paint Solid(Rgba c);
Paint LinearGradient(Point from, Rgba c0, Point to, Rgba c1);  // clamped beyond the ends
Paint VerticalGradient(float y0, Rgba c0, float y1, Rgba c1);
Paint RadialGradient(Point centre, float radius, Rgba inner, Rgba outer);

// Composites paint over the image where the shape covers it, with soft edges
// one pixel wide. opacity scales the coverage.
void Fill(Image& image, const Shape& shape, const Paint& paint, float opacity = 1.0f);
// The same with hard edges (for colour-keyed pictures that must not blend
// into their key colour): a pixel is either painted or left alone.
void FillHard(Image& image, const Shape& shape, const Paint& paint);
// A soft shadow: black whose alpha falls from `opacity` at the shape's edge
// to 0 at `spread` pixels outside it; the shape is moved by (dx, dy).
void DropShadow(Image& image, const Shape& shape, float spread, float opacity, float dx = 0, float dy = 0);
// Sets every pixel where the shape covers it (no compositing): coverage
// becomes a blend factor between the old value and the paint.
void Overwrite(Image& image, const Shape& shape, const Paint& paint);
