// The drawing rule of every language flag, by flag code. Each rule is a few
// layers in flag pixels (24 x 15, hoist on the left). Intricate emblems are
// reduced to a disc, a star or a simple outline that still reads at menu size.

#include <cmath>

#include "flag_draw.h"

namespace flags {

namespace {

using namespace colour;

constexpr float W = kWidth, H = kHeight, CX = kWidth / 2.0f, CY = kHeight / 2.0f;

// A polygon given in unit coordinates (-1..1), scaled and moved into place.
Shape Figure(std::vector<Point> unit, float cx, float cy, float sx, float sy) {
  for (Point& p : unit) p = {cx + p.x * sx, cy + p.y * sy};
  return Polygon(unit);
}

Layers Figure(Rgba c, std::vector<Point> unit, float cx, float cy, float sx, float sy) {
  return Paint(Figure(std::move(unit), cx, cy, sx, sy), c);
}

// Single pixels in a checkered pattern over a rectangle (stars too small to
// draw one by one).
Layers Sprinkle(Rgba c, int x0, int y0, int x1, int y1) {
  Shape dots = Box(0, 0, 0, 0);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if ((x + y) % 2 == 0) dots = Union(dots, Box(x + 0.1f, y + 0.1f, x + 0.9f, y + 0.9f));
  return {{dots, c}};
}

// A castle of three towers with a gate.
Layers Castle(Rgba c, Rgba gate, float cx, float cy) {
  Shape body = Box(cx - 4, cy - 0.5f, cx + 4, cy + 3.5f);
  body = Union(body, Box(cx - 4, cy - 2.5f, cx - 2, cy));
  body = Union(body, Box(cx - 1, cy - 3.5f, cx + 1, cy));
  body = Union(body, Box(cx + 2, cy - 2.5f, cx + 4, cy));
  return Join({Paint(body, c), Rect(cx - 0.9f, cy + 1.5f, cx + 0.9f, cy + 3.5f, gate)});
}

// A shield: flat top, rounded point below.
Shape ShieldShape(float cx, float cy, float w, float h) {
  return Figure({{-1, -1}, {1, -1}, {1, 0.2f}, {0.6f, 0.7f}, {0, 1}, {-0.6f, 0.7f}, {-1, 0.2f}}, cx, cy, w / 2, h / 2);
}
Layers Shield(Rgba c, float cx, float cy, float w, float h) { return Paint(ShieldShape(cx, cy, w, h), c); }

// Three horizontal or vertical stripes of equal size.
Layers H3(Rgba a, Rgba b, Rgba c) { return HBands({a, b, c}); }
Layers V3(Rgba a, Rgba b, Rgba c) { return VBands({a, b, c}); }

// The cross of the northern countries: upright at columns 7..9.
constexpr float kNordic = 8.5f;
Layers Nordic(Rgba field, Rgba cross) { return Join({Field(field), Cross(cross, kNordic, 3)}); }
Layers Nordic(Rgba field, Rgba border, Rgba cross) {
  return Join({Field(field), Cross(border, kNordic, 5), Cross(cross, kNordic, 3)});
}

// A diagonal band from the lower hoist to the upper fly corner over two
// triangles, with an edging on each side.
Layers Diagonal(Rgba upper, Rgba lower, Rgba edge, Rgba band, float edgeHalf, float bandHalf) {
  return Join({Field(lower), Triangle(upper, {0, 0}, {W, 0}, {0, H}), Band(edge, {-2, H + 1.2f}, {W + 2, -1.2f}, edgeHalf),
               Band(band, {-2, H + 1.2f}, {W + 2, -1.2f}, bandHalf)});
}

const Layers kMapleLeaf = {
    {Figure({{0, -1.0f},     {0.18f, -0.62f}, {0.45f, -0.72f}, {0.38f, -0.22f}, {0.85f, -0.45f}, {0.72f, -0.1f},
             {0.98f, 0.08f}, {0.5f, 0.38f},   {0.56f, 0.6f},   {0.1f, 0.48f},   {0.1f, 1.0f},    {-0.1f, 1.0f},
             {-0.1f, 0.48f}, {-0.56f, 0.6f},  {-0.5f, 0.38f},  {-0.98f, 0.08f}, {-0.72f, -0.1f}, {-0.85f, -0.45f},
             {-0.38f, -0.22f}, {-0.45f, -0.72f}, {-0.18f, -0.62f}},
            CX, CY - 0.3f, 3.6f, 3.6f),
     Red}};

std::vector<FlagRule> BuildRules() {
  return {
      {"ad", Join({VBands({Blue, Yellow, Red}, {8, 9, 8}), Shield(Gold, CX, CY, 4, 5), Shield(Red, CX, CY + 0.3f, 2, 2.8f)})},
      {"ae", Join({HBands({Green, White, Black}), Rect(0, 0, 6, H, Red)})},
      {"af", Join({V3(Black, Red, Green), Ring(White, CX, CY, 2.6f, 0.55f), Disc(White, CX, CY, 0.9f)})},
      {"ag", Join({Field(Red), Paint(Intersect(Polygon({{0, 0}, {W, 0}, {CX, H}}), Box(0, 0, W, 6)), Black),
                   Paint(Intersect(Polygon({{0, 0}, {W, 0}, {CX, H}}), Box(0, 6, W, 9)), Blue),
                   Paint(Intersect(Polygon({{0, 0}, {W, 0}, {CX, H}}), Box(0, 9, W, H)), White),
                   Paint(Intersect(Star(Yellow, CX, 6, 3.2f, 16, 0.55f)[0].shape, Box(0, 0, W, 6)), Yellow)})},
      {"ai", Ensign(Blue, Join({Badge(White, Azure, White), Disc(Orange, 18.5f, 6.2f, 1.1f)}))},
      {"al", Join({Field(Red), Figure(Black,
                                      {{-1, -0.75f}, {-0.35f, -0.25f}, {-0.22f, -0.95f}, {0, -0.5f}, {0.22f, -0.95f},
                                       {0.35f, -0.25f}, {1, -0.75f}, {0.75f, 0.15f}, {0.3f, 0.3f}, {0.25f, 0.95f},
                                       {-0.25f, 0.95f}, {-0.3f, 0.3f}, {-0.75f, 0.15f}},
                                      CX, CY, 5, 4.8f)})},
      {"am", H3(Red, Blue, Orange)},
      {"an", Join({Field(White), Rect(11, 0, 13, H, Red), Rect(0, 5, W, 10, Blue),
                   Stars(White, {{4.5f, 7.5f}, {8.5f, 6.2f}, {15.5f, 6.2f}, {19.5f, 7.5f}, {CX, 8.2f}}, 1.2f)})},
      {"ao", Join({HBands({Red, Black}), Ring(Yellow, CX, CY, 3.3f, 0.6f), Rect(CX - 4, CY - 4, CX + 4, CY - 1.2f, Red),
                   Band(Yellow, {CX - 2.5f, CY + 2.5f}, {CX + 2.5f, CY - 2.5f}, 0.55f),
                   Star(Yellow, CX - 0.3f, CY - 2.6f, 1.4f)})},
      {"aq", Join({Field(Rgb8(60, 120, 200)),
                   Paint(Union(Ellipse(CX, CY + 0.5f, 6, 4), Union(Circle(CX - 4, CY - 1.5f, 2.5f), Circle(CX + 3.5f, CY - 2, 2))),
                         White)})},
      {"ar", Join({H3(Sky, White, Sky), Star(Gold, CX, CY, 2.2f, 16, 0.6f), Disc(Gold, CX, CY, 1.4f)})},
      {"as", Join({Field(Navy), Triangle(Red, {W, -1}, {W, H + 1}, {0, CY}), Triangle(White, {W, 1.3f}, {W, H - 1.3f}, {3.5f, CY}),
                   Figure(Brown, {{-1, -0.2f}, {0.4f, -1}, {1, -0.4f}, {0.6f, 0.6f}, {-0.6f, 0.6f}}, 15.5f, CY, 3, 2.2f)})},
      {"at", H3(Red, White, Red)},
      {"au", Join({Ensign(Navy), Star(White, 6.5f, 11.2f, 2.2f, 7),
                   Stars(White, {{18.5f, 12.3f}, {18.5f, 3}, {15.3f, 6.5f}, {21.7f, 5.8f}}, 1.35f, 7),
                   Star(White, 20.1f, 8.6f, 0.8f)})},
      {"aw", Join({Field(Azure), Rect(0, 9, W, 10, Yellow), Rect(0, 11, W, 12, Yellow),
                   Star(White, 4.5f, 4.5f, 3.3f, 4, 0.3f), Star(Red, 4.5f, 4.5f, 2.2f, 4, 0.3f)})},
      {"az", Join({H3(Azure, Red, Green), Crescent(White, 11, CY, 2.2f, 0.7f, 0, 1.8f), Star(White, 13.7f, CY, 1.1f, 8)})},

      {"ba", Join({Field(Blue), Triangle(Yellow, {6, 0}, {18, 0}, {18, H}),
                   Stars(White, {{3.6f, 0.9f}, {5.8f, 3.6f}, {8, 6.3f}, {10.2f, 9}, {12.4f, 11.7f}, {14.6f, 14.2f}}, 1.1f)})},
      {"bb", Join({VBands({Blue, Gold, Blue}), Paint(Union(Segment({CX, 3}, {CX, 12.5f}, 0.6f),
                                                          Union(Polyline({{9, 3}, {9.3f, 7}, {14.7f, 7}, {15, 3}}, 0.55f),
                                                                Segment({CX, 2}, {CX, 3}, 0.8f))),
                                                    Black)})},
      {"bd", Join({Field(DarkGreen), Disc(Red, 11, CY, 4.6f)})},
      {"be", V3(Black, Yellow, Red)},
      {"bf", Join({HBands({Red, Green}), Star(Yellow, CX, CY, 2.8f)})},
      {"bg", H3(White, Green, Red)},
      {"bh", Join({Field(Crimson), Poly(White, {{0, 0}, {6, 0}, {9, 1.5f}, {6, 3}, {9, 4.5f}, {6, 6}, {9, 7.5f}, {6, 9},
                                               {9, 10.5f}, {6, 12}, {9, 13.5f}, {6, H}, {0, H}})})},
      {"bi", Join({Field(Red), Triangle(Green, {0, 0}, {CX, CY}, {0, H}), Triangle(Green, {W, 0}, {CX, CY}, {W, H}),
                   Saltire(White, 1.4f), Disc(White, CX, CY, 3.8f),
                   Stars(Red, {{CX, CY - 1.6f}, {CX - 1.5f, CY + 1}, {CX + 1.5f, CY + 1}}, 1.1f, 6)})},
      {"bj", Join({HBands({Yellow, Red}), Rect(0, 0, 10, H, Green)})},
      {"bm", Ensign(Red, Join({Badge(White, Sky, White), Disc(Red, 18.5f, 6.3f, 1.2f)}))},
      {"bn", Join({Field(Yellow), Poly(White, {{0, 2}, {W, 8.5f}, {W, 11}, {0, 4.5f}}), Poly(Black, {{0, 4.5f}, {W, 11}, {W, 13.5f}, {0, 7}}),
                   Crescent(Red, CX, CY + 0.5f, 3, 0, -1.4f, 2.6f), Rect(CX - 0.6f, CY - 3, CX + 0.6f, CY + 2, Red),
                   Triangle(Red, {CX - 1.6f, CY - 3.2f}, {CX + 1.6f, CY - 3.2f}, {CX, CY - 4.5f})})},
      {"bo", H3(Red, Yellow, Green)},
      {"br", Join({Field(Green), Poly(Yellow, {{2.2f, CY}, {CX, 1.6f}, {W - 2.2f, CY}, {CX, H - 1.6f}}), Disc(Blue, CX, CY, 3.7f),
                   Paint(Intersect(Circle(CX, CY, 3.7f), Outline(Circle(CX + 1, CY + 8, 8.6f), 0.5f)), White)})},
      {"bs", Join({H3(Teal, Gold, Teal), HoistTriangle(Black, 10)})},
      {"bt", Join({Field(Orange), Triangle(Yellow, {0, 0}, {W, 0}, {0, H}),
                   Paint(Union(Ellipse(CX, CY, 5, 1.6f), Union(Circle(CX - 4.5f, CY + 1.2f, 1.4f), Circle(CX + 4.5f, CY - 1.4f, 1.2f))),
                         White)})},
      {"bv", Nordic(Red, White, Navy)},
      {"bw", Join({HBands({Sky, White, Black, White, Sky}, {5, 1, 3, 1, 5})})},
      {"by", Join({HBands({Red, Green}, {2, 1}), Rect(0, 0, 4, H, White),
                   Paint(Union(Polygon({{2, 1.5f}, {3.4f, 4}, {2, 6.5f}, {0.6f, 4}}), Polygon({{2, 8.5f}, {3.4f, 11}, {2, 13.5f}, {0.6f, 11}})),
                         Red)})},
      {"bz", Join({HBands({Red, Blue, Red}, {2, 11, 2}), Disc(White, CX, CY, 4), Ring(Leaf, CX, CY, 3.2f, 0.6f),
                   Shield(Brown, CX, CY, 2.2f, 2.6f)})},

      {"ca", Join({VBands({Red, White, Red}, {1, 2, 1}), kMapleLeaf})},
      {"cc", Join({Field(Green), Disc(Yellow, 5, 4.5f, 3), Paint(Union(Segment({5, 3}, {5, 6.8f}, 0.45f), Ellipse(5, 3, 1.9f, 0.8f)), Green),
                   Crescent(Yellow, CX, CY, 2.2f, 0.8f, 0, 1.8f),
                   Stars(Yellow, {{19.2f, 2.5f}, {16.3f, 7}, {22, 6.5f}, {19.2f, 12.5f}}, 1.3f, 7)})},
      {"cd", Join({Field(Azure), Band(Yellow, {-1, H + 0.6f}, {W + 1, -0.6f}, 3.2f), Band(Red, {-1, H + 0.6f}, {W + 1, -0.6f}, 2.2f),
                   Star(Yellow, 4.5f, 3.8f, 2.8f)})},
      {"cf", Join({HBands({Blue, White, Green, Yellow}), Rect(10, 0, 14, H, Red), Star(Yellow, 4, 1.9f, 1.5f)})},
      {"cg", Join({Field(Red), Triangle(Green, {0, 0}, {W - 8, 0}, {0, H}), Poly(Yellow, {{W - 8, 0}, {W - 2, 0}, {6, H}, {0, H}})})},
      {"ch", Join({Field(Red), Plus(White, CX, CY, 3, 9)})},
      {"ci", V3(Orange, White, Green)},
      {"ck", Ensign(Blue, DotRing(White, 18.5f, CY, 3.8f, 12, 0.6f))},
      {"cl", Join({HBands({White, Red}), Rect(0, 0, 8, 8, Blue), Star(White, 4, 4, 2.4f)})},
      {"cm", Join({V3(Green, Red, Yellow), Star(Yellow, CX, CY, 2.4f)})},
      {"cn", Join({Field(Red), Star(Yellow, 4.5f, 4.2f, 2.9f),
                   Stars(Yellow, {{8.6f, 1.7f}, {10.2f, 3.4f}, {10.2f, 5.9f}, {8.6f, 7.6f}}, 1.0f)})},
      {"co", HBands({Yellow, Blue, Red}, {2, 1, 1})},
      {"cr", HBands({Blue, White, Red, White, Blue}, {2, 2, 3, 2, 2})},
      {"cs", H3(Blue, White, Red)},
      {"cu", Join({Alternating(Blue, White, 5), HoistTriangle(Red, 11), Star(White, 3.8f, CY, 2.4f)})},
      {"cv", Join({HBands({Blue, White, Red, White, Blue}, {7, 1, 2, 1, 4}), DotRing(Yellow, 9, 9, 3.5f, 10, 0.55f)})},
      {"cx", Join({Field(Green), Triangle(Blue, {0, 0}, {W, H}, {0, H}), Disc(Yellow, CX, CY, 2.6f), Disc(Green, CX, CY, 1.3f),
                   Stars(White, {{4, 9}, {7, 12.5f}, {2.5f, 13.2f}, {9.5f, 13.6f}}, 1.0f, 7),
                   Paint(Polyline({{15.3f, 5}, {18.3f, 3.2f}, {21.8f, 2}}, 0.6f), Yellow)})},
      {"cy", Join({Field(White), Figure(Rgb8(210, 120, 40),
                                        {{-1, 0.3f}, {-0.5f, -0.2f}, {0.1f, -0.3f}, {0.6f, -0.8f}, {1, -1}, {0.7f, -0.3f}, {0.4f, 0.3f},
                                         {-0.2f, 0.6f}},
                                        CX, 6, 5, 3),
                   Paint(Union(Polyline({{7.5f, 11}, {CX - 0.5f, 12.2f}}, 0.55f), Polyline({{16.5f, 11}, {CX + 0.5f, 12.2f}}, 0.55f)), Leaf)})},
      {"cz", Join({HBands({White, Red}), HoistTriangle(Blue, CX)})},

      {"de", H3(Black, Red, Yellow)},
      {"dj", Join({HBands({Sky, Green}), HoistTriangle(White, 12), Star(Red, 4.2f, CY, 2.1f)})},
      {"dk", Nordic(Red, White)},
      {"dm", Join({Field(Green), Cross(Yellow, 11.5f, 3), Rect(0, 7, W, 8, Black), Rect(11, 0, 12, H, Black),
                   Rect(0, 8, W, 9, White), Rect(12, 0, 13, H, White), Disc(Red, 11.5f, CY, 3.3f),
                   Disc(Rgb8(120, 60, 160), 11.5f, CY, 1.3f), DotRing(Leaf, 11.5f, CY, 2.4f, 10, 0.45f)})},
      {"do", Join({Field(White), Rect(0, 0, 10, 6, Blue), Rect(14, 0, W, 6, Red), Rect(0, 9, 10, H, Red), Rect(14, 9, W, H, Blue),
                   Rect(11, 6.5f, 13, 8.5f, Leaf)})},
      {"dz", Join({VBands({Green, White}), Crescent(Red, CX, CY, 3.8f, 1.1f, 0, 3.2f), Star(Red, CX + 1.6f, CY, 1.5f, 5, 0.4f, 0.3f)})},
      {"ec", Join({HBands({Yellow, Blue, Red}, {2, 1, 1}), Paint(Ellipse(CX, 7, 2, 2.6f), Brown), Paint(Ellipse(CX, 7.5f, 1.2f, 1.6f), Sky)})},
      {"ee", H3(Blue, Black, White)},
      {"eg", Join({H3(Red, White, Black), Figure(Gold, {{-1, -0.6f}, {0, -1}, {1, -0.6f}, {0.6f, 0.9f}, {-0.6f, 0.9f}}, CX, CY, 2, 2)})},
      {"eh", Join({H3(Black, White, Green), HoistTriangle(Red, 9), Crescent(Red, 12.5f, CY, 2.1f, 0.7f, 0, 1.7f),
                   Star(Red, 14.6f, CY, 1.1f, 5, 0.4f, 0.3f)})},
      {"er", Join({Triangle(Green, {0, 0}, {W, 0}, {W, CY}), Triangle(Blue, {0, H}, {W, H}, {W, CY}),
                   Triangle(Red, {0, 0}, {W, CY}, {0, H}), Triangle(Red, {0, -1}, {W, CY}, {0, H + 1}),
                   Ring(Yellow, 6, CY, 2.7f, 0.55f), Rect(5.5f, CY - 2, 6.5f, CY + 2.5f, Yellow)})},
      {"es", Join({HBands({Red, Yellow, Red}, {1, 2, 1}), Shield(Crimson, 7, CY, 3, 4), Rect(5.5f, 5.3f, 8.5f, 6.3f, Gold)})},
      {"et", Join({H3(Green, Yellow, Red), Disc(Blue, CX, CY, 3.6f), Star(Yellow, CX, CY + 0.2f, 2.6f, 5, 0.38f)})},
      {"eu", Join({Field(Blue), DotRing(Yellow, CX, CY, 4.7f, 12, 0.75f)})},

      {"fi", Nordic(White, Blue)},
      {"fj", Ensign(Sky, Join({Shield(White, 18.5f, 8, 6, 7.5f), Rect(15.5f, 4.25f, 21.5f, 6.5f, Red), Plus(Red, 18.5f, 9.5f, 1, 5)}))},
      {"fk", Ensign(Navy, Join({Badge(Sky, White, White), Rect(16, 9.5f, 21, 10.5f, Blue)}))},
      {"fm", Join({Field(Sky), Stars(White, {{CX, 3.4f}, {CX, 11.6f}, {7.7f, CY}, {16.3f, CY}}, 1.8f)})},
      {"fo", Nordic(White, Blue, Red)},
      {"fr", V3(Blue, White, Red)},
      {"ga", H3(Green, Yellow, Blue)},
      {"gd", Join({Field(Red), Rect(2, 2, W - 2, H - 2, Yellow), Triangle(Green, {2, 2}, {CX, CY}, {2, H - 2}),
                   Triangle(Green, {W - 2, 2}, {CX, CY}, {W - 2, H - 2}), Disc(Red, CX, CY, 2.3f), Star(Yellow, CX, CY, 1.6f),
                   Stars(Yellow, {{6, 1}, {CX, 1}, {18, 1}, {6, 14}, {CX, 14}, {18, 14}}, 0.85f)})},
      {"ge", Join({Field(White), Rect(10, 0, 14, H, Red), Rect(0, 6, W, 9, Red), Plus(Red, 5, 3, 1, 3), Plus(Red, 19, 3, 1, 3), Plus(Red, 5, 12, 1, 3),
                   Plus(Red, 19, 12, 1, 3)})},
      {"gh", Join({H3(Red, Yellow, Green), Star(Black, CX, CY, 2.5f)})},
      {"gi", Join({HBands({White, Red}, {2, 1}), Castle(Red, White, CX, 5.5f), Rect(CX - 0.6f, 9, CX + 0.6f, 12.5f, Gold)})},
      {"gl", Join({HBands({White, Red}), Paint(Intersect(Circle(9, CY, 4.5f), Box(0, 0, W, CY)), Red),
                   Paint(Intersect(Circle(9, CY, 4.5f), Box(0, CY, W, H)), White)})},
      {"gm", HBands({Red, White, Blue, White, Green}, {5, 1, 3, 1, 5})},
      {"gn", V3(Red, Yellow, Green)},
      {"gq", Join({H3(Green, White, Red), HoistTriangle(Blue, 7), Shield(Grey, 13.5f, CY, 2.6f, 3.4f)})},
      {"gr", Join({Alternating(Blue, White, 9), Rect(0, 0, 8, 8, Blue), Plus(White, 4, 4, 2, 8)})},
      {"gs", Ensign(Navy, Join({Badge(White, Leaf, Gold), Rect(17, 5.5f, 20, 7.5f, Navy)}))},
      {"gt", Join({V3(Sky, White, Sky), Ring(Leaf, CX, CY, 2.4f, 0.5f), Disc(Rgb8(170, 200, 120), CX, CY, 1.2f)})},
      {"gu", Join({Field(Red), Rect(1, 1, W - 1, H - 1, Navy), Paint(Ellipse(CX, CY, 3, 4.6f), Red), Paint(Ellipse(CX, CY, 2.4f, 4), Sky),
                   Paint(Intersect(Ellipse(CX, CY, 2.4f, 4), Box(0, 9, W, H)), Rgb8(210, 190, 130)), Rect(CX - 0.3f, 5, CX + 0.6f, 9.5f, Leaf)})},
      {"gw", Join({HBands({Yellow, Green}), Rect(0, 0, 8, H, Red), Star(Black, 4, CY, 2.4f)})},
      {"gy", Join({Field(Green), Triangle(White, {0, -0.5f}, {W, CY}, {0, H + 0.5f}), Triangle(Yellow, {0, 0.8f}, {W - 2.2f, CY}, {0, H - 0.8f}),
                   Triangle(Black, {0, -0.5f}, {13, CY}, {0, H + 0.5f}), Triangle(Red, {0, 1}, {11, CY}, {0, H - 1})})},

      {"hk", Join({Field(Red), [] {
                     Layers petals;
                     for (int i = 0; i < 5; ++i) {
                       const float a = -1.5708f + i * 1.2566f;
                       const Layers p = Paint(Ellipse(CX + 2 * std::cos(a), CY + 2 * std::sin(a), 1.6f, 1.6f), White);
                       petals.insert(petals.end(), p.begin(), p.end());
                     }
                     return petals;
                   }(),
                   Disc(Red, CX, CY, 0.6f)})},
      {"hm", Join({Ensign(Navy), Star(White, 6.5f, 11.2f, 2.2f, 7),
                   Stars(White, {{18.5f, 12.3f}, {18.5f, 3}, {15.3f, 6.5f}, {21.7f, 5.8f}}, 1.35f, 7), Star(White, 20.1f, 8.6f, 0.8f)})},
      {"hh", Join({Field(Red), Castle(White, Red, CX, 7)})},
      {"hr", Join({H3(Red, White, Blue), Paint(ShieldShape(CX, CY, 5.4f, 6.6f), White),
                   Paint(Intersect(ShieldShape(CX, CY, 5.4f, 6.6f),
                                   [](float x, float y) {
                                     const int i = static_cast<int>(std::floor(x)), j = static_cast<int>(std::floor(y));
                                     return ((i + j) % 2 == 0) ? -1.0f : 1.0f;
                                   }),
                         Red)})},
      {"ht", Join({HBands({Blue, Red}), Rect(8, 4.5f, 16, 10.5f, White), Triangle(Leaf, {CX, 5.2f}, {14, 9.5f}, {10, 9.5f}),
                   Rect(9, 9, 15, 10, Leaf)})},
      {"hu", H3(Red, White, Green)},
      {"id", HBands({Red, White})},
      {"ie", V3(Green, White, Orange)},
      {"il", Join({Field(White), Rect(0, 1.5f, W, 3.5f, Blue), Rect(0, 11.5f, W, 13.5f, Blue),
                   Paint(Union(Outline(Polygon({{CX, CY - 3.3f}, {CX + 2.9f, CY + 1.65f}, {CX - 2.9f, CY + 1.65f}}), 0.42f),
                               Outline(Polygon({{CX, CY + 3.3f}, {CX + 2.9f, CY - 1.65f}, {CX - 2.9f, CY - 1.65f}}), 0.42f)),
                         Blue)})},
      {"in", Join({H3(Saffron, White, Green), Ring(Navy, CX, CY, 1.9f, 0.45f), Disc(Navy, CX, CY, 0.6f)})},
      {"io", Join({Alternating(White, Blue, 15), Rect(0, 0, 13, 7, White), UnionFlag(0, 0, 13, 7),
                   Paint(Union(Segment({18.5f, 13}, {19, 8}, 0.6f), Ellipse(19, 8, 3, 1.2f)), DarkGreen)})},
      {"iq", Join({H3(Red, White, Black), Paint(Union(Polyline({{8, 8}, {9.5f, 7}, {11, 8.3f}, {12.5f, 6.5f}, {12.5f, 8.3f}}, 0.5f),
                                                      Polyline({{14, 6}, {14, 8.3f}, {16, 8.3f}, {16, 6.5f}}, 0.5f)),
                                                Green)})},
      {"ir", Join({H3(Green, White, Red), Paint(Union(Crescent(Red, CX, CY, 2.2f, 0, -0.9f, 1.9f)[0].shape,
                                                      Segment({CX, CY - 2.3f}, {CX, CY + 2.2f}, 0.45f)),
                                                Red)})},
      {"is", Nordic(Blue, White, Red)},
      {"it", V3(Green, White, Red)},

      {"jm", Join({Field(Green), Triangle(Black, {0, 0}, {CX, CY}, {0, H}), Triangle(Black, {W, 0}, {CX, CY}, {W, H}), Saltire(Yellow, 1.5f)})},
      {"jo", Join({H3(Black, White, Green), HoistTriangle(Red, 12), Star(White, 4.5f, CY, 1.8f, 7, 0.45f)})},
      {"jp", Join({Field(White), Disc(Crimson, CX, CY, 4.5f)})},
      {"ke", Join({HBands({Black, White, Red, White, Green}, {4, 1, 5, 1, 4}),
                   Band(White, {CX - 3.5f, CY + 5.5f}, {CX + 3.5f, CY - 5.5f}, 0.5f),
                   Band(White, {CX + 3.5f, CY + 5.5f}, {CX - 3.5f, CY - 5.5f}, 0.5f), Paint(Ellipse(CX, CY, 2.6f, 5.2f), Red),
                   Paint(Subtract(Ellipse(CX, CY, 2.6f, 5.2f), Ellipse(CX, CY, 1.5f, 5.2f)), Black), Paint(Ellipse(CX, CY, 0.6f, 1.4f), White)})},
      {"kg", Join({Field(Red), Star(Yellow, CX, CY, 4.3f, 20, 0.7f), Disc(Yellow, CX, CY, 2.8f), Ring(Red, CX, CY, 1.9f, 0.45f),
                   Paint(Intersect(Circle(CX, CY, 1.9f), Union(Segment({CX - 2, CY - 1}, {CX + 2, CY + 1}, 0.3f),
                                                               Segment({CX - 2, CY + 1}, {CX + 2, CY - 1}, 0.3f))),
                         Red)})},
      {"kh", Join({HBands({Blue, Red, Blue}, {1, 2, 1}),
                   Figure(White, {{-0.9f, 0.8f}, {-0.9f, 0.35f}, {-0.6f, -0.3f}, {-0.35f, 0.35f}, {-0.22f, 0.35f}, {0, -0.85f},
                                  {0.22f, 0.35f}, {0.35f, 0.35f}, {0.6f, -0.3f}, {0.9f, 0.35f}, {0.9f, 0.8f}},
                          CX, CY, 5, 3.4f)})},
      {"ki", Join({HBands({Red, Blue, White, Blue, White, Blue}, {8, 2, 1, 2, 1, 1}), Star(Yellow, CX, 8, 4.5f, 16, 0.55f),
                   Paint(Intersect(Circle(CX, 8, 3), Box(0, 0, W, 8)), Yellow), Rect(0, 8, W, 10, Blue),
                   Rect(0, 10, W, 11, White), Paint(Polyline({{8, 3}, {CX, 2}, {16, 3}}, 0.6f), Yellow)})},
      {"km", Join({HBands({Yellow, White, Red, Blue}), HoistTriangle(Green, 10), Crescent(White, 4.2f, CY, 3, 1.2f, 0, 2.6f),
                   Stars(White, {{5.5f, 5.4f}, {6.2f, 6.8f}, {6.2f, 8.2f}, {5.5f, 9.6f}}, 0.6f)})},
      {"kn", Join({Diagonal(Green, Red, Yellow, Black, 3.4f, 2.4f), Stars(White, {{8.5f, 9.6f}, {15.5f, 5.4f}}, 1.5f)})},
      {"kp", Join({HBands({Blue, White, Red, White, Blue}, {3, 1, 7, 1, 3}), Disc(White, 8, CY, 2.9f), Star(Red, 8, CY + 0.2f, 2.6f)})},
      {"kr", Join({Field(White), Paint(Intersect(Circle(CX, CY, 3.5f), Box(0, 0, W, CY)), Red),
                   Paint(Intersect(Circle(CX, CY, 3.5f), Box(0, CY, W, H)), Blue), Disc(Red, CX - 1.75f, CY, 1.75f),
                   Disc(Blue, CX + 1.75f, CY, 1.75f),
                   [] {
                     Layers marks;
                     const Point at[] = {{5.3f, 3}, {18.7f, 3}, {5.3f, 12}, {18.7f, 12}};
                     for (const Point& p : at) {
                       const float sx = p.x < CX ? 1.0f : -1.0f, sy = p.y < CY ? 1.0f : -1.0f;
                       for (int k = -1; k <= 1; ++k) {
                         const float ox = k * 1.1f * sx * 0.55f, oy = -k * 1.1f * sy * 0.83f;
                         const Layers bar = Band(Black, {p.x + ox - 1.2f * sy * 0.83f, p.y + oy - 1.2f * sx * 0.55f},
                                                 {p.x + ox + 1.2f * sy * 0.83f, p.y + oy + 1.2f * sx * 0.55f}, 0.35f);
                         marks.insert(marks.end(), bar.begin(), bar.end());
                       }
                     }
                     return marks;
                   }()})},
      {"kw", Join({H3(Green, White, Red), Poly(Black, {{0, 0}, {6, 5}, {6, 10}, {0, H}})})},
      {"ky", Ensign(Navy, Badge(White, Blue, White))},
      {"kz", Join({Field(Rgb8(0, 175, 200)), Star(Yellow, CX + 1, 6, 3.6f, 24, 0.72f), Disc(Yellow, CX + 1, 6, 2.2f),
                   Paint(Polyline({{CX - 4, 10}, {CX - 1, 11.5f}, {CX + 1, 10.5f}, {CX + 3, 11.5f}, {CX + 6, 10}}, 0.55f), Yellow),
                   Paint([](float x, float y) { return std::fabs(x - 2.5f) - 0.6f + (static_cast<int>(y) % 2 ? 0.4f : 0.0f); }, Yellow)})},

      {"la", Join({HBands({Red, Blue, Red}, {1, 2, 1}), Disc(White, CX, CY, 2.9f)})},
      {"lb", Join({HBands({Red, White, Red}, {1, 2, 1}),
                   Figure(Green, {{0, -1}, {0.45f, -0.45f}, {0.25f, -0.45f}, {0.7f, 0.1f}, {0.4f, 0.1f}, {0.95f, 0.65f}, {0.12f, 0.65f},
                                  {0.12f, 1}, {-0.12f, 1}, {-0.12f, 0.65f}, {-0.95f, 0.65f}, {-0.4f, 0.1f}, {-0.7f, 0.1f},
                                  {-0.25f, -0.45f}, {-0.45f, -0.45f}},
                          CX, CY, 4.6f, 3.3f)})},
      {"lc", Join({Field(Sky), Triangle(White, {CX, 1.5f}, {17.5f, 13.5f}, {6.5f, 13.5f}), Triangle(Black, {CX, 3.2f}, {16.3f, 13.5f}, {7.7f, 13.5f}),
                   Triangle(Yellow, {CX, 8}, {17.5f, 13.5f}, {6.5f, 13.5f})})},
      {"li", Join({HBands({Blue, Red}), Figure(Gold, {{-1, 0.6f}, {-1, -0.6f}, {-0.5f, 0}, {0, -1}, {0.5f, 0}, {1, -0.6f}, {1, 0.6f}}, 6, 3.8f,
                                                 2.2f, 1.7f)})},
      {"lk", Join({Field(Gold), Rect(1.5f, 1.5f, 4.5f, H - 1.5f, Green), Rect(4.5f, 1.5f, 7.5f, H - 1.5f, Orange),
                   Rect(8.5f, 1.5f, W - 1.5f, H - 1.5f, Maroon),
                   Figure(Gold, {{-1, 1}, {-0.8f, -0.2f}, {-0.3f, -0.5f}, {0.2f, -1}, {0.7f, -0.6f}, {0.5f, -0.1f}, {1, 1}}, 15.6f, CY, 3.6f,
                          3.6f)})},
      {"lr", Join({Alternating(Red, White, 11), Rect(0, 0, 7, 7, Navy), Star(White, 3.5f, 3.5f, 2.7f)})},
      {"ls", Join({HBands({Blue, White, Green}, {4, 7, 4}),
                   Figure(Black, {{-1, 0.8f}, {-0.35f, -0.2f}, {-0.15f, -1}, {0.15f, -1}, {0.35f, -0.2f}, {1, 0.8f}}, CX, CY, 3, 2.2f)})},
      {"lt", H3(Yellow, Green, Red)},
      {"lu", H3(Red, White, Sky)},
      {"lv", HBands({Maroon, White, Maroon}, {2, 1, 2})},
      {"ly", Join({HBands({Red, Black, Green}, {1, 2, 1}), Crescent(White, 11.3f, CY, 2.4f, 0.8f, 0, 1.9f),
                   Star(White, 14.1f, CY, 1.2f, 5, 0.4f, 0.3f)})},

      {"ma", Join({Field(Red), Paint(Outline(Polygon([] {
                                                 std::vector<Point> p;
                                                 for (int i = 0; i < 5; ++i) {
                                                   const float a = -1.5708f + i * 2 * 2.5133f;
                                                   p.push_back({CX + 4 * std::cos(a), CY + 0.4f + 4 * std::sin(a)});
                                                 }
                                                 return p;
                                               }()),
                                               0.45f),
                                       DarkGreen)})},
      {"mc", HBands({Red, White})},
      {"md", Join({V3(Blue, Yellow, Red), Shield(Brown, CX, CY, 3.4f, 4.6f), Shield(Red, CX, CY + 0.4f, 1.8f, 2.2f)})},
      {"mg", Join({HBands({Red, Green}), Rect(0, 0, 8, H, White)})},
      {"mh", Join({Field(Blue), Poly(Orange, {{0, H}, {W, 0.4f}, {W, 3.8f}}), Poly(White, {{0, H}, {W, 3.8f}, {W, 7}}),
                   Star(White, 5, 4.2f, 3, 12, 0.45f)})},
      {"mk", Join({Field(Red), [] {
                     Layers rays;
                     for (int i = 0; i < 8; ++i) {
                       const float a = i * 0.7854f;
                       const float ex = CX + 16 * std::cos(a), ey = CY + 16 * std::sin(a) * 0.8f;
                       const float px = -std::sin(a), py = std::cos(a);
                       const Layers ray = Triangle(Yellow, {CX, CY}, {ex + 2.4f * px, ey + 2.4f * py}, {ex - 2.4f * px, ey - 2.4f * py});
                       rays.insert(rays.end(), ray.begin(), ray.end());
                     }
                     return rays;
                   }(),
                   Disc(Red, CX, CY, 2.7f), Disc(Yellow, CX, CY, 2.1f)})},
      {"ml", V3(Green, Yellow, Red)},
      {"mm", Join({H3(Yellow, Green, Red), Star(White, CX, CY + 0.4f, 5.2f)})},
      {"mn", Join({V3(Red, Blue, Red), Paint(Union(Union(Circle(4.2f, 3.3f, 1), Box(3.2f, 5, 5.2f, 6)),
                                                  Union(Circle(4.2f, 8.4f, 1.2f), Union(Box(2.1f, 4.5f, 2.9f, 12.5f), Box(5.5f, 4.5f, 6.3f, 12.5f)))),
                                            Yellow),
                   Rect(3.2f, 10.5f, 5.2f, 11.5f, Yellow)})},
      {"mo", Join({Field(Rgb8(0, 120, 90)), Paint(Intersect(Circle(CX, 7.6f, 3), Box(0, 0, W, 8.7f)), White),
                   Rect(7.5f, 9.5f, 16.5f, 10.3f, White), Rect(9, 11, 15, 11.8f, White), Star(Yellow, CX, 2.6f, 1.5f),
                   Stars(Yellow, {{8.3f, 4}, {15.7f, 4}, {9.7f, 2.3f}, {14.3f, 2.3f}}, 0.8f)})},
      {"mp", Join({Field(Blue), Ring(Rgb8(120, 130, 90), CX, CY, 4.9f, 0.8f), Paint(Ellipse(CX, CY + 1.6f, 1.5f, 3.2f), Grey),
                   Star(White, CX, CY - 0.5f, 3)})},
      {"mr", Join({HBands({Red, Green, Red}, {2, 11, 2}), Crescent(Gold, CX, 7, 4, 0, -1.6f, 3.8f), Star(Gold, CX, 6, 1.6f)})},
      {"ms", Ensign(Blue, Join({Badge(Azure, Green, White), Rect(18, 5.2f, 19, 9, Brown)}))},
      {"mt", Join({VBands({White, Red}), Plus(Grey, 4, 3.5f, 1, 5), Ring(Red, 4, 3.5f, 2.6f, 0.01f)})},
      {"mu", HBands({Red, Blue, Yellow, Green})},
      {"mv", Join({Field(Red), Rect(5, 4, 19, 11, Green), Crescent(White, 12.8f, CY, 2.8f, 1.1f, 0, 2.4f)})},
      {"mw", Join({H3(Black, Red, Green), Paint(Intersect(Star(Red, CX, 5, 4.6f, 16, 0.55f)[0].shape, Box(0, 0, W, 5)), Red),
                   Paint(Intersect(Circle(CX, 5, 2.8f), Box(0, 0, W, 5)), Red)})},
      {"mx", Join({V3(DarkGreen, White, Red), Ring(Leaf, CX, CY + 0.3f, 2.5f, 0.5f), Paint(Intersect(Circle(CX, CY + 0.3f, 3.2f), Box(0, 0, W, 6)), White),
                   Paint(Ellipse(CX, CY - 0.2f, 1.4f, 1.8f), Brown)})},
      {"my", Join({Alternating(Red, White, 15), Rect(0, 0, 13, 8, Navy), Crescent(Yellow, 5, 4, 2.8f, 0.9f, 0, 2.3f),
                   Star(Yellow, 8.8f, 4, 2.1f, 14, 0.45f)})},
      {"mz", Join({HBands({Green, White, Black, White, Yellow}, {4, 1, 5, 1, 4}), HoistTriangle(Red, 10), Star(Yellow, 4, CY, 2.6f),
                   Paint(Union(Segment({2.5f, 9}, {5.5f, 6}, 0.35f), Segment({2.5f, 6}, {5.5f, 9}, 0.35f)), Black)})},

      {"na", Join({Diagonal(Blue, Green, White, Red, 3.3f, 2.4f), Star(Gold, 5, 4, 2.5f, 12, 0.55f), Disc(Gold, 5, 4, 1.4f)})},
      {"ne", Join({H3(Orange, White, Green), Disc(Orange, CX, CY, 2)})},
      {"nf", Join({VBands({Green, White, Green}, {7, 10, 7}), Triangle(Green, {CX, 2}, {CX + 2.8f, 12}, {CX - 2.8f, 12}),
                   Rect(CX - 0.5f, 11, CX + 0.5f, 13.5f, Green)})},
      {"ng", V3(Green, White, Green)},
      {"ni", Join({H3(Blue, White, Blue), Paint(Outline(Polygon({{CX, CY - 2}, {CX + 2.2f, CY + 1.8f}, {CX - 2.2f, CY + 1.8f}}), 0.4f), Rgb8(60, 160, 80)),
                   Ring(Gold, CX, CY, 2.8f, 0.25f)})},
      {"no", Nordic(Red, White, Navy)},
      {"np", Join({Silhouette(Polygon({{6.5f, 0}, {18, 7.2f}, {11, 7.2f}, {18, H}, {6.5f, H}})), Field(Navy),
                   Paint(Grow(Polygon({{6.5f, 0}, {18, 7.2f}, {11, 7.2f}, {18, H}, {6.5f, H}}), -1.3f), Crimson),
                   Crescent(White, 9.7f, 4.6f, 1.9f, 0, -1.0f, 1.6f), Disc(White, 9.7f, 5.2f, 0.9f), Star(White, 10.1f, 10.8f, 2, 12, 0.55f)})},
      {"nr", Join({HBands({Navy, Yellow, Navy}, {7, 1, 7}), Star(White, 6, 10.8f, 2.2f, 12, 0.5f)})},
      {"nu", Join({Field(Yellow), UnionFlag(0, 0, 13, 7), Disc(Navy, 6.5f, 3.5f, 1.3f), Star(Yellow, 6.5f, 3.5f, 1)})},
      {"nz", Join({Ensign(Navy), Stars(White, {{18.5f, 12.2f}, {18.5f, 3.2f}, {15.8f, 6.8f}, {21.3f, 6.2f}}, 1.8f),
                   Stars(Red, {{18.5f, 12.2f}, {18.5f, 3.2f}, {15.8f, 6.8f}, {21.3f, 6.2f}}, 1.1f)})},
      {"om", Join({H3(White, Red, Green), Rect(0, 0, 7, H, Red),
                   Paint(Union(Segment({1.8f, 1.8f}, {5.2f, 5}, 0.4f), Segment({5.2f, 1.8f}, {1.8f, 5}, 0.4f)), White),
                   Disc(White, 3.5f, 3.2f, 0.9f)})},

      {"pa", Join({Field(White), Rect(CX, 0, W, CY, Red), Rect(0, CY, CX, H, Blue), Star(Blue, 6, 3.75f, 2.1f),
                   Star(Red, 18, 11.25f, 2.1f)})},
      {"pe", V3(Red, White, Red)},
      {"pf", Join({HBands({Red, White, Red}, {1, 2, 1}), Paint(Intersect(Circle(CX, CY, 3), Box(0, 0, W, CY + 0.3f)), Gold),
                   Paint(Intersect(Circle(CX, CY, 3), Box(0, CY + 0.3f, W, H)), Blue),
                   Rect(CX - 1.6f, CY + 0.9f, CX + 1.6f, CY + 1.5f, White), Rect(CX - 1.2f, CY + 2, CX + 1.2f, CY + 2.6f, White)})},
      {"pg", Join({Field(Red), Triangle(Black, {0, 0}, {W, H}, {0, H}),
                   Stars(White, {{5, 6.8f}, {2.8f, 9.8f}, {7.2f, 10.2f}, {5, 12.8f}}, 1.4f),
                   Paint(Union(Ellipse(17.5f, 4.5f, 2.5f, 1.2f), Polyline({{15, 4.5f}, {12.5f, 6}, {13, 7.2f}}, 0.45f)), Yellow)})},
      {"ph", Join({HBands({Blue, Red}), Triangle(White, {0, 0}, {13, CY}, {0, H}), Star(Gold, 4.4f, CY, 2, 8, 0.5f),
                   Stars(Gold, {{1.8f, 2.2f}, {1.8f, 12.8f}, {10.3f, CY}}, 0.9f)})},
      {"pk", Join({Field(DarkGreen), Rect(0, 0, 6, H, White), Crescent(White, 15, CY, 4, 1.4f, -1.1f, 3.4f),
                   Star(White, 17.1f, 5.6f, 1.5f, 5, 0.4f, 0.4f)})},
      {"pl", HBands({White, Red})},
      {"pn", Ensign(Navy, Join({Badge(Leaf, Azure, Yellow), Rect(18, 5.3f, 19, 8.5f, Yellow)}))},
      {"pr", Join({Alternating(Red, White, 5), HoistTriangle(Blue, 11), Star(White, 3.8f, CY, 2.4f)})},
      {"ps", Join({H3(Black, White, Green), HoistTriangle(Red, 11)})},
      {"pt", Join({VBands({DarkGreen, Red}, {2, 3}), Ring(Yellow, 10, CY, 3.3f, 0.7f), Shield(White, 10, CY, 3, 3.6f),
                   Shield(Red, 10, CY, 2, 2.5f)})},
      {"pw", Join({Field(Azure), Disc(Yellow, 11, CY, 4.5f)})},
      {"py", Join({H3(Red, White, Blue), Ring(DarkGreen, CX, CY, 1.9f, 0.4f), Disc(Gold, CX, CY, 0.8f)})},

      {"qa", Join({Field(Maroon), Poly(White, {{0, 0}, {6, 0}, {8.5f, 0.83f}, {6, 1.67f}, {8.5f, 2.5f}, {6, 3.33f}, {8.5f, 4.17f}, {6, 5},
                                               {8.5f, 5.83f}, {6, 6.67f}, {8.5f, 7.5f}, {6, 8.33f}, {8.5f, 9.17f}, {6, 10},
                                               {8.5f, 10.83f}, {6, 11.67f}, {8.5f, 12.5f}, {6, 13.33f}, {8.5f, 14.17f}, {6, H}, {0, H}})})},
      {"ro", V3(Blue, Yellow, Red)},
      {"ru", H3(White, Blue, Red)},
      {"rw", Join({HBands({Azure, Yellow, Green}, {2, 1, 1}), Star(Gold, 19.3f, 3.6f, 2.6f, 16, 0.55f), Disc(Gold, 19.3f, 3.6f, 1.3f)})},
      {"sa", Join({Field(DarkGreen),
                   Paint(Polyline({{6.5f, 6}, {8, 4}, {9, 6}, {10.5f, 4.5f}, {11.5f, 6}, {13, 3.8f}, {14, 6}, {15.5f, 4.3f}, {17, 6}}, 0.45f),
                         White),
                   Paint(Union(Segment({6.5f, 9.5f}, {17.5f, 9.5f}, 0.45f), Segment({16, 8.5f}, {16, 10.5f}, 0.45f)), White)})},
      {"sb", Join({Diagonal(Blue, Green, Yellow, Yellow, 1, 1),
                   Stars(White, {{3, 2.5f}, {7, 2.5f}, {5, 4.5f}, {3, 6.5f}, {7, 6.5f}}, 1.1f)})},
      {"sc", Join({Field(Green), Poly(Blue, {{0, H}, {0, 0}, {W / 3, 0}}), Poly(Yellow, {{0, H}, {W / 3, 0}, {2 * W / 3, 0}}),
                   Poly(Red, {{0, H}, {2 * W / 3, 0}, {W, 0}, {W, 5}}), Poly(White, {{0, H}, {W, 5}, {W, 10}})})},
      {"sd", Join({H3(Red, White, Black), HoistTriangle(Green, 9)})},
      {"se", Nordic(Blue, Yellow)},
      {"sg", Join({HBands({Red, White}), Crescent(White, 4.5f, 4, 2.8f, 1.1f, 0, 2.4f),
                   Stars(White, {{8, 2.4f}, {6.7f, 4.2f}, {9.3f, 4.2f}, {7.2f, 5.8f}, {8.8f, 5.8f}}, 0.7f)})},
      {"sh", Ensign(Navy, Join({Badge(Yellow, Sky, White), Rect(16, 9.6f, 21, 10.4f, White)}))},
      {"si", Join({H3(White, Blue, Red), Shield(Red, 6, 5.2f, 4.4f, 5.4f), Shield(Blue, 6, 5.2f, 3.3f, 4.3f),
                   Triangle(White, {3.8f, 6.5f}, {6, 3.6f}, {8.2f, 6.5f}), Star(Gold, 6, 3.6f, 0.55f)})},
      {"sj", Nordic(Red, White, Navy)},
      {"sk", Join({H3(White, Blue, Red), Shield(White, 8, CY, 6, 8.4f), Shield(Red, 8, CY, 4.6f, 7), Rect(7.4f, 4, 8.6f, 10, White),
                   Rect(6.2f, 5.3f, 9.8f, 6.2f, White), Rect(5.8f, 7.1f, 10.2f, 8, White),
                   Paint(Intersect(ShieldShape(8, CY, 4.6f, 7), Union(Circle(8, 12.6f, 2), Union(Circle(6, 13, 1.6f), Circle(10, 13, 1.6f)))), Blue)})},
      {"sl", H3(Green, White, Blue)},
      {"sm", Join({HBands({White, Sky}), Shield(Gold, CX, CY, 2.8f, 3.6f), Shield(Leaf, CX, CY + 0.3f, 1.6f, 2.2f)})},
      {"sn", Join({V3(Green, Yellow, Red), Star(Green, CX, CY, 2.4f)})},
      {"so", Join({Field(Azure), Star(White, CX, CY + 0.4f, 4.2f)})},
      {"sr", Join({HBands({Green, White, Red, White, Green}, {3, 1, 7, 1, 3}), Star(Yellow, CX, CY, 2.8f)})},
      {"st", Join({HBands({Green, Yellow, Green}, {2, 3, 2}), HoistTriangle(Red, 7), Stars(Black, {{12, CY}, {18, CY}}, 2)})},
      {"sv", Join({H3(Blue, White, Blue), Triangle(Gold, {CX, CY - 2}, {CX + 2, CY + 1.6f}, {CX - 2, CY + 1.6f}),
                   Ring(DarkGreen, CX, CY, 2.5f, 0.3f)})},
      {"sy", Join({H3(Red, White, Black), Stars(Green, {{8.8f, CY}, {15.2f, CY}}, 2)})},
      {"sz", Join({HBands({Blue, Yellow, Red, Yellow, Blue}, {2, 1, 9, 1, 2}), Rect(4.5f, CY - 0.4f, 19.5f, CY + 0.4f, Gold),
                   Paint(Intersect(Ellipse(CX, CY, 5, 2.6f), Box(0, 0, CX, H)), White),
                   Paint(Intersect(Ellipse(CX, CY, 5, 2.6f), Box(CX, 0, W, H)), Black),
                   Rect(CX + 1, CY - 0.5f, CX + 2, CY + 0.5f, White), Rect(CX - 2, CY - 0.5f, CX - 1, CY + 0.5f, Black)})},

      {"tc", Ensign(Navy, Join({Badge(Yellow, Yellow, White), Disc(Rgb8(230, 130, 80), 18.5f, 6.5f, 1.1f), Rect(18.1f, 8, 18.9f, 10, Leaf)}))},
      {"td", V3(Blue, Yellow, Red)},
      {"tg", Join({Alternating(Green, Yellow, 5), Rect(0, 0, 9, 9, Red), Star(White, 4.5f, 4.5f, 3)})},
      {"th", HBands({Red, White, Navy, White, Red}, {2, 3, 5, 3, 2})},
      {"tk", Join({Field(Navy), Paint(Polygon({{6, 10}, {20.5f, 10.5f}, {14.5f, 13}, {8, 12.6f}}), Yellow),
                   Paint(Polygon({{13.5f, 2}, {17.5f, 10.2f}, {16, 10.2f}}), Yellow),
                   Stars(White, {{4, 2.4f}, {6.5f, 4.4f}, {3, 6.4f}, {4.6f, 8.2f}}, 1.1f)})},
      {"tl", Join({Field(Red), HoistTriangle(Gold, W / 2), HoistTriangle(Black, W / 3), Star(White, 3, CY, 2, 5, 0.4f, 0.2f)})},
      {"tm", Join({Field(Green), Rect(3, 0, 8, H, Maroon),
                   [] {
                     Layers gul;
                     for (int i = 0; i < 4; ++i) {
                       const float y = 2 + i * 3.6f;
                       const Layers d = Poly(Orange, {{5.5f, y - 1.3f}, {7, y}, {5.5f, y + 1.3f}, {4, y}});
                       gul.insert(gul.end(), d.begin(), d.end());
                     }
                     return gul;
                   }(),
                   Crescent(White, 11.5f, 4, 2.4f, 0.9f, 0, 2), Stars(White, {{14.5f, 2}, {15, 4.3f}, {14.5f, 6.5f}}, 0.75f)})},
      {"tn", Join({Field(Red), Disc(White, CX, CY, 4), Crescent(Red, CX - 0.2f, CY, 2.8f, 0.9f, 0, 2.3f),
                   Star(Red, CX + 1.4f, CY, 1.5f, 5, 0.4f, 0.3f)})},
      {"to", Join({Field(Red), Rect(0, 0, 10, 7, White), Plus(Red, 5, 3.5f, 2, 6)})},
      {"tr", Join({Field(Red), Crescent(White, 9.2f, CY, 3.8f, 1.0f, 0, 3.05f), Star(White, 13.4f, CY, 1.8f, 5, 0.4f, 0.3f)})},
      {"tt", Join({Field(Red), Band(White, {-2, -1.2f}, {W + 2, H + 1.2f}, 3.4f), Band(Black, {-2, -1.2f}, {W + 2, H + 1.2f}, 2.4f)})},
      {"tv", Ensign(Sky, Stars(Yellow, {{15, 3}, {18.5f, 5}, {21.8f, 2.5f}, {16.5f, 8.5f}, {20.5f, 8.5f}, {15.5f, 12}, {19, 12}, {22.3f, 11}, {22.3f, 6.5f}},
                               1.35f))},
      {"tw", Join({Field(Red), Rect(0, 0, 13, 8, Blue), Star(White, 6.5f, 4, 3, 12, 0.6f), Disc(Blue, 6.5f, 4, 1.8f), Disc(White, 6.5f, 4, 1.4f)})},
      {"tz", Diagonal(Green, Azure, Yellow, Black, 3.1f, 2.2f)},

      {"ua", HBands({Blue, Yellow})},
      {"ug", Join({HBands({Black, Yellow, Red, Black, Yellow, Red}), Disc(White, CX, CY, 3.2f),
                   Paint(Union(Ellipse(CX, CY + 0.2f, 1, 1.9f), Circle(CX + 0.3f, CY - 1.6f, 0.8f)), Grey),
                   Disc(Red, CX + 0.5f, CY - 2.1f, 0.5f)})},
      {"uk", UnionFlag(0, 0, W, H)},
      {"us", Join({Alternating(Red, White, 15), Rect(0, 0, 11, 8, Navy), Sprinkle(White, 1, 1, 10, 7)})},
      {"uy", Join({Alternating(White, Blue, 9), Rect(0, 0, 8, 8, White), Star(Gold, 4, 4, 3, 16, 0.6f), Disc(Gold, 4, 4, 1.6f)})},
      {"uz", Join({HBands({Azure, Red, White, Red, Green}, {4, 1, 5, 1, 4}), Crescent(White, 4, 2.4f, 1.6f, 0.7f, 0, 1.3f),
                   Sprinkle(White, 7, 1, 12, 4)})},
      {"va", Join({VBands({Gold, White}), Paint(Union(Segment({15, 4}, {21, 11}, 0.55f), Segment({21, 4}, {15, 11}, 0.55f)), Gold),
                   Paint(Union(Ellipse(18, 5, 1.6f, 1.2f), Box(17.5f, 3, 18.5f, 4)), Grey)})},
      {"vc", Join({VBands({Blue, Yellow, Green}, {1, 2, 1}),
                   [] {
                     Layers gems;
                     const Point at[] = {{9.3f, 5.3f}, {14.7f, 5.3f}, {CX, 9.7f}};
                     for (const Point& p : at) {
                       const Layers d = Poly(Green, {{p.x, p.y - 2.3f}, {p.x + 1.6f, p.y}, {p.x, p.y + 2.3f}, {p.x - 1.6f, p.y}});
                       gems.insert(gems.end(), d.begin(), d.end());
                     }
                     return gems;
                   }()})},
      {"ve", Join({H3(Yellow, Blue, Red), [] {
                     Layers arc;
                     for (int i = 0; i < 8; ++i) {
                       const float a = 3.1416f + 0.55f + i * (3.1416f - 1.1f) / 7;
                       const Layers d = Star(White, CX + 5 * std::cos(a), 10.6f + 5 * std::sin(a) * 0.9f, 0.85f);
                       arc.insert(arc.end(), d.begin(), d.end());
                     }
                     return arc;
                   }()})},
      {"vg", Ensign(Navy, Join({Badge(Green, Green, White), Rect(18, 5.5f, 19, 9.5f, White)}))},
      {"vi", Join({Field(White),
                   Figure(Gold, {{-1, -0.9f}, {-0.3f, -0.2f}, {0, -0.6f}, {0.3f, -0.2f}, {1, -0.9f}, {0.7f, 0.3f}, {0, 0.7f}, {-0.7f, 0.3f}},
                          CX, CY, 5.5f, 4),
                   Shield(Red, CX, CY + 0.6f, 2.2f, 2.8f), Rect(CX - 1.1f, CY - 0.8f, CX + 1.1f, CY, Blue)})},
      {"vn", Join({Field(Red), Star(Yellow, CX, CY + 0.4f, 4.8f)})},
      {"vu", Join({HBands({Red, Green}), Paint(Union(Polyline({{-1, -1}, {9, CY}, {W + 1, CY}}, 2.5f), Segment({-1, H + 1}, {9, CY}, 2.5f)), Black),
                   Paint(Union(Polyline({{-1, -1}, {9, CY}, {W + 1, CY}}, 0.5f), Segment({-1, H + 1}, {9, CY}, 0.6f)), Yellow),
                   Triangle(Black, {0, 2.5f}, {5.8f, CY}, {0, H - 2.5f}), Ring(Yellow, 2, CY, 1.6f, 0.35f)})},
      {"ws", Join({Field(Red), Rect(0, 0, 13, 8, Blue),
                   Stars(White, {{6.5f, 1.8f}, {4.2f, 3.8f}, {8.8f, 3.6f}, {6.5f, 6.2f}}, 1.05f), Star(White, 7.6f, 5, 0.6f)})},
      {"ye", H3(Red, White, Black)},
      {"yu", Join({H3(Blue, White, Red), Star(Gold, CX, CY + 0.3f, 3.3f), Star(Red, CX, CY + 0.3f, 2.4f)})},
      {"za", Join({HBands({Red, Blue}), Paint(Union(Polyline({{-1, -1}, {9, CY}, {W + 1, CY}}, 2.5f), Segment({-1, H + 1}, {9, CY}, 2.9f)), White),
                   Paint(Union(Polyline({{-1, -1}, {9, CY}, {W + 1, CY}}, 1.5f), Segment({-1, H + 1}, {9, CY}, 1.8f)), Green),
                   Triangle(Yellow, {0, 2.2f}, {6.4f, CY}, {0, H - 2.2f}), Triangle(Black, {0, 3.6f}, {4.8f, CY}, {0, H - 3.6f})})},
      {"zm", Join({Field(Green), VBands({Green, Red, Black, Orange}, {15, 3, 3, 3}, 6, H),
                   Figure(Orange, {{-1, -0.5f}, {0, 0.3f}, {1, -0.5f}, {0.3f, 0.6f}, {-0.3f, 0.6f}}, 19.5f, 3.5f, 3, 2.4f)})},
      {"zw", Join({HBands({Green, Yellow, Red, Black, Red, Yellow, Green}), Triangle(Black, {0, 0}, {11, CY}, {0, H}),
                   Triangle(White, {0, 1.3f}, {8.8f, CY}, {0, H - 1.3f}), Star(Red, 3.6f, CY, 2.2f),
                   Paint(Ellipse(3.6f, CY, 0.7f, 1.3f), Gold)})},
  };
}

}  // namespace

const std::vector<FlagRule>& FlagRules() {
  static const std::vector<FlagRule> rules = BuildRules();
  return rules;
}

}  // namespace flags
