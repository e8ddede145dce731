// The skin templates and masks of the eighteen sticker styles.
//
// The large templates (239 x 141) are cut by the frame builder: the top 24
// and bottom 16 rows and the left and right 119 columns are kept, the rest is
// stretched (rows through the resampler). Collapsed, most styles keep only
// the top 18 and bottom 10 rows, Narrow the top 38 rows, Modern and List the
// top 20 and bottom 16 rows with 18-column side pieces. So every detail sits
// in a corner or runs straight along a band, and the stretched middle only
// changes from top to bottom.

#include <algorithm>
#include <cmath>

#include "artwork_set.h"
#include "skin_kit.h"

namespace {

using skin::Above;
using skin::Below;
using skin::DrawBody;
using skin::LeftOf;
using skin::RightOf;
using skin::SetAlpha;
using skin::ShadowArgs;
using skin::Shift;
using skin::Tone;

constexpr int kTemplateWidth = 239;
constexpr int kTemplateHeight = 141;

// The body of most large templates: 5 px left and right and 6 px below for
// the shadow, 3 px above (the shadow falls downwards).
constexpr float kLeft = 5, kTop = 3, kRight = 234, kBottom = 135;

Paint Vertical(float y0, Rgba c0, float y1, Rgba c1) { return VerticalGradient(y0, c0, y1, c1); }

// Edges on pixel boundaries at 100 % stay on pixel boundaries at every
// scale (at 1.5 times, an edge at 5 would fall across two pixels and blur):
// an edge at a whole design unit moves to the nearest whole pixel.
float Snap(float v, int dpi) {
  if (v != std::floor(v)) return v;
  const float k = DesignScale(dpi);
  return std::round(v * k) / k;
}
Shape PixelBox(int dpi, float x0, float y0, float x1, float y1, float radius) {
  return Box(Snap(x0, dpi), Snap(y0, dpi), Snap(x1, dpi), Snap(y1, dpi), radius);
}

// A one-pixel ring just inside the edge of a shape.
Shape InnerRim(const Shape& body, float inset = 1.0f) { return Outline(Grow(body, -inset - 0.5f), 0.5f); }

Image NewCanvas(int dpi, int w = kTemplateWidth, int h = kTemplateHeight) { return DesignCanvas(w, h, dpi); }

// Style 0 (and the mask shared with style 3): deep translucent glass.
Image DarkGlass(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape body = PixelBox(dpi, kLeft, kTop, kRight, kBottom, 7);
  DrawBody(c, body, Vertical(kTop, Grey8(84, 212), kBottom, Grey8(56, 212)), {});
  // The gloss: a light band across the top, with a crisp lower edge that
  // ends above row 18 so a collapsed sticker keeps all of it.
  const Shape gloss = Intersect(Grow(body, -1.5f), Box(0, 0, kTemplateWidth, 15.5f, 0));
  Tone(c, gloss, Vertical(4, Grey8(228, 190), 15.5f, Grey8(160, 80)));
  SetAlpha(c, gloss, 230 / 255.0f, 0.8f);
  // Light caught in the bottom edge of the glass.
  Tone(c, Intersect(Grow(body, -1.5f), Below(126)), Vertical(126, Grey8(120, 0), 134, Grey8(130, 120)));
  // Rims: light just inside the edge, dark on the very edge so the glass
  // reads on light desktops too.
  Tone(c, InnerRim(body, 0.6f), Vertical(kTop, Grey8(200), kBottom, Grey8(130)), 0.75f);
  SetAlpha(c, InnerRim(body, 0.6f), 236 / 255.0f);
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(24)), 0.6f);
  return c;
}

