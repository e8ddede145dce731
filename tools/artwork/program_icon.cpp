// The program's icon: the yellow note of the icon family with a blue quill
// lying across it, its nib writing the last line. Each size of the icon file
// is drawn for its size: the smallest ones pixel by pixel, the others from
// shapes whose straight edges sit on whole pixels, with more detail (barbs,
// a nib slit, a soft shadow) only where there is room for it. A dark rim runs
// round the whole silhouette so the icon stands out on a light task bar as
// well as on a dark one.

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "artwork_set.h"
#include "icon_kit.h"

using namespace iconkit;

namespace {

constexpr float kPi = 3.14159265358979f;

// The palette of the icon.
constexpr Rgba kNoteRim = Rgb8(92, 62, 14);
constexpr Rgba kNoteTop = Rgb8(254, 226, 130);
constexpr Rgba kNoteBottom = kYellow;
constexpr Rgba kBand = Rgb8(240, 190, 52);
constexpr Rgba kRule = Rgb8(196, 150, 44);
constexpr Rgba kFold = Rgb8(226, 178, 50);
constexpr Rgba kQuillRim = Rgb8(22, 38, 86);
constexpr Rgba kVaneLight = Rgb8(128, 194, 246);
constexpr Rgba kVaneDark = Rgb8(52, 118, 212);
constexpr Rgba kShaft = Rgb8(236, 244, 252);
constexpr Rgba kTube = Rgb8(250, 246, 232);
constexpr Rgba kNib = Rgb8(44, 48, 60);
constexpr Rgba kInkLine = Rgb8(30, 56, 130);

// ---------------------------------------------------------------------------
// Pixel maps of the smallest sizes, one character a pixel.
//
//   .  transparent        K  rim of the note     Y  note      y  note, lighter top
//   b  band under the top l  ruled line          f  folded corner
//   Q  rim of the quill   B  vane, dark side     s  vane, light side
//   w  shaft and tube     n  nib                 i  written ink

Rgba MapColour(char c) {
  switch (c) {
    case 'K': return kNoteRim;
    case 'Y': return kNoteBottom;
    case 'y': return kNoteTop;
    case 'b': return kBand;
    case 'l': return kRule;
    case 'f': return kFold;
    case 'Q': return kQuillRim;
    case 'B': return kVaneDark;
    case 's': return kVaneLight;
    case 'w': return kShaft;
    case 'n': return kNib;
    case 'i': return kInkLine;
    case '.': return {};
  }
  throw std::runtime_error(std::string("unknown colour in the icon's pixel map: ") + c);
}

Image FromPixelMap(const std::vector<std::string>& rows) {
  const int size = static_cast<int>(rows.size());
  Image image(size, size);
  for (int y = 0; y < size; ++y) {
    if (static_cast<int>(rows[static_cast<std::size_t>(y)].size()) != size)
      throw std::runtime_error("a row of the icon's pixel map has the wrong length");
    for (int x = 0; x < size; ++x) image.At(x, y) = MapColour(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
  }
  return image;
}

// ---------------------------------------------------------------------------
// The drawn sizes, on a 64-unit design grid.

// Draws a part with a rim of `rim` pixels inside its edge.
void Part(Image& im, const Shape& s, Rgba rimColour, const Paint& fill, float rim) {
  Fill(im, s, Solid(rimColour));
  Fill(im, Grow(s, -rim), fill);
}

Image Drawn(int size) {
  Image im(size, size);
  const float k = size / 64.0f;
  const bool large = size >= 64, huge = size >= 128;
  const float rim = size >= 256 ? 5.0f : size >= 64 ? 2.0f : 1.0f;
  const auto px = [k](float units) { return std::round(units * k); };

  // The note, its edges on whole pixels.
  const float x0 = px(3), y0 = px(12), x1 = px(50), y1 = px(61);
  const float fold = px(14);
  const float radius = std::max(1.0f, 3 * k);
  const Shape corner = Polygon({{x1 + 1, y1 - fold}, {x1 + 1, y1 + 1}, {x1 - fold, y1 + 1}});
  const Shape note = Subtract(Box(x0, y0, x1, y1, radius), corner);

  // The quill: nib on the last line, vane out past the note's top right corner.
  const Point nib{px(25) + 0.5f, px(50) + 0.5f}, end{size - std::max(1.0f, 2 * k), std::max(1.0f, 2 * k)};
  const float dx = end.x - nib.x, dy = end.y - nib.y, length = std::hypot(dx, dy);
  const float ux = dx / length, uy = dy / length;  // along the quill, toward the vane
  const float vx = -uy, vy = ux;                   // across it
  const auto at = [&](float u, float v) { return Point{nib.x + ux * u + vx * v, nib.y + uy * u + vy * v}; };

  // The vane: a long leaf, wider on its upper side, from 30 % of the length on.
  const float vaneStart = 0.30f * length, vaneLength = length - vaneStart;
  const float wideSide = 7.6f * k + 0.6f, narrowSide = 5.2f * k + 0.4f;
  const auto profile = [](float t) { return std::pow(std::max(0.0f, std::sin(kPi * std::pow(t, 0.75f))), 0.7f); };
  std::vector<Point> outline;
  constexpr int kSteps = 40;
  for (int i = 0; i <= kSteps; ++i) {
    const float t = float(i) / kSteps;
    outline.push_back(at(vaneStart + t * vaneLength, -wideSide * profile(t)));
  }
  for (int i = kSteps - 1; i > 0; --i) {
    const float t = float(i) / kSteps;
    outline.push_back(at(vaneStart + t * vaneLength, narrowSide * profile(t)));
  }
  Shape vane = Polygon(outline);
  if (huge) {
    // Splits between the barbs, cut in from either edge.
    for (const auto& [u, side] : std::vector<std::pair<float, float>>{{0.52f, -1}, {0.70f, -1}, {0.60f, 1}, {0.80f, 1}}) {
      const float uu = vaneStart + u * vaneLength, reach = side < 0 ? wideSide : narrowSide;
      const Point inner = at(uu, side * reach * 0.45f);
      const Point mouth0 = at(uu + 0.07f * vaneLength, side * reach * 1.4f), mouth1 = at(uu + 0.13f * vaneLength, side * reach * 1.4f);
      vane = Subtract(vane, Polygon({inner, mouth0, mouth1}));
    }
  }
  const Shape tube = Segment(at(0.10f * length, 0), at(vaneStart + 0.08f * length, 0), std::max(1.5f, 1.9f * k));
  const Shape nibShape = Polygon({at(0, 0), at(0.13f * length, -std::max(1.5f, 2.4f * k)), at(0.13f * length, std::max(1.5f, 2.4f * k))});
  const Shape quill = UnionOf({vane, tube, Grow(nibShape, 0.3f)});

  // A soft shadow where there is room for one.
  if (huge) DropShadow(im, Union(note, quill), 2.2f * k, 0.38f, 0, 1.2f * k);

  Part(im, note, kNoteRim, VerticalGradient(y0, kNoteTop, y1, kNoteBottom), rim);
  const float inner0 = x0 + rim, inner1 = x1 - rim;
  Fill(im, Intersect(Grow(note, -rim), Box(inner0, y0 + rim, inner1, y0 + px(10))), Solid(kBand));
  // Two ruled lines, and on the third the quill's writing: joined loops
  // where there is room for them, a plain stroke where there is not.
  const float rule = std::max(1.0f, std::round(1.8f * k));
  for (const float ry : {px(30), px(39)}) Fill(im, Box(px(9), ry, px(42), ry + rule), Solid(kRule));
  if (large) {
    std::vector<Point> writing;
    const float left = px(9), span = nib.x - left, turns = huge ? 4.0f : 2.0f;
    const float step = span / (2 * kPi * turns);
    for (int i = 0; i <= 200; ++i) {
      const float a = 2 * kPi * turns * i / 200;
      writing.push_back({left + step * (a + 1.8f * std::sin(a)), nib.y - step * 1.5f * (1 - std::cos(a))});
    }
    Fill(im, Polyline(writing, std::max(0.6f, 0.55f * k)), Solid(kInkLine));
  } else {
    Fill(im, Box(px(9), nib.y - 0.5f, nib.x, nib.y + rule - 0.5f), Solid(kInkLine));
  }
  Part(im, Grow(Polygon({{x1 - rim * 0.5f, y1 - fold}, {x1 - fold, y1 - rim * 0.5f}, {x1 - fold, y1 - fold}}), rim * 0.5f), kNoteRim, Solid(kFold), rim);

  // The quill on top: vane, shaft, tube and nib.
  const Paint vanePaint = [=](float x, float y) {
    const float v = (x - nib.x) * vx + (y - nib.y) * vy;
    return v < 0 ? kVaneLight : kVaneDark;
  };
  Part(im, UnionOf({vane, tube}), kQuillRim, vanePaint, rim);
  Fill(im, Segment(at(vaneStart - 0.02f * length, 0), at(length - 0.06f * length, 0), std::max(0.45f, 0.7f * k)), Solid(kShaft));
  Part(im, tube, kQuillRim, Solid(kTube), rim);
  Part(im, Grow(nibShape, 0.3f), kQuillRim, Solid(kNib), rim);
  if (large) Fill(im, Segment(at(0.02f * length, 0), at(0.10f * length, 0), 0.35f * k), Solid(kTube));
  return im;
}

// The pixel maps of the sizes too small to draw from shapes: the same note,
// rim, band, rules and folded corner, and the quill at 45 degrees so that its
// edges step one pixel a row.
const std::map<int, std::vector<std::string>>& PixelMaps() {
  static const std::map<int, std::vector<std::string>> maps = {
      {16,
       {
           "..............QQ",
           "............QQsQ",
           "..........QQsswQ",
           "KKKKKKKKKQssswBQ",
           "KbbbbbbbQssswBBQ",
           "KyyyyyyQssswBBQ.",
           "KyyyyyyQsswBBQ..",
           "KylllllQswBBQ...",
           "KYYYYYYQwBQQK...",
           "KYllllQwQQlYK...",
           "KYYYYQwQYYYYK...",
           "KYYYQnQYYYYYK...",
           "KYiinYYYKKKKK...",
           "KYYYYYYYKffK....",
           "KYYYYYYYKfK.....",
           "KKKKKKKKKK......",
       }},
      {20,
       {
           "..................QQ",
           "................QQsQ",
           "..............QQsswQ",
           "............QQssswBQ",
           "KKKKKKKKKKKQsssswBBQ",
           "KbbbbbbbbbQsssswBBQ.",
           "KyyyyyyyyQsssswBBQ..",
           "KyyyyyyyyQssswBBQ...",
           "KyyyyyyyyQsswBBQ....",
           "KYllllllllQswBBQ....",
           "KYYYYYYYYYQwBBQK....",
           "KYYYYYYYYQwBQYYK....",
           "KYllllllQwQlllYK....",
           "KYYYYYYQwQYYYYYK....",
           "KYYYYYQnQYYYYYYK....",
           "KYYYYQnQYYKKKKKK....",
           "KYiiinYYYYKfffK.....",
           "KYYYYYYYYYKffK......",
           "KYYYYYYYYYKfK.......",
           "KKKKKKKKKKKK........",
       }},
      {24,
       {
           "......................QQ",
           "....................QQsQ",
           "..................QQsswQ",
           "................QQssswBQ",
           "..............QQsssswBBQ",
           "KKKKKKKKKKKKKQssssswBBQ.",
           "KbbbbbbbbbbbQssssswBBQ..",
           "KyyyyyyyyyyQssssswBBQ...",
           "KyyyyyyyyyyQsssswBBQ....",
           "KyyyyyyyyyyQssswBBQ.....",
           "KYYYYYYYYYYYQswBBQK.....",
           "KYllllllllllQwBBQYK.....",
           "KYYYYYYYYYYQwBQYYYK.....",
           "KYYYYYYYYYQwQYYYYYK.....",
           "KYlllllllQwQlllllYK.....",
           "KYYYYYYYQwQYYYYYYYK.....",
           "KYYYYYYQnQYYYYYYYYK.....",
           "KYYYYYQnQYYYYYYYYYK.....",
           "KYiiiinYYYYYKKKKKKK.....",
           "KYYYYYYYYYYYKffffK......",
           "KYYYYYYYYYYYKfffK.......",
           "KYYYYYYYYYYYKffK........",
           "KYYYYYYYYYYYKfK.........",
           "KKKKKKKKKKKKKK..........",
       }},
  };
  return maps;
}

}  // namespace

Image iconkit::ProgramIcon(int size) {
  const auto it = PixelMaps().find(size);
  return it != PixelMaps().end() ? FromPixelMap(it->second) : Drawn(size);
}

std::vector<Image> DrawProgramIcon() {
  std::vector<Image> images;
  for (const int size : kProgramIconSizes) images.push_back(ProgramIcon(size));
  return images;
}
