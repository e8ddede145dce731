#include "stroke_font.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Stroke = std::vector<Point>;

struct Glyph {
  float width = 0;
  std::vector<Stroke> strokes;
};

constexpr float kX = 4, kC = 6, kD = -2;

Point Sub(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
float Len(Point a) { return std::sqrt(a.x * a.x + a.y * a.y); }

// A polyline whose corners are rounded with radius r (smaller where the
// neighbouring segments are short), optionally closed.
Stroke RoundPath(std::vector<Point> p, float r, bool closed) {
  if (closed) p.push_back(p.front());
  if (r <= 0 || p.size() < 3) return p;
  Stroke out;
  const std::size_t n = p.size();
  const auto corner = [&](Point a, Point v, Point b) {
    Point u = Sub(a, v), w = Sub(b, v);
    const float lu = Len(u), lw = Len(w);
    if (lu < 1e-4f || lw < 1e-4f) return std::vector<Point>{v};
    u = {u.x / lu, u.y / lu};
    w = {w.x / lw, w.y / lw};
    const float cosine = std::clamp(u.x * w.x + u.y * w.y, -1.0f, 1.0f);
    const float theta = std::acos(cosine);
    if (theta > 3.13f) return std::vector<Point>{v};
    float t = r / std::tan(theta / 2);
    t = std::min({t, lu / 2, lw / 2});
    const float radius = t * std::tan(theta / 2);
    Point bis{u.x + w.x, u.y + w.y};
    const float lb = Len(bis);
    bis = {bis.x / lb, bis.y / lb};
    const float dc = radius / std::sin(theta / 2);
    const Point c{v.x + bis.x * dc, v.y + bis.y * dc};
    const Point t1{v.x + u.x * t, v.y + u.y * t}, t2{v.x + w.x * t, v.y + w.y * t};
    float a1 = std::atan2(t1.y - c.y, t1.x - c.x), a2 = std::atan2(t2.y - c.y, t2.x - c.x);
    float sweep = a2 - a1;
    while (sweep > 3.14159265f) sweep -= 6.2831853f;
    while (sweep < -3.14159265f) sweep += 6.2831853f;
    std::vector<Point> arc;
    const int steps = 8;
    for (int i = 0; i <= steps; ++i) {
      const float a = a1 + sweep * i / steps;
      arc.push_back({c.x + radius * std::cos(a), c.y + radius * std::sin(a)});
    }
    return arc;
  };
  if (!closed) out.push_back(p.front());
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const auto arc = corner(p[i - 1], p[i], p[i + 1]);
    out.insert(out.end(), arc.begin(), arc.end());
  }
  if (closed) {
    const auto arc = corner(p[n - 2], p[0], p[1]);
    out.insert(out.end(), arc.begin(), arc.end());
    out.push_back(out.front());
  } else {
    out.push_back(p.back());
  }
  return out;
}