// Style 3: light brushed-metal glass under the shared glass mask.
Image SilverGlass(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape body = PixelBox(dpi, kLeft, kTop, kRight, kBottom, 7);
  DrawBody(c, body, Vertical(kTop, Grey8(160, 212), kBottom, Grey8(136, 212)), {});
  const Shape gloss = Intersect(Grow(body, -1.5f), Box(0, 0, kTemplateWidth, 15.5f, 0));
  Tone(c, gloss, Vertical(4, Grey8(232, 230), 15.5f, Grey8(186, 200)));
  // A shade under the gloss edge gives the metal its depth; light tints
  // clip the bright parts, so the shade carries the shape there.
  Tone(c, Intersect(Grow(body, -1.5f), Box(0, 15.5f, kTemplateWidth, 20, 0)), Vertical(15.5f, Grey8(122, 200), 20, Grey8(150, 0)));
  Tone(c, InnerRim(body, 0.6f), Solid(Grey8(222)), 0.8f);
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(92)), 0.7f);
  return c;
}

// Style 1: a raised card with a pressed-in panel: shade on the top and left
// inner edges, light on the bottom and right.
Image Inner(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape body = PixelBox(dpi, kLeft, kTop, kRight, kBottom, 6);
  DrawBody(c, body, Vertical(kTop, Grey8(146), kBottom, Grey8(134)), {});
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(70)), 0.55f);
  Tone(c, Intersect(InnerRim(body, 0.5f), Above(12)), Solid(Grey8(190)), 0.5f);
  const Shape well = PixelBox(dpi, 10.5f, 8.5f, 228.5f, 130.5f, 3.5f);
  Tone(c, well, Vertical(8, Grey8(124), 131, Grey8(130)));
  Tone(c, Subtract(well, Shift(well, 1.5f, 1.5f)), Solid(Grey8(74)), 0.85f);
  Tone(c, Intersect(well, Subtract(Shift(well, 1.5f, 1.5f), Shift(well, 3.5f, 3.5f))), Solid(Grey8(96)), 0.4f);
  Tone(c, Subtract(Shift(well, 1.2f, 1.2f), well), Solid(Grey8(200)), 0.85f);
  return c;
}

// Style 2: a flat card; the builder draws a two-tone separator under the
// caption (rows 22 and 23), so that area stays plain body colour.
Image Flat(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape body = PixelBox(dpi, kLeft, kTop, kRight, kBottom, 3);
  DrawBody(c, body, Solid(Grey8(128)), {.spread = 5, .opacity = 60 / 255.0f});
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(84)), 0.75f);
  return c;
}

// Style 4: clear glass with bright reflections in the top corners.
Image Glass(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape body = PixelBox(dpi, kLeft, kTop, kRight, kBottom, 7);
  DrawBody(c, body, Vertical(kTop, Grey8(140, 172), kBottom, Grey8(122, 172)), {.opacity = 55 / 255.0f});
  const Shape inside = Grow(body, -1.0f);
  // A broad slanted streak and a thin companion in the top left corner.
  const Shape streak = Intersect(inside, Polygon({{6, 3}, {62, 3}, {44, 17.5f}, {6, 17.5f}}));
  const Shape fine = Intersect(inside, Polygon({{70, 3}, {77, 3}, {59, 17.5f}, {52, 17.5f}}));
  Tone(c, streak, LinearGradient({12, 3}, Grey8(250, 235), {46, 18}, Grey8(210, 30)));
  SetAlpha(c, streak, 232 / 255.0f, 0.8f);
  Tone(c, fine, Vertical(3, Grey8(245, 200), 17.5f, Grey8(210, 20)));
  SetAlpha(c, fine, 215 / 255.0f, 0.6f);
  // A round glint in the top right corner.
  const Shape glint = Intersect(inside, Ellipse(214, 9, 19, 8));
  Tone(c, glint, RadialGradient({217, 7}, 19, Grey8(250, 235), Grey8(210, 0)));
  SetAlpha(c, glint, 232 / 255.0f, 0.7f);
  // A light band under the top edge across the whole width.
  Tone(c, Intersect(inside, Above(10)), Vertical(4, Grey8(200, 110), 10, Grey8(160, 0)));
  Tone(c, InnerRim(body, 0.5f), Vertical(kTop, Grey8(230), kBottom, Grey8(170)), 0.8f);
  SetAlpha(c, InnerRim(body, 0.5f), 226 / 255.0f);
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(60)), 0.5f);
  SetAlpha(c, InnerRim(body, -0.5f), 200 / 255.0f, 0.6f);
  return c;
}

