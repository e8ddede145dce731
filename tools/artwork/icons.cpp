// The 34 built-in icons and the icons of the sample picture pack, all of one
// family (see icon_kit.h), each drawn on the 48 x 48 design grid.

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

#include "artwork_set.h"
#include "icon_kit.h"
#include "store/resource_table.h"

using namespace iconkit;

namespace {

using Draw = std::function<void(Icon&)>;

std::vector<Point> Wave(float x0, float x1, float y, float amplitude, float phase, int steps) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    const float t = float(i) / steps;
    points.push_back({x0 + (x1 - x0) * t, y + amplitude * std::sin(t * 6.2832f + phase)});
  }
  return points;
}

void Note(Icon& ic) {
  const Shape sheet = Subtract(Box(7, 7, 41, 41, 3), Polygon({{41.5f, 29}, {41.5f, 42}, {29, 42}}));
  ic.Body(sheet, kYellow);
  ic.Flat(Intersect(Grow(sheet, -0.8f), Box(0, 0, 48, 13)), Shade(kYellow, 0.12f));
  for (int i = 0; i < 3; ++i) {
    const float y = 19 + i * 6.5f;
    ic.Flat(Segment({13, y}, {i == 2 ? 25.0f : 35.0f, y}, 1.3f), Shade(kYellow, 0.42f));
  }
  ic.Detail(Grow(Polygon({{40.5f, 30}, {30, 40.5f}, {31, 31}}), 0.6f), Shade(kYellow, 0.18f));
}

void Pin(Icon& ic) {
  const Point c{24, 24};
  ic.Body(Rotate(Segment({24, 27}, {24, 44}, 1.5f), c, 40), kSteel);
  const Shape head = UnionOf({Box(16, 4, 32, 11, 3), Box(19.5f, 9, 28.5f, 22), Box(12, 20, 36, 28, 3)});
  ic.Body(Rotate(head, c, 40), kRed);
  ic.Flat(Rotate(Box(18, 6, 22, 9, 1.5f), c, 40), Shade(kRed, -0.5f), 0.8f);
}

void Star(Icon& ic) {
  const Shape star = Grow(Polygon(StarPoints({24, 25.5f}, 18, 7.6f, 5)), 1.8f);
  ic.Body(star, kGold);
  ic.Flat(Grow(Polygon(StarPoints({24, 25.5f}, 8, 3.4f, 5)), 0.6f), Shade(kGold, -0.35f), 0.7f);
}

Shape HeartShape(float cx, float cy, float k) {
  const Shape lobes = SmoothUnion(Circle(cx - 8 * k, cy - 6 * k, 9 * k), Circle(cx + 8 * k, cy - 6 * k, 9 * k), 4.5f * k);
  return Grow(SmoothUnion(lobes, Polygon({{cx - 15.6f * k, cy - 1.5f * k}, {cx + 15.6f * k, cy - 1.5f * k}, {cx, cy + 16 * k}}), 1.5f * k),
              0.5f * k);
}

void Heart(Icon& ic) {
  ic.Body(HeartShape(24, 25, 1.05f), Rgb8(236, 72, 96));
  ic.Flat(Rotate(Ellipse(14, 15, 4, 2.4f), {14, 15}, -40), Rgb8(255, 255, 255), 0.45f);
}

void Warning(Icon& ic) {
  ic.Body(Grow(Polygon({{24, 8.5f}, {41.5f, 38.5f}, {6.5f, 38.5f}}), 3), Rgb8(250, 190, 46));
  ic.Flat(Segment({24, 19}, {24, 28.5f}, 2.6f), kInk);
  ic.Flat(Circle(24, 34.5f, 2.6f), kInk);
}

void Info(Icon& ic) {
  ic.Body(Circle(24, 24, 20), kBlue);
  ic.Flat(Segment({24, 22}, {24, 34}, 3.6f), kPaper);
  ic.Flat(Circle(24, 13.5f, 3.6f), kPaper);
}

void Question(Icon& ic) {
  ic.Body(Union(Box(5, 6, 43, 36, 10), Grow(Polygon({{13, 30}, {24, 33}, {9, 43}}), 1)), kPurple);
  std::vector<Point> hook = ArcPoints({24, 16.5f}, 5.8f, 180, 400, 14);
  hook.push_back({24, 24.5f});
  ic.Flat(Polyline(hook, 2.7f), kPaper);
  ic.Flat(Circle(24, 30.5f, 2.8f), kPaper);
}

