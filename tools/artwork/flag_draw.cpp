#include "flag_draw.h"

#include "pixels/picture_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>
#include <stdexcept>

namespace flags {

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kSamples = 4;           // supersampling per axis
constexpr float kOutlineShade = 0.6f;  // outline = flag colour times this

float Snap(float v) { return std::floor(v + 0.5f); }

Shape Cell() { return Box(0, 0, kWidth, kHeight); }

// Stripe edges along one axis: the running sums of the weights scaled to
// [from, to], rounded to whole pixels.
std::vector<float> Edges(std::size_t count, const std::vector<float>& weights, float from, float to) {
  std::vector<float> w = weights;
  if (w.empty()) w.assign(count, 1.0f);
  if (w.size() != count) throw std::logic_error("flag stripes: one weight per colour");
  const float total = std::accumulate(w.begin(), w.end(), 0.0f);
  std::vector<float> edges{from};
  float sum = 0;
  for (float v : w) {
    sum += v;
    edges.push_back(Snap(from + (to - from) * sum / total));
  }
  edges.back() = to;
  return edges;
}

std::vector<Point> StarPoints(float cx, float cy, float r, int points, float inner, float turn) {
  std::vector<Point> p;
  for (int i = 0; i < 2 * points; ++i) {
    const float a = -kPi / 2 + turn + kPi * i / points;
    const float rr = (i % 2) ? r * inner : r;
    p.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  return p;
}

std::uint8_t To8(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

Layers Join(std::initializer_list<Layers> parts) {
  Layers all;
  for (const Layers& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Layers Field(Rgba c) { return {{Cell(), c}}; }
Layers Rect(float x0, float y0, float x1, float y1, Rgba c) { return {{Box(x0, y0, x1, y1), c}}; }
Layers Paint(Shape shape, Rgba c) { return {{Intersect(std::move(shape), Cell()), c}}; }

Layers HBands(std::vector<Rgba> colours, std::vector<float> weights, float x0, float x1) {
  const std::vector<float> e = Edges(colours.size(), weights, 0, kHeight);
  Layers out;
  for (std::size_t i = 0; i < colours.size(); ++i) out.push_back({Box(x0, e[i], x1, e[i + 1]), colours[i]});
  return out;
}

Layers VBands(std::vector<Rgba> colours, std::vector<float> weights, float y0, float y1) {
  const std::vector<float> e = Edges(colours.size(), weights, 0, kWidth);
  Layers out;
  for (std::size_t i = 0; i < colours.size(); ++i) out.push_back({Box(e[i], y0, e[i + 1], y1), colours[i]});
  return out;
}

Layers Alternating(Rgba a, Rgba b, int count) {
  std::vector<Rgba> colours;
  for (int i = 0; i < count; ++i) colours.push_back(i % 2 ? b : a);
  return HBands(colours);
}

Layers Cross(Rgba c, float cx, int width) {
  const float x0 = Snap(cx - width / 2.0f), y0 = Snap(kHeight / 2.0f - width / 2.0f);
  return {{Union(Box(x0, 0, x0 + width, kHeight), Box(0, y0, kWidth, y0 + width)), c}};
}

Layers Plus(Rgba c, float cx, float cy, int width, int span) {
  const float wx = Snap(cx - width / 2.0f), wy = Snap(cy - width / 2.0f);
  const float sx = Snap(cx - span / 2.0f), sy = Snap(cy - span / 2.0f);
  return {{Union(Box(wx, sy, wx + width, sy + span), Box(sx, wy, sx + span, wy + width)), c}};
}

Layers Saltire(Rgba c, float halfWidth, float x0, float y0, float x1, float y1) {
  const float dx = (x1 - x0) * 0.2f, dy = (y1 - y0) * 0.2f;  // run the bands past the corners
  const Shape bands = Union(Segment({x0 - dx, y0 - dy}, {x1 + dx, y1 + dy}, halfWidth),
                            Segment({x0 - dx, y1 + dy}, {x1 + dx, y0 - dy}, halfWidth));
  return {{Intersect(bands, Box(x0, y0, x1, y1)), c}};
}

Layers Band(Rgba c, Point a, Point b, float halfWidth) { return Paint(Segment(a, b, halfWidth), c); }

Layers Triangle(Rgba c, Point a, Point b, Point c3) { return Paint(Polygon({a, b, c3}), c); }
Layers Poly(Rgba c, std::vector<Point> points) { return Paint(Polygon(points), c); }
Layers HoistTriangle(Rgba c, float depth) { return Triangle(c, {0, 0}, {depth, kHeight / 2.0f}, {0, kHeight}); }
Layers Disc(Rgba c, float cx, float cy, float r) { return Paint(Circle(cx, cy, r), c); }
Layers Ring(Rgba c, float cx, float cy, float r, float halfWidth) {
  return Paint(Outline(Circle(cx, cy, r), halfWidth), c);
}

Layers Star(Rgba c, float cx, float cy, float r, int points, float inner, float turn) {
  return Paint(Polygon(StarPoints(cx, cy, r, points, inner, turn)), c);
}

Layers Crescent(Rgba c, float cx, float cy, float r, float dx, float dy, float rInner) {
  return Paint(Subtract(Circle(cx, cy, r), Circle(cx + dx, cy + dy, rInner)), c);
}

Layers DotRing(Rgba c, float cx, float cy, float ring, int count, float r, float start) {
  Layers out;
  for (int i = 0; i < count; ++i) {
    const float a = start + 2 * kPi * i / count;
    const Layers dot = Disc(c, cx + ring * std::cos(a), cy + ring * std::sin(a), r);
    out.insert(out.end(), dot.begin(), dot.end());
  }
  return out;
}

Layers Stars(Rgba c, std::vector<Point> at, float r, int points) {
  Layers out;
  for (const Point& p : at) {
    const Layers star = Star(c, p.x, p.y, r, points);
    out.insert(out.end(), star.begin(), star.end());
  }
  return out;
}

Layers UnionFlag(float x0, float y0, float x1, float y1) {
  const float h = y1 - y0, cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const Shape area = Box(x0, y0, x1, y1);
  const auto bars = [&](float half) {
    const float vx0 = Snap(cx - half), vx1 = std::max(Snap(cx + half), vx0 + 1);
    const float hy0 = Snap(cy - half), hy1 = std::max(Snap(cy + half), hy0 + 1);
    return Intersect(Union(Box(vx0, y0, vx1, y1), Box(x0, hy0, x1, hy1)), area);
  };
  // The red diagonals sit off the middle of the white ones, each arm turned
  // the same way round the centre (the broad white above in the upper hoist).
  const float w = x1 - x0, reach = std::sqrt(w * w + h * h) / 2, shift = h / 30;
  Shape red = Box(0, 0, 0, 0);
  for (const Point corner : {Point{x0, y0}, Point{x1, y0}, Point{x1, y1}, Point{x0, y1}}) {
    const float dx = (corner.x - cx) / reach, dy = (corner.y - cy) / reach;
    const Point off{dy * shift, -dx * shift};
    red = Union(red, Segment({cx + off.x, cy + off.y}, {corner.x + dx * 2 + off.x, corner.y + dy * 2 + off.y}, std::max(h / 28, 0.45f)));
  }
  return Join({{{area, colour::Navy}},
               Saltire(colour::White, std::max(h / 10, 0.75f), x0, y0, x1, y1),
               {{Intersect(red, area), colour::Red}},
               {{bars(h / 6), colour::White}},
               {{bars(h / 10), colour::Red}}});
}

Layers Ensign(Rgba field, Layers badge) { return Join({Field(field), UnionFlag(0, 0, 13, 7), badge}); }

Layers Badge(Rgba upper, Rgba lower, Rgba rim) {
  constexpr float cx = 19, cy = 7.5f;
  return Join({Disc(rim, cx, cy, 3.4f), Disc(upper, cx, cy, 2.6f),
               Paint(Intersect(Circle(cx, cy, 2.6f), Box(cx - 3, cy + 0.5f, cx + 3, cy + 3)), lower)});
}

Layers Silhouette(Shape shape) { return {{std::move(shape), {}, true}}; }

Image RenderFlag(const Layers& layers, int dpi) {
  // The layers are in 100 % flag pixels; each pixel of a larger scale
  // samples the smaller area of the design it covers. The flag's rounded
  // pixel size spans exactly the design, so no sample falls outside it.
  const int width = ScaleToDpi(kWidth, dpi), height = ScaleToDpi(kHeight, dpi);
  const float kx = static_cast<float>(width) / kWidth, ky = static_cast<float>(height) / kHeight;
  Image flag = DesignCanvas(kCellWidth, kHeight, dpi);
  std::vector<bool> opaque(static_cast<std::size_t>(width) * height, false);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Rgba sum{};
      int inside = 0;
      for (int j = 0; j < kSamples; ++j)
        for (int i = 0; i < kSamples; ++i) {
          const float sx = (x + (i + 0.5f) / kSamples) / kx, sy = (y + (j + 0.5f) / kSamples) / ky;
          bool in = true;
          const Rgba* paint = nullptr;
          for (auto layer = layers.rbegin(); layer != layers.rend() && in; ++layer) {
            if (layer->clip)
              in = layer->shape(sx, sy) <= 0;
            else if (!paint && layer->shape(sx, sy) <= 0)
              paint = &layer->colour;
          }
          if (!in) continue;
          if (!paint) throw std::logic_error("a flag leaves part of its cell unpainted");
          sum = {sum.r + paint->r, sum.g + paint->g, sum.b + paint->b, 0};
          ++inside;
        }
      if (2 * inside < kSamples * kSamples) {
        flag.At(x, y) = {0, 0, 0, 0};
        continue;
      }
      flag.At(x, y) = {sum.r / inside, sum.g / inside, sum.b / inside, 1};
      opaque[static_cast<std::size_t>(y) * width + x] = true;
    }
  // The outline: every opaque pixel beside a transparent one or the cell's
  // edge takes a darker shade of its own colour.
  const auto isOpaque = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < width && y < height && opaque[static_cast<std::size_t>(y) * width + x];
  };
  Image outlined = flag;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (!isOpaque(x, y)) continue;
      if (isOpaque(x - 1, y) && isOpaque(x + 1, y) && isOpaque(x, y - 1) && isOpaque(x, y + 1)) continue;
      Rgba& p = outlined.At(x, y);
      p = {p.r * kOutlineShade, p.g * kOutlineShade, p.b * kOutlineShade, 1};
    }
  return outlined;
}

void ReduceColours(Image& image, std::size_t maxColours) {
  // Colours as the 8-bit encoder sees them: composited over black.
  const auto key = [](const Rgba& p) {
    return static_cast<std::uint32_t>(To8(p.r * p.a)) << 16 | static_cast<std::uint32_t>(To8(p.g * p.a)) << 8 |
           To8(p.b * p.a);
  };
  std::map<std::uint32_t, std::int64_t> uses;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) ++uses[key(image.At(x, y))];
  if (uses.size() <= maxColours) return;

  const auto distance = [](std::uint32_t a, std::uint32_t b) {
    const auto channel = [](std::uint32_t c, int shift) { return static_cast<std::int64_t>((c >> shift) & 0xFF); };
    const std::int64_t dr = channel(a, 16) - channel(b, 16), dg = channel(a, 8) - channel(b, 8),
                       db = channel(a, 0) - channel(b, 0);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
  };
  // Greedy choice: keep, one at a time, the colour that removes the most
  // error (its pixel count times its distance to the nearest kept colour).
  // Flat flag colours cover many pixels and are kept first; the edge shades
  // left over take what is nearest.
  struct Candidate {
    std::uint32_t colour;
    std::int64_t count;
    std::int64_t error;  // distance to the nearest kept colour
    std::uint32_t nearest;
  };
  std::vector<Candidate> candidates;
  for (const auto& [colour, count] : uses) candidates.push_back({colour, count, std::int64_t{1} << 40, colour});
  for (std::size_t kept = 0; kept < maxColours; ++kept) {
    Candidate* best = nullptr;
    for (Candidate& c : candidates)
      if (c.error > 0 && (!best || c.count * c.error > best->count * best->error)) best = &c;
    if (!best) break;
    const std::uint32_t chosen = best->colour;
    for (Candidate& c : candidates) {
      const std::int64_t d = distance(c.colour, chosen);
      if (d < c.error) c.error = d, c.nearest = chosen;
    }
  }
  std::map<std::uint32_t, std::uint32_t> nearest;
  for (const Candidate& c : candidates) nearest[c.colour] = c.nearest;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      Rgba& p = image.At(x, y);
      const std::uint32_t c = nearest.at(key(p));
      p = Rgb8(static_cast<int>(c >> 16), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF));
    }
}

}  // namespace flags