Glyph Build(char ch, float w) {
  Glyph g;
  g.width = w;
  const float r = std::min(1.2f, w / 2);
  const float m = w <= 2 ? w : w * 0.8f;  // half of the letters m and w
  const float mid = w / 2;
  auto path = [&](std::vector<Point> p, float radius = -1) { g.strokes.push_back(RoundPath(std::move(p), radius < 0 ? r : radius, false)); };
  auto loop = [&](std::vector<Point> p, float radius = -1) { g.strokes.push_back(RoundPath(std::move(p), radius < 0 ? r : radius, true)); };
  auto line = [&](Point a, Point b) { g.strokes.push_back({a, b}); };
  auto dot = [&](Point a) { g.strokes.push_back({a, a}); };
  switch (ch) {
    case 'a': path({{w, kX}, {0, kX}, {0, 0}, {w, 0}}); line({w, kX}, {w, 0}); break;
    case 'b': line({0, kC}, {0, 0}); path({{0, kX}, {w, kX}, {w, 0}, {0, 0}}); break;
    case 'c': path({{w, kX}, {0, kX}, {0, 0}, {w, 0}}); break;
    case 'd': line({w, kC}, {w, 0}); path({{w, kX}, {0, kX}, {0, 0}, {w, 0}}); break;
    case 'e': path({{0, 2}, {w, 2}, {w, kX}, {0, kX}, {0, 0}, {w, 0}}); break;
    case 'f': g.width = w; path({{w, kC}, {mid, kC}, {mid, 0}}); line({0, kX}, {w, kX}); break;
    case 'g': path({{w, kX}, {0, kX}, {0, 0}, {w, 0}}); path({{w, kX}, {w, kD}, {0, kD}}); break;
    case 'h': line({0, kC}, {0, 0}); path({{0, kX}, {w, kX}, {w, 0}}); break;
    case 'i': g.width = 0; line({0, kX}, {0, 0}); dot({0, kC}); break;
    case 'j': g.width = 1; path({{1, kX}, {1, kD}, {0, kD}}, 0.6f); dot({1, kC}); break;
    case 'k': line({0, kC}, {0, 0}); line({0, 1.5f}, {w, kX}); line({w * 0.45f, 2.3f}, {w, 0}); break;
    case 'l': g.width = 0; line({0, kC}, {0, 0}); break;
    case 'm': g.width = 2 * m; line({0, kX}, {0, 0}); path({{0, kX}, {m, kX}, {m, 0}}); path({{m, kX}, {2 * m, kX}, {2 * m, 0}}); break;
    case 'n': line({0, kX}, {0, 0}); path({{0, kX}, {w, kX}, {w, 0}}); break;
    case 'o': loop({{0, 0}, {0, kX}, {w, kX}, {w, 0}}); break;
    case 'p': line({0, kX}, {0, kD}); path({{0, kX}, {w, kX}, {w, 0}, {0, 0}}); break;
    case 'q': line({w, kX}, {w, kD}); path({{w, kX}, {0, kX}, {0, 0}, {w, 0}}); break;
    case 'r': g.width = w <= 2 ? w : w * 0.9f; path({{0, 0}, {0, kX}, {g.width, kX}}); break;
    case 's': path({{w, kX}, {0, kX}, {0, 2}, {w, 2}, {w, 0}, {0, 0}}); break;
    case 't': path({{mid, kC - 1}, {mid, 0}, {w, 0}}); line({0, kX}, {w, kX}); break;
    case 'u': path({{0, kX}, {0, 0}, {w, 0}}); line({w, kX}, {w, 0}); break;
    case 'v': path({{0, kX}, {mid, 0}, {w, kX}}, 0); break;
    case 'w': g.width = 2 * m; path({{0, kX}, {0, 0}, {2 * m, 0}, {2 * m, kX}}); line({m, 0}, {m, kX - 1}); break;
    case 'x': line({0, 0}, {w, kX}); line({0, kX}, {w, 0}); break;
    case 'y': path({{0, kX}, {0, 0}, {w, 0}}); path({{w, kX}, {w, kD}, {0, kD}}); break;
    case 'z': path({{0, kX}, {w, kX}, {0, 0}, {w, 0}}, 0); break;

    case 'A': path({{0, 0}, {0, kC}, {w, kC}, {w, 0}}); line({0, 3}, {w, 3}); break;
    case 'B': path({{0, 3}, {w, 3}, {w, 0}, {0, 0}, {0, kC}, {w - 0.4f, kC}, {w - 0.4f, 3}}); break;
    case 'C': path({{w, kC}, {0, kC}, {0, 0}, {w, 0}}); break;
    case 'D': loop({{0, 0}, {0, kC}, {w, kC}, {w, 0}}, r * 0.5f); break;
    case 'E': path({{w, kC}, {0, kC}, {0, 0}, {w, 0}}, 0); line({0, 3}, {w - 0.5f, 3}); break;
    case 'F': path({{w, kC}, {0, kC}, {0, 0}}, 0); line({0, 3}, {w - 0.5f, 3}); break;
    case 'G': path({{w, kC}, {0, kC}, {0, 0}, {w, 0}, {w, 3}, {mid, 3}}); break;
    case 'H': line({0, 0}, {0, kC}); line({w, 0}, {w, kC}); line({0, 3}, {w, 3}); break;
    case 'I': g.width = 0; line({0, 0}, {0, kC}); break;
    case 'J': path({{w, kC}, {w, 0}, {0, 0}, {0, 1.5f}}); break;
    case 'K': line({0, 0}, {0, kC}); line({0, 2}, {w, kC}); line({w * 0.4f, 3.2f}, {w, 0}); break;
    case 'L': path({{0, kC}, {0, 0}, {w, 0}}, 0); break;
    case 'M': g.width = 2 * m; path({{0, 0}, {0, kC}, {m, 3}, {2 * m, kC}, {2 * m, 0}}, 0); break;
    case 'N': path({{0, 0}, {0, kC}, {w, 0}, {w, kC}}, 0); break;
    case 'O': loop({{0, 0}, {0, kC}, {w, kC}, {w, 0}}); break;
    case 'P': path({{0, 0}, {0, kC}, {w, kC}, {w, 3}, {0, 3}}); break;
    case 'Q': loop({{0, 0}, {0, kC}, {w, kC}, {w, 0}}); line({w * 0.55f, 1.3f}, {w + 0.6f, -1}); break;
    case 'R': path({{0, 0}, {0, kC}, {w, kC}, {w, 3}, {0, 3}}); line({mid, 3}, {w, 0}); break;
    case 'S': path({{w, kC}, {0, kC}, {0, 3}, {w, 3}, {w, 0}, {0, 0}}); break;
    case 'T': line({0, kC}, {w, kC}); line({mid, kC}, {mid, 0}); break;
    case 'U': path({{0, kC}, {0, 0}, {w, 0}, {w, kC}}); break;
    case 'V': path({{0, kC}, {mid, 0}, {w, kC}}, 0); break;
    case 'W': g.width = 2 * m; path({{0, kC}, {0, 0}, {2 * m, 0}, {2 * m, kC}}); line({m, 0}, {m, 4}); break;
    case 'X': line({0, 0}, {w, kC}); line({0, kC}, {w, 0}); break;
    case 'Y': path({{0, kC}, {mid, 3}, {w, kC}}, 0); line({mid, 3}, {mid, 0}); break;
    case 'Z': path({{0, kC}, {w, kC}, {0, 0}, {w, 0}}, 0); break;

    case '0': loop({{0, 0}, {0, kC}, {w, kC}, {w, 0}}); break;
    case '1': path({{mid - 1, kC - 1}, {mid, kC}, {mid, 0}}, 0); break;
    case '2': path({{0, kC}, {w, kC}, {w, 3}, {0, 3}, {0, 0}, {w, 0}}); break;
    case '3': path({{0, kC}, {w, kC}, {w, 0}, {0, 0}}); line({mid - 0.5f, 3}, {w, 3}); break;
    case '4': path({{0, kC}, {0, 2}, {w, 2}}, 0); line({w, kX}, {w, 0}); break;
    case '5': path({{w, kC}, {0, kC}, {0, 3}}, 0); path({{0, 3}, {w, 3}, {w, 0}, {0, 0}}); break;
    case '6': path({{w, kC}, {0, kC}, {0, 0}, {w, 0}, {w, 3}, {0, 3}}); break;
    case '7': path({{0, kC}, {w, kC}, {mid * 0.8f, 0}}, 0); break;
    case '8': loop({{0, 0}, {0, kC}, {w, kC}, {w, 0}}); line({0, 3}, {w, 3}); break;
    case '9': path({{0, 0}, {w, 0}, {w, kC}, {0, kC}, {0, 3}, {w, 3}}); break;

    case '.': g.width = 0; dot({0, 0}); break;
    case ':': g.width = 0; dot({0, 0}); dot({0, 3}); break;
    case '-': line({0, 2}, {w, 2}); break;
    case '/': line({0, -1}, {w, kC}); break;
    case '@': {
      const float a = w + 2;
      g.width = a;
      path({{a, 1}, {a, 5}, {0, 5}, {0, -1}, {a, -1}});
      path({{a, 3}, {2, 3}, {2, 1}, {a, 1}}, std::min(r, 0.6f));
      break;
    }
    case ' ': g.width = w * 0.5f; break;
    default: break;
  }
  return g;
}