void Check(Icon& ic) { ic.Body(Polyline({{8, 25}, {19, 36}, {40, 12}}, 5.2f), kGreen); }

void Cross(Icon& ic) {
  ic.Body(Union(Segment({12, 12}, {36, 36}, 5), Segment({36, 12}, {12, 36}, 5)), kRed);
}

void Clock(Icon& ic) {
  ic.Body(Circle(24, 24, 20), kTeal);
  ic.Detail(Circle(24, 24, 16), kPaper);
  for (int i = 0; i < 12; ++i) {
    const float a = i * 30 * 3.14159265f / 180;
    const float r = i % 3 ? 0.9f : 1.4f;
    ic.Flat(Circle(24 + 12.6f * std::cos(a), 24 + 12.6f * std::sin(a), r), Shade(kSteel, 0.25f));
  }
  ic.Flat(Segment({24, 24}, {24, 13.5f}, 1.6f), kInk);
  ic.Flat(Segment({24, 24}, {31.5f, 28}, 1.6f), kInk);
  ic.Flat(Circle(24, 24, 2.3f), kRed);
}

void Bell(Icon& ic) {
  ic.Body(Circle(24, 40, 4), Shade(kGold, 0.2f));
  ic.Body(UnionOf({Circle(24, 19, 10.5f), Polygon({{13.5f, 19}, {34.5f, 19}, {38, 33}, {10, 33}}), Box(6.5f, 31, 41.5f, 37, 3),
                   Circle(24, 7.5f, 3)}),
          kGold);
  ic.Flat(Segment({17.5f, 17}, {16, 28}, 1.5f), Shade(kGold, -0.5f), 0.8f);
}

void Calendar(Icon& ic) {
  const Shape page = Box(6, 9, 42, 42, 4);
  ic.Body(page, kPaper);
  ic.Flat(Intersect(Grow(page, -1), Box(0, 0, 48, 19)), kRed);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) {
      const float x = 11.5f + col * 9, y = 23 + row * 8;
      ic.Flat(Box(x, y, x + 7, y + 5.5f, 1), row == 1 && col == 2 ? kRed : Shade(kSteel, 0.05f));
    }
  ic.Body(Segment({15, 5}, {15, 12}, 2.2f), kSlate);
  ic.Body(Segment({33, 5}, {33, 12}, 2.2f), kSlate);
}

void Phone(Icon& ic) {
  ic.Body(Box(12, 4, 36, 44, 5), kSlate);
  ic.Detail(Box(15, 9, 33, 36, 1.5f), kSky);
  ic.Flat(Intersect(Box(16, 10, 32, 35, 1), Rotate(Box(4, 12, 44, 17), {24, 22}, -35)), Rgb8(255, 255, 255), 0.25f);
  ic.Flat(Circle(24, 40, 1.9f), kSteel);
  ic.Flat(Segment({21, 6.5f}, {27, 6.5f}, 0.8f), kSteel);
}

void Mail(Icon& ic) {
  const Rgba envelope = Rgb8(236, 242, 250);
  ic.Body(Box(4, 11, 44, 38, 3), envelope);
  ic.Flat(Polyline({{6, 35.5f}, {19, 24}}, 1.1f), Shade(envelope, 0.22f));
  ic.Flat(Polyline({{42, 35.5f}, {29, 24}}, 1.1f), Shade(envelope, 0.22f));
  ic.Flat(Polyline({{6, 13.5f}, {24, 27.5f}, {42, 13.5f}}, 1.7f), kBlue);
}

void Home(Icon& ic) {
  ic.Body(Box(31, 8, 37, 20, 1), Shade(kRed, 0.1f));
  ic.Body(Box(10, 20, 38, 43, 1.5f), Rgb8(246, 236, 214));
  ic.Body(Grow(Polygon({{24, 6}, {43, 23}, {5, 23}}), 1.6f), kRed);
  ic.Detail(Box(19.5f, 29, 28.5f, 43, 1.5f), kBrown);
  ic.Flat(Circle(26.2f, 36.5f, 0.9f), Shade(kBrown, -0.6f));
}