// Style 5, the default: a rounded card with a gentle gradient, a highlight
// under the top edge and a soft shadow.
Image Panel(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape body = PixelBox(dpi, kLeft, kTop, kRight, kBottom, 8);
  DrawBody(c, body, Vertical(kTop, Grey8(140), kBottom, Grey8(118)), {.spread = 6, .dy = 1.5f});
  Tone(c, Intersect(InnerRim(body, 0.5f), Above(14)), Vertical(kTop, Grey8(210), 14, Grey8(150, 0)), 0.9f);
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(70)), 0.35f);
  return c;
}

// Style 7: a slim card with a rounded, tube-like header strip; the top 38
// rows (header and a little body) are its collapsed look.
Image Narrow(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape body = PixelBox(dpi, 3, 2, 236, 137, 10);
  DrawBody(c, body, Solid(Grey8(128)), {.spread = 4, .opacity = 64 / 255.0f});
  const Shape header = Intersect(body, Above(21));
  Tone(c, header, [](float, float y) {
    // A cylinder lit from above: bright near the top, rolling off to shade.
    const float t = std::clamp((y - 2) / 19.0f, 0.0f, 1.0f);
    const float v = t < 0.25f ? 136 + 24 * (t / 0.25f) : 160 - 60 * ((t - 0.25f) / 0.75f);
    return Grey8(static_cast<int>(std::lround(v)));
  });
  Tone(c, Intersect(body, Box(0, 20, kTemplateWidth, 21, 0)), Solid(Grey8(80)), 0.7f);
  Tone(c, Intersect(body, Box(0, 21, kTemplateWidth, 22, 0)), Solid(Grey8(160)), 0.45f);
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(64)), 0.45f);
  return c;
}

// Style 8: a frosted translucent border round an almost opaque body, with a
// faint glow outside.
Image Aero(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape frame = PixelBox(dpi, 4, 3, 235, 136, 7);
  DrawBody(c, frame, Vertical(3, Grey8(176, 182), 136, Grey8(146, 182)),
           {.spread = 5, .opacity = 70 / 255.0f, .dy = 0.5f, .colour = Grey8(96)});
  Tone(c, Intersect(Grow(frame, -1), Above(8)), Vertical(3, Grey8(215, 200), 8, Grey8(190, 0)));
  Tone(c, InnerRim(frame, 0.5f), Solid(Grey8(224)), 0.8f);
  SetAlpha(c, InnerRim(frame, 0.5f), 212 / 255.0f);
  Tone(c, InnerRim(frame, -0.5f), Solid(Grey8(70)), 0.45f);
  const Shape inner = PixelBox(dpi, 9, 8, 230, 132, 3);
  Tone(c, Grow(inner, 1), Solid(Grey8(214)), 0.6f);
  Tone(c, inner, Vertical(8, Grey8(132), 132, Grey8(124)));
  SetAlpha(c, inner, 246 / 255.0f);
  Tone(c, InnerRim(inner, -0.5f), Solid(Grey8(84)), 0.8f);
  return c;
}

// Style 9: a flat, square-cornered card with a strong accent bar on the left
// (inside the 18-column side piece so both cuts keep it).
Image Modern(int dpi) {
  Image c = NewCanvas(dpi);
  const Shape body = PixelBox(dpi, kLeft, kTop, kRight, kBottom, 2.5f);
  DrawBody(c, body, Vertical(kTop, Grey8(132), kBottom, Grey8(124)), {});
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(76)), 0.45f);
  const Shape accent = Intersect(Grow(body, 0.5f), LeftOf(11));
  Tone(c, accent, Vertical(kTop, Grey8(64), kBottom, Grey8(52)));
  Tone(c, Intersect(Box(11, 0, 12, kTemplateHeight, 0), body), Solid(Grey8(168)), 0.5f);
  // A fine light line along the top edge of the card.
  Tone(c, Intersect(InnerRim(body, 0.5f), Intersect(Above(6), RightOf(11))), Solid(Grey8(190)), 0.6f);
  return c;
}

