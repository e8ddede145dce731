// The About window: a rounded card with the product's name, version, web
// address and e-mail address, and the three states of its close button.
//
// The window places the close button at (262, 6) and makes two areas
// clickable: the web address (x 92..242, y 127..133) and the e-mail address
// (x 78..183, y 139..146); the addresses are written inside those areas.

#include <algorithm>
#include <cmath>

#include <stdexcept>
#include <string>

#include "artwork_set.h"
#include "icon_kit.h"
#include "pixels/picture_scale.h"
#include "stroke_font.h"

using namespace iconkit;

namespace {

constexpr int kWidth = 342, kHeight = 224;
constexpr int kIconSize = 64, kIconX = 19, kIconY = 30;
constexpr int kButtonX = 262, kButtonY = 6, kButtonWidth = 59, kButtonHeight = 34;

constexpr const char* kWebAddress = "www.quillory.example.com";
constexpr const char* kMailAddress = "help@quillory.example.com";

constexpr Rgba kCardTop = Rgb8(255, 254, 251), kCardBottom = Rgb8(245, 243, 237), kCardRim = Rgb8(206, 201, 192);
constexpr Rgba kTitle = Rgb8(46, 52, 66), kMuted = Rgb8(118, 124, 138), kLink = Rgb8(38, 104, 196);

struct Area {
  int x0, y0, x1, y1;  // inclusive pixel bounds
};
constexpr Area kWebArea{92, 127, 242, 133}, kMailArea{78, 139, 183, 146};

// Writes a clickable address and makes sure its ink starts inside the area
// (only descenders may hang below its last row).
void Address(Image& im, const std::string& text, float x, float baseline, const TextStyle& style, Area area) {
  const Shape shape = TextShape(text, x, baseline, style);
  const float k = im.Scale();
  int left = im.Width(), right = -1, top = im.Height();
  for (int y = 0; y < im.Height(); ++y)
    for (int px = 0; px < im.Width(); ++px)
      if (shape((px + 0.5f) / k, (y + 0.5f) / k) * k < 0.45f) left = std::min(left, px), right = std::max(right, px), top = std::min(top, y);
  // The area in this picture's pixels: from its first pixel to the end of its last.
  const auto from = [k](int v) { return static_cast<int>(std::floor(v * k)); };
  const auto to = [k](int v) { return static_cast<int>(std::ceil((v + 1) * k)) - 1; };
  if (left < from(area.x0) || right > to(area.x1) || top < from(area.y0) || baseline > area.y1 + 1)
    throw std::runtime_error("the address " + text + " does not fit its clickable area");
  Fill(im, shape, Solid(kLink));
}

Shape CardShape() { return Box(7, 6, 335, 216, 14); }

// The small marks in front of the two addresses, 11 x 8 pixels at (x, y).
void GlobeMark(Image& im, float x, float y) {
  const Point c{x + 5.5f, y + 4};
  Fill(im, Outline(Circle(c.x, c.y, 3.6f), 0.5f), Solid(kMuted));
  Fill(im, Intersect(Circle(c.x, c.y, 3.6f), Outline(Ellipse(c.x, c.y, 1.5f, 3.6f), 0.4f)), Solid(kMuted), 0.8f);
  Fill(im, Segment({c.x - 3.5f, c.y}, {c.x + 3.5f, c.y}, 0.4f), Solid(kMuted), 0.8f);
}

void EnvelopeMark(Image& im, float x, float y) {
  Fill(im, Outline(Box(x + 0.5f, y + 0.5f, x + 10.5f, y + 7.5f, 1), 0.5f), Solid(kMuted));
  Fill(im, Polyline({{x + 1.5f, y + 1.5f}, {x + 5.5f, y + 4.6f}, {x + 9.5f, y + 1.5f}}, 0.5f), Solid(kMuted));
}

Image Background(int dpi) {
  Image im = DesignCanvas(kWidth, kHeight, dpi);
  const Shape card = CardShape();
  DropShadow(im, card, 7, 0.30f, 0, 2);
  Fill(im, card, Solid(kCardRim));
  Fill(im, Grow(card, -1), VerticalGradient(6, kCardTop, 216, kCardBottom));

  // A band in the note colour along the bottom, with a thank-you line.
  const Shape band = Intersect(Grow(card, -1), Box(0, 178, kWidth, kHeight));
  Fill(im, band, VerticalGradient(178, Rgb8(254, 238, 176), 216, Rgb8(250, 224, 140)));
  Fill(im, Intersect(Grow(card, -1), Box(0, 178, kWidth, 179)), Solid(Rgb8(232, 206, 120)));

  // The program's icon and the name.
  Paste(im, ProgramIcon(ScaleToDpi(kIconSize, dpi)), ScaleToDpi(kIconX, dpi), ScaleToDpi(kIconY, dpi));
  const TextStyle title{5.4f, 3.1f, 1.9f, 2.3f};
  Fill(im, TextShape("Quillory", 94.5f, 84, title), Solid(kTitle));

  // The version as a small badge after the name.
  const TextStyle small{1.0f, 2, 2, 0.5f};
  const TextStyle badge{2.0f, 2, 2, 0.95f};
  const std::string version = "v2.2";
  const float badgeX = std::floor(94.5f + TextWidth("Quillory", title) + 14);
  const float vw = TextWidth(version, badge);
  Fill(im, Box(badgeX, 66, badgeX + vw + 16, 86, 10), Solid(Rgb8(78, 144, 224)));
  Fill(im, TextShape(version, badgeX + 8, 82, badge), Solid(Rgb8(255, 255, 255)));

  const TextStyle tagline{1.6f, 2.4f, 1.7f, 0.62f};
  Fill(im, TextShape("Sticky notes for your desktop", 94, 104.5f, tagline), Solid(kMuted));

  Fill(im, Box(24, 115, 318, 116), Solid(Rgb8(228, 224, 216)));

  // The clickable addresses: text from column 92 on, baseline rows 133 and 146.
  GlobeMark(im, 78, 127);
  Address(im, kWebAddress, 92.5f, 133.5f, small, kWebArea);
  EnvelopeMark(im, 78, 139);
  Address(im, kMailAddress, 92.5f, 146.5f, small, kMailArea);

  const std::string thanks = "Thank you for using Quillory";
  const TextStyle footer{1.4f, 2.4f, 1.8f, 0.6f};
  Fill(im, TextShape(thanks, (kWidth - TextWidth(thanks, footer)) / 2, 201.5f, footer), Solid(Rgb8(138, 104, 40)));
  return im;
}

// The close button hangs from the card's top edge like a tab.
Image CloseButton(int state, int dpi) {
  Image im = DesignCanvas(kButtonWidth, kButtonHeight, dpi);
  const Shape tab = Intersect(Box(0, -14, kButtonWidth, 30, 13), Box(0, 0, kButtonWidth, kButtonHeight));
  const Rgba fills[3][2] = {{Rgb8(240, 237, 230), Rgb8(228, 224, 215)},
                            {Rgb8(240, 104, 92), Rgb8(222, 76, 66)},
                            {Rgb8(196, 62, 54), Rgb8(176, 50, 44)}};
  const Rgba rims[3] = {Rgb8(206, 201, 192), Rgb8(186, 62, 54), Rgb8(146, 40, 34)};
  const Rgba marks[3] = {Rgb8(110, 116, 128), Rgb8(255, 255, 255), Rgb8(248, 226, 222)};
  if (state == 1) DropShadow(im, Intersect(tab, Box(0, 1, kButtonWidth, kButtonHeight)), 3, 0.25f, 0, 1.5f);
  Fill(im, tab, Solid(rims[state]));
  Fill(im, Intersect(Grow(tab, -1), Box(1, 0, kButtonWidth - 1, kButtonHeight)), VerticalGradient(0, fills[state][0], 30, fills[state][1]));
  if (state == 2) Fill(im, Box(1, 0, kButtonWidth - 1, 3), VerticalGradient(0, Rgba{0, 0, 0, 0.18f}, 3, Rgba{0, 0, 0, 0}));
  const float cx = kButtonWidth / 2.0f, cy = 14.5f + (state == 2 ? 1 : 0), r = 5;
  const float hw = 1.25f;
  Fill(im, Union(Segment({cx - r, cy - r}, {cx + r, cy + r}, hw), Segment({cx + r, cy - r}, {cx - r, cy + r}, hw)), Solid(marks[state]));
  return im;
}

}  // namespace

void DrawAboutWindow(ArtworkSet& set) {
  set.Add("BITMAP_ABOUTFORM", Background(set.Dpi()));
  set.Add("BUTTON_CLOSE_N", CloseButton(0, set.Dpi()));
  set.Add("BUTTON_CLOSE_L", CloseButton(1, set.Dpi()));
  set.Add("BUTTON_CLOSE_D", CloseButton(2, set.Dpi()));
}