void Briefcase(Icon& ic) {
  ic.Body(Subtract(Box(16, 6, 32, 17, 4), Box(20, 10, 28, 20, 1.5f)), Shade(kBrown, 0.15f));
  ic.Body(Box(4, 14, 44, 41, 4), kBrown);
  ic.Flat(Segment({5, 25}, {43, 25}, 1.1f), Shade(kBrown, 0.3f));
  ic.Detail(Box(20.5f, 21, 27.5f, 29, 1.5f), kGold);
}

void Cart(Icon& ic) {
  ic.Body(Polyline({{3, 8.5f}, {9.5f, 8.5f}, {15, 31}, {38, 31}}, 2.3f), kSlate);
  ic.Body(Grow(Polygon({{12.5f, 14}, {43, 14}, {39, 27.5f}, {15.5f, 27.5f}}), 1.2f), kTeal);
  ic.Body(Circle(18, 39, 4.2f), kSlate);
  ic.Body(Circle(35, 39, 4.2f), kSlate);
}

void Gift(Icon& ic) {
  const Rgba box = Rgb8(230, 84, 120);
  ic.Body(Rotate(Ellipse(18, 10, 7, 4), {18, 10}, 25), kGold);
  ic.Body(Rotate(Ellipse(30, 10, 7, 4), {30, 10}, -25), kGold);
  ic.Body(Box(8, 21, 40, 43, 2), box);
  ic.Body(Box(5, 14, 43, 22, 2), Shade(box, -0.1f));
  ic.Flat(Box(21, 14.5f, 27, 42.5f), kGold);
  ic.Flat(Segment({8.5f, 22}, {39.5f, 22}, 0.7f), Shade(box, 0.3f));
  ic.Body(Circle(24, 13, 3.5f), Shade(kGold, 0.1f));
}

void Cake(Icon& ic) {
  const Rgba sponge = Rgb8(176, 112, 82), icing = Rgb8(248, 170, 196);
  ic.Body(Box(3, 40, 45, 45, 2.5f), Rgb8(224, 230, 238));
  ic.Body(Box(7, 22, 41, 42, 3), sponge);
  ic.Detail(UnionOf({Box(7, 21, 41, 28, 3), Circle(12, 28, 3), Circle(20.5f, 29.5f, 3), Circle(29, 28.5f, 3), Circle(37, 29.5f, 3)}), icing);
  ic.Flat(Segment({8, 35}, {40, 35}, 0.9f), Shade(sponge, 0.25f));
  ic.Body(Box(22, 10, 26, 22, 1), kSky);
  ic.Flat(Segment({22.5f, 14}, {25.5f, 12}, 0.7f), kPaper);
  ic.Flat(Segment({22.5f, 18.5f}, {25.5f, 16.5f}, 0.7f), kPaper);
  ic.Body(Grow(Union(Circle(24, 6.5f, 2.4f), Polygon({{21.7f, 6.2f}, {26.3f, 6.2f}, {24, 1.5f}})), 0.3f), kOrange);
}

void Coffee(Icon& ic) {
  const Rgba mug = kCoral;
  ic.Body(Subtract(Circle(34, 27, 8.5f), Circle(34, 27, 4)), Shade(mug, 0.1f));
  ic.Body(Box(4, 39, 42, 44, 2.5f), Shade(mug, 0.05f));
  ic.Body(Box(8, 17, 34, 41, 5), mug);
  ic.Flat(Box(10, 18.5f, 32, 21.5f, 1.5f), Rgb8(110, 66, 40));
  for (int i = 0; i < 2; ++i) {
    const float x = 16 + i * 10;
    ic.Flat(Polyline({{x, 14}, {x - 2.2f, 10.5f}, {x, 7}, {x - 2.2f, 3.5f}}, 1.6f), kSteel);
  }
}