// Style 10: a sheet of a note pad: glued top strip, a ruled header line, a
// margin line in the left side piece, two sheets peeking out underneath.
Image List(int dpi) {
  Image c = NewCanvas(dpi);
  const float bottom = 133;
  const Shape sheet = PixelBox(dpi, kLeft, kTop, kRight, bottom, 1.5f);
  const Shape under1 = Box(kLeft + 1, bottom - 2, kRight - 1, bottom + 2, 1.5f);
  const Shape under2 = Box(kLeft + 2, bottom, kRight - 2, bottom + 4, 1.5f);
  const Shape pad = Union(sheet, Union(under1, under2));
  DrawBody(c, pad, Solid(Grey8(128)), {.spread = 5, .dy = 1});
  Tone(c, under2, Solid(Grey8(96)));
  Tone(c, Grow(under2, -1), Solid(Grey8(116)));
  Tone(c, under1, Solid(Grey8(104)));
  Tone(c, Grow(under1, -1), Solid(Grey8(124)));
  // Paper, a touch lighter at the top.
  Tone(c, sheet, Vertical(kTop, Grey8(134), bottom, Grey8(126)));
  // The glued strip along the top.
  const Shape strip = Intersect(sheet, Above(10));
  Tone(c, strip, Vertical(3, Grey8(104), 10, Grey8(78)));
  Tone(c, Intersect(strip, Above(4.5f)), Solid(Grey8(150)), 0.6f);
  Tone(c, Intersect(sheet, Box(0, 10, kTemplateWidth, 12, 0)), Vertical(10, Grey8(96, 120), 12, Grey8(128, 0)));
  // Ruled lines: a header rule in the top band, one above the bottom edge.
  const Rgba rule = Rgb8(104, 118, 160);
  Tone(c, Intersect(sheet, Box(0, 17, kTemplateWidth, 18, 0)), Solid(rule), 0.9f);
  Tone(c, Intersect(sheet, Box(0, 126, kTemplateWidth, 127, 0)), Solid(rule), 0.55f);
  // The margin line.
  Tone(c, Intersect(sheet, Intersect(Box(13, 0, 14, kTemplateHeight, 0), Below(10))), Solid(Rgb8(176, 92, 92)), 0.75f);
  Tone(c, InnerRim(sheet, -0.5f), Solid(Grey8(80)), 0.4f);
  return c;
}

// Style 6: a small window: a title bar in the top band, a 4 px frame in the
// title colour and a plain body. Cut with 15 / 18 / 16 / 10 px borders
// (left, top, right, bottom), so the title bar and frame run straight.
Image Classic(int dpi) {
  Image c = NewCanvas(dpi, 238, 235);
  const Shape window = PixelBox(dpi, 5, 4, 233, 229, 4);
  DrawBody(c, window, Vertical(4, Grey8(118), 18, Grey8(80)), {.spread = 5, .opacity = 74 / 255.0f});
  Tone(c, Intersect(window, Below(18)), Solid(Grey8(84)));
  // Title bar gloss and the window's light top edge.
  Tone(c, Intersect(Grow(window, -1), Above(10.5f)), Vertical(4, Grey8(176, 140), 10.5f, Grey8(130, 60)));
  Tone(c, InnerRim(window, -0.5f), Solid(Grey8(44)), 0.7f);
  Tone(c, Intersect(InnerRim(window, 0.5f), Below(6)), Solid(Grey8(150)), 0.5f);
  // The body, set into the frame with a thin dark line.
  const Shape client = PixelBox(dpi, 9, 18, 229, 225, 0);
  Tone(c, Grow(client, 1), Solid(Grey8(70)), 0.8f);
  Tone(c, client, Solid(Grey8(128)));
  Tone(c, Intersect(client, Above(19)), Solid(Grey8(110)), 0.6f);
  return c;
}