struct PlacedSegment {
  Point a, b;
};

float SegmentDistance(float px, float py, Point a, Point b) {
  const float bx = b.x - a.x, by = b.y - a.y;
  const float len2 = bx * bx + by * by;
  const float t = len2 > 0 ? std::clamp(((px - a.x) * bx + (py - a.y) * by) / len2, 0.0f, 1.0f) : 0.0f;
  const float dx = px - a.x - t * bx, dy = py - a.y - t * by;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

float TextWidth(const std::string& text, const TextStyle& style) {
  float units = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    units += Build(text[i], style.width).width;
    if (i + 1 < text.size()) units += style.gap;
  }
  return units * style.scale;
}

Shape TextShape(const std::string& text, float x, float baseline, const TextStyle& style) {
  std::vector<PlacedSegment> segments;
  float cursor = 0;
  float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
  for (char ch : text) {
    const Glyph g = Build(ch, style.width);
    for (const Stroke& s : g.strokes) {
      std::vector<Point> placed;
      for (const Point& p : s) {
        const Point q{x + (cursor + p.x) * style.scale, baseline - p.y * style.scale};
        placed.push_back(q);
        minX = std::min(minX, q.x), maxX = std::max(maxX, q.x), minY = std::min(minY, q.y), maxY = std::max(maxY, q.y);
      }
      for (std::size_t i = 0; i + 1 < placed.size(); ++i) segments.push_back({placed[i], placed[i + 1]});
      if (placed.size() == 1) segments.push_back({placed[0], placed[0]});
    }
    cursor += g.width + style.gap;
  }
  const float hw = style.halfWidth, margin = hw + 2;
  return [=](float px, float py) {
    // Far from the text the distance to its box is close enough.
    if (px < minX - margin || px > maxX + margin || py < minY - margin || py > maxY + margin)
      return std::max({minX - px, px - maxX, minY - py, py - maxY}) - hw;
    float best = 1e9f;
    for (const PlacedSegment& s : segments) best = std::min(best, SegmentDistance(px, py, s.a, s.b));
    return best - hw;
  };
}