void Bulb(Icon& ic) {
  ic.Body(Box(18, 33, 30, 43, 2), kSteel);
  ic.Flat(Segment({18.5f, 37}, {29.5f, 37}, 0.8f), Shade(kSteel, 0.35f));
  ic.Flat(Segment({18.5f, 40}, {29.5f, 40}, 0.8f), Shade(kSteel, 0.35f));
  ic.Body(Grow(Union(Circle(24, 18, 13), Polygon({{14.5f, 25}, {33.5f, 25}, {29, 34}, {19, 34}})), 0.5f), kYellow);
  ic.Flat(Polyline({{20.5f, 33}, {20.5f, 24}, {22.5f, 21}, {24, 24}, {25.5f, 21}, {27.5f, 24}, {27.5f, 33}}, 0.9f), Shade(kOrange, 0.15f));
  ic.Flat(Polyline(ArcPoints({24, 18}, 8.5f, 195, 250, 8), 1.6f), Rgb8(255, 255, 255), 0.7f);
}

void Key(Icon& ic) {
  const Shape key = UnionOf({Subtract(Circle(14, 24, 10), Circle(12.5f, 24, 3.5f)), Box(22, 21, 44, 27, 1.5f), Box(34, 26, 38, 33, 1),
                             Box(39.5f, 26, 43.5f, 31, 1)});
  ic.Body(Rotate(key, {24, 24}, -35), kGold);
}

void Lock(Icon& ic) {
  ic.Body(Subtract(Box(12.5f, 4, 35.5f, 30, 11.5f), Box(17.5f, 9, 30.5f, 32, 6.5f)), kSteel);
  ic.Body(Box(8, 20, 40, 44, 4), kGold);
  ic.Flat(Union(Circle(24, 29.5f, 3.6f), Polygon({{22.2f, 30}, {25.8f, 30}, {27, 38}, {21, 38}})), Shade(kGold, 0.6f));
}

void Flag(Icon& ic) {
  std::vector<Point> cloth = Wave(11, 42, 9.5f, 2.2f, 0, 12);
  const std::vector<Point> bottom = Wave(11, 42, 28.5f, 2.2f, 0, 12);
  for (auto it = bottom.rbegin(); it != bottom.rend(); ++it) cloth.push_back(*it);
  ic.Body(Polygon(cloth), kGreen);
  ic.Body(Union(Segment({9.5f, 7}, {9.5f, 44}, 1.9f), Circle(9.5f, 5.5f, 2.8f)), kSlate);
}

void Music(Icon& ic) {
  const Rgba c = kIndigo;
  const Shape notes = UnionOf({Rotate(Ellipse(14, 37, 6.2f, 4.6f), {14, 37}, -22), Rotate(Ellipse(34, 33, 6.2f, 4.6f), {34, 33}, -22),
                               Box(17, 10, 21, 37), Box(37, 6, 41, 33), Polygon({{17, 9.5f}, {41, 4}, {41, 11}, {17, 16.5f}})});
  ic.Body(notes, c);
}

void Camera(Icon& ic) {
  ic.Body(Union(Box(4, 13, 44, 40, 4), Box(15, 8, 29, 16, 2.5f)), kSlate);
  ic.Detail(Circle(24, 26.5f, 10), kSteel);
  ic.Detail(Circle(24, 26.5f, 6.3f), Rgb8(40, 70, 120));
  ic.Flat(Circle(21.5f, 24, 2), Rgb8(255, 255, 255), 0.7f);
  ic.Flat(Box(35, 17, 40.5f, 21, 1), kYellow);
}

void Book(Icon& ic) {
  const Rgba cover = Rgb8(60, 112, 196);
  ic.Body(Box(12, 7, 41, 44, 2.5f), kPaper);
  ic.Flat(Segment({14, 41.5f}, {39, 41.5f}, 0.6f), Shade(kPaper, 0.2f));
  ic.Flat(Segment({38.5f, 9}, {38.5f, 42}, 0.6f), Shade(kPaper, 0.2f));
  ic.Body(Box(7, 4, 37, 41, 3), cover);
  ic.Flat(Box(8, 5, 13, 40), Shade(cover, 0.22f));
  ic.Detail(Box(17, 11, 32, 18, 1), kPaper);
}

