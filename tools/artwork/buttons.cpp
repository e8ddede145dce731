// The pin, the sticker's pop-up buttons and the text-alignment buttons.

#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork_set.h"
#include "pixels/picture_scale.h"
#include "shapes.h"

namespace {

const Rgba kKey = Rgb8(255, 0, 255);

// A shape turned by `degrees` (clockwise on screen) about (cx, cy).
Shape Turned(const Shape& shape, float degrees, float cx, float cy) {
  const float a = degrees * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
  return [=](float x, float y) {
    const float dx = x - cx, dy = y - cy;
    return shape(cx + dx * c + dy * s, cy - dx * s + dy * c);
  };
}

// Turns an anti-aliased drawing on a transparent ground into a colour-keyed
// picture: a pixel at least half covered keeps its colour, made opaque, the
// rest becomes the key. Every drawing here has a dark outline as its outer
// layer, so edge pixels take the outline colour and never blend with the key.
Image Keyed(const Image& drawing) {
  Image out(drawing.Width(), drawing.Height(), kKey, drawing.Scale());
  for (int y = 0; y < drawing.Height(); ++y)
    for (int x = 0; x < drawing.Width(); ++x) {
      const Rgba p = drawing.At(x, y);
      if (p.a >= 0.5f) out.At(x, y) = {p.r, p.g, p.b, 1};
    }
  return out;
}

struct PinColours {
  Rgba light, dark, outline;
};

// A push pin: round head, neck, collar plate and needle, drawn upright and
// then turned. `needle` is how much of the needle shows.
Image Pin(float degrees, float needle, const PinColours& colours, int dpi) {
  Image d = DesignCanvas(12, 12, dpi);
  const float cx = 6, cy = 6;
  const auto turn = [&](const Shape& s) { return Turned(s, degrees, cx, cy); };
  const float lift = needle - 2;  // a longer needle lifts the pin
  const Shape head = turn(Circle(6, 3.6f - lift, 3.1f));
  const Shape neck = turn(Box(4.9f, 5.0f - lift, 7.1f, 7.8f - lift, 0.3f));
  const Shape collar = turn(Box(2.9f, 7.4f - lift, 9.1f, 9.2f - lift, 0.9f));
  const Shape spike = turn(Box(5.5f, 9.0f - lift, 6.5f, 9.0f - lift + needle, 0.2f));
  const Shape body = Union(head, Union(neck, collar));
  const Paint metal = LinearGradient({4, 0}, Rgb8(200, 204, 212), {8, 0}, Rgb8(92, 96, 108));
  Fill(d, Grow(spike, 0.35f), Solid(Rgb8(52, 54, 62)));
  Fill(d, spike, metal);
  Fill(d, Grow(body, 1.0f), Solid(colours.outline));
  Fill(d, body, LinearGradient({3, 1 - lift}, colours.light, {9, 9 - lift}, colours.dark));
  Fill(d, turn(Circle(4.9f, 2.6f - lift, 1.1f)), Solid(Rgb8(255, 240, 236)), 0.9f);
  Fill(d, turn(Box(3.6f, 7.9f - lift, 8.4f, 8.5f - lift, 0.3f)), Solid(Mix(colours.light, Grey8(255), 0.35f)), 0.8f);
  return Keyed(d);
}

// The pop-up buttons: a light rounded key with a dark symbol, readable over
// any sticker colour.
const Rgba kInk = Rgb8(58, 62, 72);

Image Key(int width, int height, int dpi) {
  Image d = DesignCanvas(width, height, dpi);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  DropShadow(d, Box(1.5f, 1.5f, w - 1.5f, h - 1.5f, 4), 1.6f, 0.28f, 0, 0.6f);
  const Shape face = Box(1, 1, w - 1, h - 1.2f, 4);
  Fill(d, Grow(face, 0.6f), Solid(Rgb8(40, 44, 54, 120)));
  Fill(d, face, VerticalGradient(1, Rgb8(255, 255, 255, 240), h - 1, Rgb8(222, 226, 234, 240)));
  Fill(d, Intersect(Outline(Grow(face, -0.9f), 0.45f), Box(0, 0, w, h * 0.45f, 0)), Solid(Rgb8(255, 255, 255)), 0.9f);
  return d;
}

Image Close(int dpi) {
  Image d = Key(17, 17, dpi);
  Fill(d, Union(Segment({5.6f, 5.6f}, {11.4f, 11.4f}, 0.95f), Segment({11.4f, 5.6f}, {5.6f, 11.4f}, 0.95f)), Solid(kInk));
  return d;
}

Image Chevron(bool up, int dpi) {
  Image d = Key(17, 17, dpi);
  const float tip = up ? 6.3f : 10.7f, ends = up ? 10.6f : 6.4f;
  Fill(d, Polyline({{4.9f, ends}, {8.5f, tip}, {12.1f, ends}}, 0.95f), Solid(kInk));
  return d;
}

// Duplicate: two sheets, the front one overlapping the back one.
Image Duplicate(int dpi) {
  Image d = Key(17, 17, dpi);
  const Shape back = Box(4.5f, 4.0f, 10.5f, 10.5f, 1);
  const Shape front = Box(7.0f, 6.5f, 13.0f, 13.0f, 1);
  Fill(d, Outline(back, 0.6f), Solid(kInk));
  Fill(d, Grow(front, 0.6f), Solid(kInk));
  Fill(d, Grow(front, -0.6f), Solid(Rgb8(250, 251, 253)));
  Fill(d, Box(8.6f, 9.0f, 11.4f, 9.8f, 0), Solid(kInk), 0.7f);
  Fill(d, Box(8.6f, 10.8f, 11.4f, 11.6f, 0), Solid(kInk), 0.7f);
  return d;
}

// Settings: a small cog.
Image Settings(int dpi) {
  Image d = Key(17, 17, dpi);
  const float c = 8.5f;
  Shape cog = Circle(c, c, 3.3f);
  for (int i = 0; i < 8; ++i) cog = Union(cog, Turned(Box(c - 0.9f, c - 5.0f, c + 0.9f, c, 0.4f), 45.0f * i, c, c));
  Fill(d, Subtract(cog, Circle(c, c, 1.35f)), Solid(kInk));
  return d;
}

// Copy the text: a capital T beside three lines of text.
Image Text(int dpi) {
  Image d = Key(19, 17, dpi);
  Fill(d, Union(Box(3.6f, 4.0f, 10.4f, 5.6f, 0.3f), Box(6.2f, 4.0f, 7.8f, 13.0f, 0.3f)), Solid(kInk));
  for (float y : {7.0f, 9.5f, 12.0f}) Fill(d, Box(11.6f, y - 0.6f, 15.6f, y + 0.6f, 0.2f), Solid(kInk), 0.85f);
  return d;
}

// Text alignment: five lines of different lengths set left, centred or
// right, on the magenta key, one design unit thick and snapped to whole
// pixels so they stay crisp at every scale.
Image Alignment(int align, int dpi) {
  Image out = DesignCanvas(16, 16, dpi, kKey);
  const Rgba ink = Rgb8(44, 48, 58);
  const int lengths[] = {12, 8, 12, 6, 10};
  const int thickness = std::max(1, ScaleToDpi(1, dpi));
  for (int i = 0; i < 5; ++i) {
    const int y = ScaleToDpi(3 + 2 * i, dpi);
    const int len = lengths[i];
    const int x0 = align == 0 ? 2 : align == 1 ? 8 - len / 2 : 14 - len;
    for (int row = y; row < y + thickness; ++row)
      for (int x = ScaleToDpi(x0, dpi); x < ScaleToDpi(x0 + len, dpi); ++x) out.At(x, row) = ink;
  }
  return out;
}

}  // namespace

void DrawButtons(ArtworkSet& set) {
  const int dpi = set.Dpi();
  // On (topmost): a red pin pushed straight in. Off: a grey pin pulled out
  // and leaning over.
  set.Add("BITMAP_POINT_ON", Pin(0, 2, {Rgb8(240, 96, 84), Rgb8(168, 28, 30), Rgb8(86, 18, 20)}, dpi));
  set.Add("BITMAP_POINT_OFF", Pin(38, 3.2f, {Rgb8(206, 212, 222), Rgb8(118, 126, 142), Rgb8(58, 62, 74)}, dpi));
  set.Add("BITMAP_CLOSE_PIN", Close(dpi));
  set.Add("BITMAP_UP_PIN", Chevron(true, dpi));
  set.Add("BITMAP_DOWN_PIN", Chevron(false, dpi));
  set.Add("BITMAP_DUP_PIN", Duplicate(dpi));
  set.Add("BITMAP_EDIT_PIN", Settings(dpi));
  set.Add("BITMAP_TEXT_PIN", Text(dpi));
  set.Add("BUTTON_L", Alignment(0, dpi));
  set.Add("BUTTON_C", Alignment(1, dpi));
  set.Add("BUTTON_R", Alignment(2, dpi));
}
