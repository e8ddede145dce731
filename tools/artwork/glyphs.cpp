// "BITMAPS": the 28 glyphs of the manager's buttons and menus, 16 x 16 each,
// side by side on magenta (the colour key). Each glyph is drawn with soft
// edges inside (between its dark rim and its fill) but a hard outer edge, so
// no pixel is ever blended with the key colour.

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

#include "artwork_set.h"
#include "icon_kit.h"
#include "pixels/picture_scale.h"

using namespace iconkit;

namespace {

constexpr int kSize = 16, kCount = 28;
constexpr int kLeastInk = 24;  // pixels of a 100 % glyph
constexpr Rgba kKey = Rgb8(255, 0, 255);

// A part with a one-pixel rim darker than its fill.
void Part(Image& im, const Shape& s, Rgba fill, float rim = 0.5f) {
  Fill(im, s, Solid(Shade(fill, rim)));
  Fill(im, Grow(s, -1), VerticalGradient(0, Shade(fill, -0.18f), 16, Shade(fill, 0.04f)));
}
void Mark(Image& im, const Shape& s, Rgba c) { Fill(im, s, Solid(c)); }

const Rgba kWhite = Rgb8(252, 252, 250), kRim = Rgb8(72, 80, 96);

void Eye(Image& im, bool open) {
  const Shape almond = Intersect(Circle(8, 13.2f, 9), Circle(8, 2.8f, 9));
  Part(im, almond, open ? kWhite : Rgb8(200, 206, 216), 0.62f);
  if (open) {
    Part(im, Circle(8, 8, 3.4f), kBlue, 0.45f);
    Mark(im, Circle(8, 8, 1.2f), kInk);
  } else {
    Mark(im, Polyline({{3, 8.5f}, {8, 10.5f}, {13, 8.5f}}, 0.6f), Shade(kSteel, 0.4f));
    Part(im, Segment({3, 14}, {13.5f, 2.5f}, 1.5f), kRed, 0.45f);
  }
}

void Padlock(Image& im, bool closed) {
  std::vector<Point> shackle = ArcPoints({8, 5}, 3, 180, 360, 12);
  if (closed) {
    shackle.insert(shackle.begin(), {5, 8.5f});
    shackle.push_back({11, 8.5f});
  } else {
    for (Point& p : shackle) p.y -= 2;
    shackle.insert(shackle.begin(), {5, 8.5f});
  }
  Part(im, Polyline(shackle, 1.5f), kSteel, 0.5f);
  Part(im, Box(3, 7.5f, 13, 15, 1.5f), closed ? kGold : kGreen, 0.5f);
  Mark(im, Union(Circle(8, 10.5f, 1.3f), Box(7.4f, 10.5f, 8.6f, 13)), Shade(closed ? kGold : kGreen, 0.6f));
}

void Badge(Image& im, Rgba colour) { Part(im, Circle(8, 8, 7), colour, 0.45f); }

void Note(Image& im, float x, float y, float size) {
  const Shape sheet = Subtract(Box(x, y, x + size, y + size, 1.5f), Polygon({{x + size + 1, y + size - 4.5f}, {x + size + 1, y + size + 1}, {x + size - 4.5f, y + size + 1}}));
  Part(im, sheet, kYellow, 0.5f);
  Mark(im, Polygon({{x + size - 0.5f, y + size - 4}, {x + size - 4, y + size - 0.5f}, {x + size - 4, y + size - 4}}), Shade(kYellow, 0.3f));
}

void Page(Image& im, float x0, float y0, float x1, float y1) {
  Part(im, Box(x0, y0, x1, y1, 1), kWhite, 0.62f);
  for (float y = y0 + 3; y < y1 - 2; y += 2.5f) Mark(im, Box(x0 + 2.5f, y, x1 - 2.5f, y + 1), Rgb8(150, 170, 200));
}

void Arrow(Image& im, bool right) {
  std::vector<Point> p = {{1.5f, 8}, {8, 2}, {8, 5.5f}, {14.5f, 5.5f}, {14.5f, 10.5f}, {8, 10.5f}, {8, 14}};
  if (right)
    for (Point& q : p) q.x = 16 - q.x;
  Part(im, Grow(Polygon(p), 0.4f), kBlue, 0.45f);
}

void Window(Image& im) {
  Part(im, Box(1, 2.5f, 13.5f, 14, 1.5f), kWhite, 0.62f);
  Fill(im, Box(2, 3.5f, 12.5f, 6.5f), Solid(kBlue));
}

using Draw = std::function<void(Image&)>;

const Draw kGlyphs[kCount] = {
    [](Image& im) { Eye(im, false); },  // 0 hide
    [](Image& im) { Eye(im, true); },   // 1 show
    [](Image& im) { Padlock(im, true); },   // 2 block task
    [](Image& im) { Padlock(im, false); },  // 3 release task
    [](Image& im) {  // 4 a task whose time is not today: done or later
      Badge(im, kGreen);
      Mark(im, Polyline({{4.5f, 8.2f}, {7, 10.7f}, {11.5f, 5.5f}}, 1.1f), kWhite);
    },
    [](Image& im) {  // 5 a task due today: pending
      Badge(im, kOrange);
      Mark(im, Polyline({{8, 3.8f}, {8, 8}, {11, 10}}, 1.05f), kWhite);
    },
    [](Image& im) {  // 6 new
      Note(im, 1, 1, 11.5f);
      Part(im, Union(Box(10, 7, 13, 16), Box(7, 10, 16, 13)), kGreen, 0.5f);
    },
    [](Image& im) {  // 7 edit
      const Point c{8, 8};
      Part(im, Rotate(Box(5.5f, -0.5f, 10.5f, 10.5f, 1), c, 45), kOrange, 0.5f);
      Part(im, Rotate(Grow(Polygon({{5.8f, 10.5f}, {10.2f, 10.5f}, {8, 15}}), 0.2f), c, 45), Rgb8(240, 214, 170), 0.55f);
      Mark(im, Rotate(Box(7.3f, 14, 8.7f, 15.4f), c, 45), kInk);
    },
    [](Image& im) {  // 8 duplicate
      Note(im, 5, 5, 10);
      Fill(im, Box(1, 1, 11, 11, 1.5f), Solid(Shade(kYellow, 0.5f)));
      Fill(im, Box(2, 2, 10, 10, 0.8f), Solid(Shade(kYellow, -0.1f)));
    },
    [](Image& im) {  // 9 settings
      std::vector<Shape> teeth{Circle(8, 8, 5.2f)};
      for (int i = 0; i < 8; ++i) teeth.push_back(Rotate(Box(6.7f, 0.8f, 9.3f, 4, 0.6f), {8, 8}, i * 45.0f));
      Part(im, Subtract(UnionOf(teeth), Circle(8, 8, 2.2f)), kSteel, 0.5f);
    },
    [](Image& im) {  // 10 refresh
      Part(im, Polyline(ArcPoints({8, 8.5f}, 5, -40, 230, 18), 1.5f), kGreen, 0.5f);
      Part(im, Grow(Polygon({{9.5f, 0.8f}, {15, 3.5f}, {10.5f, 8}}), 0.3f), kGreen, 0.5f);
    },
    [](Image& im) {  // 11 close
      Part(im, Union(Segment({3.5f, 3.5f}, {12.5f, 12.5f}, 2), Segment({12.5f, 3.5f}, {3.5f, 12.5f}, 2)), kRed, 0.45f);
    },
    [](Image& im) {  // 12 delete
      Part(im, Box(3, 4.5f, 13, 15, 1.5f), kSteel, 0.5f);
      for (float x : {6.0f, 8.0f, 10.0f}) Mark(im, Box(x - 0.5f, 7, x + 0.5f, 13), Shade(kSteel, 0.4f));
      Part(im, Box(1.5f, 2.5f, 14.5f, 5.5f, 1), kSteel, 0.5f);
      Part(im, Box(6, 0.5f, 10, 3.5f, 1), kSteel, 0.5f);
    },
    [](Image& im) {  // 13 due
      Part(im, Circle(8, 14, 1.8f), Shade(kGold, 0.2f), 0.5f);
      Part(im, UnionOf({Circle(8, 6.5f, 4.5f), Polygon({{3.5f, 6.5f}, {12.5f, 6.5f}, {14, 12}, {2, 12}}), Box(1, 11, 15, 14, 1.2f)}), kGold, 0.5f);
    },
    [](Image& im) {  // 14 copy
      Page(im, 1, 1, 10.5f, 11.5f);
      Page(im, 5.5f, 4.5f, 15, 15);
    },
    [](Image& im) {  // 15 paste
      Part(im, Box(1.5f, 2, 12.5f, 15, 1.5f), kBrown, 0.5f);
      Page(im, 6, 6, 15, 15.5f);
      Part(im, Box(4, 0.5f, 10, 4, 1), kSteel, 0.5f);
    },
    [](Image& im) {  // 16 search
      Part(im, Segment({10, 10}, {14, 14}, 1.9f), kSlate, 0.3f);
      Part(im, Circle(6.5f, 6.5f, 5.5f), kSlate, 0.3f);
      Fill(im, Circle(6.5f, 6.5f, 3.5f), RadialGradient({5.5f, 5.5f}, 4, Rgb8(226, 240, 252), kSky));
    },
    [](Image& im) {  // 17 manager
      Part(im, Box(0.5f, 1.5f, 15.5f, 14.5f, 1.5f), kWhite, 0.62f);
      Fill(im, Box(1.5f, 2.5f, 14.5f, 5.5f), Solid(kBlue));
      for (int i = 0; i < 3; ++i) {
        const float y = 7 + i * 2.5f;
        Mark(im, Box(3, y, 5, y + 1.5f), i == 0 ? kYellow : i == 1 ? kPink : kGreen);
        Mark(im, Box(6, y + 0.25f, 13, y + 1.25f), Rgb8(150, 160, 176));
      }
    },
    [](Image& im) {  // 18 shortcut
      Part(im, Box(1, 1, 15, 15, 2), kWhite, 0.62f);
      Mark(im, Polyline({{4.5f, 12}, {4.5f, 9}, {6, 7}, {10, 7}}, 1.2f), kBlue);
      Mark(im, Polygon({{9, 3.5f}, {13, 7}, {9, 10.5f}}), kBlue);
    },
    [](Image& im) {  // 19 hot keys
      Part(im, Box(0.5f, 3.5f, 15.5f, 13, 1.5f), kSlate, 0.35f);
      for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col) Mark(im, Box(2.5f + col * 2.3f, 5.5f + row * 2.3f, 3.9f + col * 2.3f, 6.8f + row * 2.3f), kWhite);
      Mark(im, Box(4.5f, 10.3f, 11.5f, 11.5f), kWhite);
    },
    [](Image& im) {  // 20 save
      Part(im, Polygon({{1, 1}, {12.5f, 1}, {15, 3.5f}, {15, 15}, {1, 15}}), kBlue, 0.45f);
      Fill(im, Box(4, 2, 11, 6.5f, 0.5f), Solid(kSteel));
      Fill(im, Box(8.5f, 2.8f, 10, 5.7f), Solid(kSlate));
      Fill(im, Box(3.5f, 9, 12.5f, 14, 0.5f), Solid(kWhite));
    },
    [](Image& im) {  // 21 floating
      Window(im);
      Part(im, Rotate(UnionOf({Box(9.5f, 0.5f, 14.5f, 3, 1), Box(10.5f, 2.5f, 13.5f, 6), Box(8.5f, 5.5f, 15.5f, 8, 1)}), {12, 8}, 30), kRed, 0.45f);
      Mark(im, Segment({10.8f, 9}, {8.8f, 12.5f}, 0.55f), kSlate);
    },
    [](Image& im) { Note(im, 1.5f, 1.5f, 13); },  // 22 sticker
    [](Image& im) { Arrow(im, false); },  // 23 back
    [](Image& im) { Arrow(im, true); },   // 24 forward
    [](Image& im) {  // 25 favourites
      Part(im, Grow(Polygon(StarPoints({8, 8.6f}, 7, 3, 5)), 0.5f), kGold, 0.45f);
    },
    [](Image& im) {  // 26 calendar
      Part(im, Box(1, 2.5f, 15, 15, 1.5f), kWhite, 0.62f);
      Fill(im, Box(2, 3.5f, 14, 6.5f), Solid(kRed));
      for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) Mark(im, Box(3 + col * 3.7f, 8 + row * 3, 5 + col * 3.7f, 9.8f + row * 3), row == 1 && col == 2 ? kRed : kSteel);
      Part(im, Box(4, 0.5f, 6, 4.5f, 0.8f), kSlate, 0.2f);
      Part(im, Box(10, 0.5f, 12, 4.5f, 0.8f), kSlate, 0.2f);
    },
    [](Image& im) {  // 27 home page
      Part(im, Box(3, 7, 13, 15, 0.8f), Rgb8(246, 236, 214), 0.55f);
      Part(im, Grow(Polygon({{8, 1}, {15.2f, 7.8f}, {0.8f, 7.8f}}), 0.5f), kRed, 0.45f);
      Fill(im, Box(6.5f, 10, 9.5f, 14.5f), Solid(kBrown));
    },
};

}  // namespace