void Pen(Icon& ic) {
  const Point c{24, 24};
  const Rgba barrel = Rgb8(40, 78, 150);
  ic.Body(Rotate(Box(19, 1.5f, 29, 30, 4), c, 45), barrel);
  ic.Body(Rotate(Box(19.8f, 29, 28.2f, 35), c, 45), kSteel);
  ic.Body(Rotate(Grow(Polygon({{20.5f, 35}, {27.5f, 35}, {24, 45}}), 0.6f), c, 45), kGold);
  ic.Flat(Rotate(Segment({24, 38}, {24, 42.5f}, 0.5f), c, 45), Shade(kGold, 0.5f));
  ic.Flat(Rotate(Box(22.7f, 4, 24.2f, 22, 0.7f), c, 45), Shade(barrel, -0.45f), 0.8f);
}

void Money(Icon& ic) {
  const Rgba note = Rgb8(96, 176, 108);
  const Shape bill = Rotate(Box(3, 10, 43, 32, 3), {23, 21}, -8);
  ic.Body(bill, note);
  ic.Flat(Rotate(Outline(Box(6.5f, 13.5f, 39.5f, 28.5f, 2), 0.7f), {23, 21}, -8), Shade(note, -0.4f));
  ic.Flat(Rotate(Circle(23, 21, 5), {23, 21}, -8), Shade(note, -0.35f));
  ic.Body(Circle(35, 34, 9.5f), kGold);
  ic.Flat(Outline(Circle(35, 34, 6.5f), 0.8f), Shade(kGold, 0.25f));
}

void Car(Icon& ic) {
  const Rgba paint = Rgb8(226, 86, 76);
  ic.Body(Union(Box(3, 22, 45, 36, 5), Grow(Polygon({{12, 23}, {17, 12}, {32, 12}, {38, 23}}), 1.5f)), paint);
  ic.Flat(Grow(Polygon({{15.5f, 22}, {18.8f, 15}, {23, 15}, {23, 22}}), 0.6f), kSky);
  ic.Flat(Grow(Polygon({{25.5f, 15}, {30.5f, 15}, {34, 22}, {25.5f, 22}}), 0.6f), kSky);
  ic.Flat(Box(40, 25, 44, 28, 1), kYellow);
  ic.Body(Circle(13.5f, 36, 5.8f), kSlate);
  ic.Body(Circle(34.5f, 36, 5.8f), kSlate);
  ic.Flat(Circle(13.5f, 36, 2.2f), kSteel);
  ic.Flat(Circle(34.5f, 36, 2.2f), kSteel);
}

void Plane(Icon& ic) {
  const Shape plane = UnionOf({Box(21, 3, 27, 44, 3), Grow(Polygon({{24, 16}, {44, 28}, {44, 32}, {24, 26}, {4, 32}, {4, 28}}), 0.8f),
                               Grow(Polygon({{24, 36}, {32, 41}, {32, 43.5f}, {24, 41.5f}, {16, 43.5f}, {16, 41}}), 0.6f)});
  ic.Body(Rotate(plane, {24, 24}, 45), kSky);
}

void Sun(Icon& ic) {
  for (int i = 0; i < 8; ++i) {
    const float a = i * 45 * 3.14159265f / 180;
    const float cx = 24 + 17.5f * std::cos(a), cy = 24 + 17.5f * std::sin(a);
    const float ex = 24 + 13 * std::cos(a), ey = 24 + 13 * std::sin(a);
    ic.Body(Segment({ex, ey}, {cx, cy}, 2.4f), kOrange);
  }
  ic.Body(Circle(24, 24, 10), kGold);
}

void Moon(Icon& ic) {
  ic.Body(Subtract(Circle(22, 25, 18), Circle(31, 17, 14.5f)), Rgb8(244, 214, 112));
  ic.Body(Grow(Polygon(StarPoints({36, 12}, 5.5f, 2, 4, -90)), 0.5f), Rgb8(244, 214, 112));
}

void Cloud(Icon& ic) {
  const Shape cloud = UnionOf({Circle(15, 29, 8.5f), Circle(26, 21, 11.5f), Circle(35, 28, 8.5f), Box(7, 26, 42, 37.5f, 5.5f)});
  ic.Body(cloud, Rgb8(222, 234, 248));
  ic.Flat(Polyline(ArcPoints({26, 21}, 8, 200, 265, 8), 1.2f), Rgb8(255, 255, 255), 0.9f);
}

// --- The sample pack -------------------------------------------------------