// Style 14: a window frame with a thick inner bevel round a recessed well.
// Cut with 31 / 27 / 31 / 32 px borders, which the bevel's corners fit in.
Image IconInner(int dpi) {
  Image c = NewCanvas(dpi, 86, 88);
  const Shape frame = PixelBox(dpi, 5, 3, 81, 82, 9);
  DrawBody(c, frame, Vertical(3, Grey8(150), 82, Grey8(120)), {.spread = 5, .dy = 1});
  Tone(c, InnerRim(frame, -0.5f), Solid(Grey8(60)), 0.5f);
  Tone(c, Intersect(InnerRim(frame, 0.5f), Above(16)), Vertical(3, Grey8(210), 16, Grey8(160, 0)), 0.8f);
  // The bevel: four mitred faces sloping down into the well over six
  // pixels, shaded on the top and left, lit on the bottom and right.
  const float ox0 = 15, oy0 = 13, ox1 = 71, oy1 = 72;
  const Shape outer = PixelBox(dpi, ox0, oy0, ox1, oy1, 6);
  const Shape well = PixelBox(dpi, 21, 19, 65, 66, 3);
  Tone(c, outer, [=](float x, float y) {
    const float top = y - oy0, bottom = oy1 - y, left = x - ox0, right = ox1 - x;
    const float nearest = std::min(std::min(top, bottom), std::min(left, right));
    if (nearest == top) return Grey8(92);
    if (nearest == left) return Grey8(104);
    if (nearest == bottom) return Grey8(180);
    return Grey8(164);
  });
  Tone(c, InnerRim(outer, -0.5f), Solid(Grey8(56)), 0.55f);
  Tone(c, Subtract(Grow(outer, 1.0f), Shift(outer, -1.0f, -1.0f)), Solid(Grey8(196)), 0.6f);
  Tone(c, well, Solid(Grey8(128)));
  Tone(c, Subtract(well, Shift(well, 1.5f, 1.5f)), Solid(Grey8(74)), 0.8f);
  return c;
}

// The small title frames (styles 11-13): a translucent glass rim of the
// given width round an opaque inner area.
struct GlassFrameArgs {
  int width, height;
  float inset;       // outer edge (the shadow's room)
  float rim;         // width of the glass rim
  float radius;
  int rimAlpha;      // how see-through the rim is
  int gloss;         // brightness of the top gloss
  ShadowArgs shadow;
};

Image GlassFrame(const GlassFrameArgs& a, int dpi) {
  Image c = NewCanvas(dpi, a.width, a.height);
  const float w = static_cast<float>(a.width), h = static_cast<float>(a.height);
  const Shape frame = PixelBox(dpi, a.inset, a.inset - 1, w - a.inset, h - a.inset - 1, a.radius);
  DrawBody(c, frame, Vertical(0, Grey8(170, a.rimAlpha), h, Grey8(140, a.rimAlpha)), a.shadow);
  const float innerTop = a.inset - 1 + a.rim;
  const Shape gloss = Intersect(Grow(frame, -1), Above(a.inset - 1 + a.rim * 0.55f));
  Tone(c, gloss, Vertical(a.inset, Grey8(a.gloss, 210), a.inset + a.rim * 0.55f, Grey8(a.gloss - 30, 60)));
  SetAlpha(c, gloss, std::min(255, a.rimAlpha + 40) / 255.0f, 0.7f);
  Tone(c, InnerRim(frame, 0.5f), Solid(Grey8(228)), 0.75f);
  SetAlpha(c, InnerRim(frame, 0.5f), std::min(255, a.rimAlpha + 50) / 255.0f);
  Tone(c, InnerRim(frame, -0.5f), Solid(Grey8(50)), 0.5f);
  const Shape inner = PixelBox(dpi, a.inset + a.rim, innerTop, w - a.inset - a.rim, h - a.inset - 1 - a.rim, 2.5f);
  Tone(c, Grow(inner, 1), Solid(Grey8(212)), 0.55f);
  Tone(c, inner, Solid(Grey8(128)));
  SetAlpha(c, inner, 250 / 255.0f);
  Tone(c, InnerRim(inner, -0.5f), Solid(Grey8(80)), 0.75f);
  return c;
}