void DrawGlyphs(ArtworkSet& set) {
  const int cell = ScaleToDpi(kSize, set.Dpi());
  Image strip(cell * kCount, cell, kKey);
  for (int i = 0; i < kCount; ++i) {
    Image glyph = DesignCanvas(kSize, kSize, set.Dpi());
    kGlyphs[i](glyph);
    // Hard outer edge: a pixel is the glyph's (opaque) or the key's.
    for (int y = 0; y < cell; ++y)
      for (int x = 0; x < cell; ++x) {
        const Rgba c = glyph.At(x, y);
        if (c.a >= 0.5f) strip.At(i * cell + x, y) = {c.r, c.g, c.b, 1};
      }
  }
  // Every glyph has ink, differs from the others, and no pixel is a tint of
  // the key colour (it would show as a pink fringe on a menu).
  const int leastInk = kLeastInk * cell * cell / (kSize * kSize);
  for (int i = 0; i < kCount; ++i) {
    int ink = 0;
    for (int y = 0; y < cell; ++y)
      for (int x = 0; x < cell; ++x) {
        const Rgba c = strip.At(i * cell + x, y);
        const bool key = c.r == kKey.r && c.g == kKey.g && c.b == kKey.b;
        if (!key && c.r > 0.7f && c.b > 0.7f && c.g < 0.45f) throw std::runtime_error("glyph " + std::to_string(i) + " is blended with the key");
        ink += !key;
      }
    if (ink < leastInk) throw std::runtime_error("glyph " + std::to_string(i) + " is almost empty");
    for (int j = 0; j < i; ++j) {
      bool same = true;
      for (int y = 0; y < cell && same; ++y)
        for (int x = 0; x < cell && same; ++x) {
          const Rgba a = strip.At(i * cell + x, y), b = strip.At(j * cell + x, y);
          same = a.r == b.r && a.g == b.g && a.b == b.b;
        }
      if (same) throw std::runtime_error("glyphs " + std::to_string(j) + " and " + std::to_string(i) + " are alike");
    }
  }
  set.Add("BITMAPS", strip);
}