void Rocket(Icon& ic) {
  const Point c{24, 24};
  ic.Body(Rotate(Grow(Polygon({{19, 37}, {29, 37}, {24, 47}}), 1), c, 45), kOrange);
  ic.Body(Rotate(Grow(Polygon({{17, 26}, {10, 36}, {10, 40}, {18, 36}}), 1), c, 45), kRed);
  ic.Body(Rotate(Grow(Polygon({{31, 26}, {38, 36}, {38, 40}, {30, 36}}), 1), c, 45), kRed);
  ic.Body(Rotate(Union(Ellipse(24, 21, 7.5f, 17), Box(17.5f, 22, 30.5f, 38, 3)), c, 45), Rgb8(236, 240, 246));
  ic.Detail(Rotate(Circle(24, 19, 4.2f), c, 45), kBlue);
}

void LeafIcon(Icon& ic) {
  const Point c{24, 24};
  ic.Body(Rotate(Segment({24, 36}, {24, 46}, 1.6f), c, 45), Shade(kLeaf, 0.25f));
  ic.Body(Rotate(Intersect(Circle(36, 22, 20), Circle(12, 22, 20)), c, 45), kLeaf);
  ic.Flat(Rotate(Segment({24, 8}, {24, 37}, 1), c, 45), Shade(kLeaf, 0.3f));
  for (int i = 0; i < 3; ++i) {
    const float y = 15 + i * 7;
    ic.Flat(Rotate(Segment({24, y + 5}, {18.5f, y}, 0.8f), c, 45), Shade(kLeaf, 0.3f));
    ic.Flat(Rotate(Segment({24, y + 5}, {29.5f, y}, 0.8f), c, 45), Shade(kLeaf, 0.3f));
  }
}

void Trophy(Icon& ic) {
  ic.Body(Subtract(Circle(12, 16, 7), Circle(12, 16, 3.5f)), Shade(kGold, 0.08f));
  ic.Body(Subtract(Circle(36, 16, 7), Circle(36, 16, 3.5f)), Shade(kGold, 0.08f));
  ic.Body(Box(14, 39, 34, 44, 1.5f), kBrown);
  ic.Body(Box(21, 27, 27, 40), kGold);
  ic.Body(Union(Intersect(Circle(24, 10, 17), Box(0, 8, 48, 48)), Box(11, 5, 37, 10, 1)), kGold);
  ic.Flat(Grow(Polygon(StarPoints({24, 15}, 5.5f, 2.3f, 5)), 0.3f), Shade(kGold, -0.5f));
}

void Paw(Icon& ic) {
  const Rgba c = kBrown;
  ic.Body(Grow(Union(Ellipse(24, 32, 10, 8.5f), Polygon({{15, 34}, {33, 34}, {24, 42}})), 1.5f), c);
  ic.Body(Rotate(Ellipse(9, 21, 4.2f, 5.5f), {9, 21}, -20), c);
  ic.Body(Rotate(Ellipse(18, 11, 4.5f, 6), {18, 11}, -8), c);
  ic.Body(Rotate(Ellipse(30, 11, 4.5f, 6), {30, 11}, 8), c);
  ic.Body(Rotate(Ellipse(39, 21, 4.2f, 5.5f), {39, 21}, 20), c);
}

void Umbrella(Icon& ic) {
  ic.Body(Polyline({{24, 20}, {24, 39}, {24.5f, 41.5f}, {27, 43.5f}, {29.5f, 43}, {31, 40}}, 1.8f), kSlate);
  std::vector<Point> canopy = ArcPoints({24, 24}, 20, 180, 360, 24);
  for (int i = 4; i >= 0; --i) {
    const float x0 = 4 + i * 8;
    const std::vector<Point> scallop = ArcPoints({x0 + 4, 24}, 4, 0, -180, 6);
    canopy.insert(canopy.end(), scallop.begin(), scallop.end());
  }
  ic.Body(Polygon(canopy), kPurple);
  ic.Flat(Polyline({{24, 4.5f}, {24, 20}}, 0.7f), Shade(kPurple, 0.3f));
  ic.Flat(Polyline({{24, 4.5f}, {17, 10}, {16, 20}}, 0.7f), Shade(kPurple, 0.3f));
  ic.Flat(Polyline({{24, 4.5f}, {31, 10}, {32, 20}}, 0.7f), Shade(kPurple, 0.3f));
  ic.Body(Circle(24, 3.5f, 1.8f), kSlate);
}