// Style 15 (and 16): a flat rounded rectangle.
Image FlatPanel(int dpi) {
  Image c = NewCanvas(dpi, 48, 48);
  const Shape body = PixelBox(dpi, 5, 4, 43, 42, 6);
  DrawBody(c, body, Vertical(4, Grey8(134), 42, Grey8(124)), {.spread = 5});
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(76)), 0.4f);
  Tone(c, Intersect(InnerRim(body, 0.5f), Above(12)), Vertical(4, Grey8(200), 12, Grey8(160, 0)), 0.7f);
  return c;
}

// Style 17: a light cell with a thin border.
Image Cell(int dpi) {
  Image c = NewCanvas(dpi, 48, 48);
  const Shape body = PixelBox(dpi, 4, 3, 44, 44, 2);
  DrawBody(c, body, Vertical(3, Grey8(166), 44, Grey8(152)), {.spread = 4, .opacity = 48 / 255.0f});
  Tone(c, InnerRim(body, -0.5f), Solid(Grey8(96)), 0.85f);
  Tone(c, InnerRim(body, 0.5f), Solid(Grey8(200)), 0.5f);
  return c;
}

}  // namespace

void DrawSkins(ArtworkSet& set) {
  const int dpi = set.Dpi();
  const Image darkGlass = DarkGlass(dpi);
  skin::AddTemplate(set, "BITMAP_DARKGLASS", "BITMAP_MASKGLASS", darkGlass);
  skin::AddColourOnly(set, "BITMAP_SILVERGLASS", SilverGlass(dpi));
  skin::AddTemplate(set, "BITMAP_INNER", "BITMAP_INNERMASK", Inner(dpi));
  skin::AddTemplate(set, "BITMAP_GRAY", "BITMAP_GRAYMASK", Flat(dpi));
  skin::AddTemplate(set, "BITMAP_GLASS", "BITMAP_MASKGLASSL", Glass(dpi));
  skin::AddTemplate(set, "BITMAP_FLAT", "BITMAP_FLATSMASK", Panel(dpi));
  skin::AddTemplate(set, "BITMAP_WIND", "BITMAP_WINDMASK", Classic(dpi));
  skin::AddTemplate(set, "BITMAP_TUB", "BITMAP_TUBMASK", Narrow(dpi));
  skin::AddTemplate(set, "BITMAP_AERO", "BITMAP_AEROMASK", Aero(dpi));
  skin::AddTemplate(set, "BITMAP_RAMA", "BITMAP_RAMA_MASK", Modern(dpi));
  skin::AddTemplate(set, "BITMAP_LIST", "BITMAP_LIST_MASK", List(dpi));
  skin::AddTemplate(set, "BITMAP_ICOINNER", "BITMAP_ICOINNERMASK", IconInner(dpi));
  // Vista Glass, Vista and Vista Aero: the same idea in three weights.
  skin::AddTemplate(set, "BITMAP_ICOAERO", "BITMAP_ICOAEROMASK",
                    GlassFrame({.width = 63, .height = 63, .inset = 4, .rim = 7, .radius = 7, .rimAlpha = 168, .gloss = 225, .shadow = {.spread = 4}}, dpi));
  skin::AddTemplate(set, "BITMAP_ICOAERO2", "BITMAP_ICOAERO2MASK",
                    GlassFrame({.width = 40, .height = 39, .inset = 4, .rim = 4, .radius = 5, .rimAlpha = 200, .gloss = 210, .shadow = {.spread = 4, .opacity = 60 / 255.0f}}, dpi));
  skin::AddTemplate(set, "BITMAP_ICOAERO_FULL", "BITMAP_ICOAERO_FULLMASK",
                    GlassFrame({.width = 84, .height = 47, .inset = 4, .rim = 10, .radius = 8, .rimAlpha = 150, .gloss = 235,
                                .shadow = {.spread = 4, .opacity = 80 / 255.0f, .dy = 0.5f, .colour = Grey8(90)}}, dpi));
  skin::AddTemplate(set, "BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK", FlatPanel(dpi));
  skin::AddTemplate(set, "BITMAP_ICEWHITE", "BITMAP_ICEWHITEMASK", Cell(dpi));
}