void Puzzle(Icon& ic) {
  const Shape knobs = UnionOf({Box(8, 14, 36, 42, 2.5f), Circle(22, 9, 5.5f), Box(19, 9, 25, 15), Circle(41, 28, 5.5f), Box(35, 25, 41, 31)});
  const Shape piece = Subtract(knobs, Union(Circle(7, 28, 5.5f), Circle(22, 43.5f, 5.5f)));
  ic.Body(piece, kTeal);
}

void Bicycle(Icon& ic) {
  const Rgba frame = kRed;
  ic.Body(Outline(Circle(11.5f, 32, 8.5f), 1.8f), kSlate);
  ic.Body(Outline(Circle(36.5f, 32, 8.5f), 1.8f), kSlate);
  ic.Body(Polyline({{11.5f, 32}, {19, 18}, {33, 18}, {36.5f, 32}}, 1.8f), frame);
  ic.Body(Polyline({{11.5f, 32}, {23, 32}, {33, 18}}, 1.8f), frame);
  ic.Body(Polyline({{23, 32}, {17.5f, 13.5f}}, 1.6f), frame);
  ic.Body(Segment({14.5f, 12.5f}, {21.5f, 12.5f}, 1.8f), kSlate);
  ic.Body(Polyline({{33, 18}, {31.5f, 11}, {36, 10}}, 1.6f), kSlate);
  ic.Flat(Circle(23, 32, 2.2f), kSlate);
}

void Globe(Icon& ic) {
  ic.Body(Circle(24, 24, 19.5f), kSky);
  const Shape inside = Circle(24, 24, 18.5f);
  const Rgba land = kLeaf;
  ic.Flat(Intersect(inside, Grow(Polygon({{10, 14}, {20, 9}, {25, 14}, {21, 21}, {24, 27}, {19, 35}, {15, 28}, {9, 24}}), 1)), land);
  ic.Flat(Intersect(inside, Grow(Polygon({{29, 20}, {39, 16}, {44, 26}, {36, 36}, {31, 31}}), 1)), land);
  ic.Flat(Intersect(inside, Outline(Ellipse(24, 24, 8.5f, 19), 0.5f)), Rgb8(255, 255, 255), 0.55f);
  ic.Flat(Intersect(inside, Segment({4, 24}, {44, 24}, 0.5f)), Rgb8(255, 255, 255), 0.55f);
}

Image Make(int width, int height, const Draw& draw) {
  Icon icon(width, height);
  draw(icon);
  return icon.Render();
}

}  // namespace

void DrawIcons(ArtworkSet& set) {
  // Icon n + 1 is "BITMAP_n"; the first is the sample of the style previews.
  const Draw draws[kBuiltInIconCount] = {Note,   Pin,  Star, Heart,     Warning, Info,   Question, Check, Cross, Clock, Bell,  Calendar,
                                         Phone,  Mail, Home, Briefcase, Cart,    Gift,   Cake,     Coffee, Bulb, Key,   Lock,  Flag,
                                         Music,  Camera, Book, Pen,     Money,   Car,    Plane,    Sun,   Moon,  Cloud};
  for (int i = 0; i < kBuiltInIconCount; ++i) {
    const std::string name = "BITMAP_" + std::to_string(i);
    const ResourceEntry* entry = nullptr;
    for (const ResourceEntry& s : ResourceTable())
      if (name == s.name) entry = &s;
    if (!entry) throw std::runtime_error("no table entry for " + name);
    const PictureSize size = ScaledPictureSize(*entry, set.Dpi());
    set.Add(name, Make(size.width, size.height, draws[i]));
  }
}

std::map<int, Image> DrawSamplePackIcons() {
  struct Entry {
    int number, size;
    Draw draw;
  };
  const Entry entries[] = {{101, 48, Rocket}, {102, 32, LeafIcon}, {103, 48, Trophy},  {104, 32, Paw},
                           {105, 48, Umbrella}, {106, 32, Puzzle}, {107, 48, Bicycle}, {108, 32, Globe}};
  std::map<int, Image> icons;
  for (const Entry& e : entries) icons.emplace(e.number, Make(e.size, e.size, e.draw));
  return icons;
}
