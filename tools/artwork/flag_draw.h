#pragma once
// A small drawing kit for the language flags: a flag is a list of layers,
// each a shape in flag pixels with one flat colour, painted in order.
// Stripes snap to whole pixels so they stay crisp; discs, stars and
// diagonals are supersampled and later reduced to the strip's palette.

#include <initializer_list>
#include <string>
#include <vector>

#include "image.h"
#include "shapes.h"

namespace flags {

// A flag is 24 x 15 in a 25 x 15 cell of the strip: the menu shows a box
// 24 pixels wide, so the cell's last column stays transparent and the
// flag's outline is seen on every side.
inline constexpr int kWidth = 24;
inline constexpr int kHeight = 15;
inline constexpr int kCellWidth = 25;

struct Layer {
  Shape shape;
  Rgba colour;
  bool clip = false;  // a clip layer sets the flag's outline instead of painting
};
using Layers = std::vector<Layer>;

struct FlagRule {
  std::string code;
  Layers layers;
};

// Joins the parts of one flag, bottom first.
Layers Join(std::initializer_list<Layers> parts);

// Palette: flat colours shared by many flags.
namespace colour {
inline constexpr Rgba White = Rgb8(255, 255, 255);
inline constexpr Rgba Black = Rgb8(24, 24, 24);
inline constexpr Rgba Red = Rgb8(218, 37, 41);
inline constexpr Rgba Crimson = Rgb8(190, 16, 48);
inline constexpr Rgba Maroon = Rgb8(138, 24, 56);
inline constexpr Rgba Orange = Rgb8(255, 136, 0);
inline constexpr Rgba Saffron = Rgb8(255, 153, 51);
inline constexpr Rgba Yellow = Rgb8(255, 214, 0);
inline constexpr Rgba Gold = Rgb8(240, 178, 20);
inline constexpr Rgba Green = Rgb8(0, 150, 64);
inline constexpr Rgba DarkGreen = Rgb8(0, 100, 48);
inline constexpr Rgba Leaf = Rgb8(60, 170, 60);
inline constexpr Rgba Blue = Rgb8(0, 72, 170);
inline constexpr Rgba Navy = Rgb8(18, 40, 110);
inline constexpr Rgba Sky = Rgb8(110, 175, 230);
inline constexpr Rgba Azure = Rgb8(0, 150, 215);
inline constexpr Rgba Teal = Rgb8(0, 160, 170);
inline constexpr Rgba Brown = Rgb8(140, 90, 40);
inline constexpr Rgba Grey = Rgb8(150, 150, 150);
}  // namespace colour

// The whole cell in one colour.
Layers Field(Rgba c);
// A rectangle in flag pixels (not snapped).
Layers Rect(float x0, float y0, float x1, float y1, Rgba c);
Layers Paint(Shape shape, Rgba c);

// Horizontal stripes, top first, over columns x0..x1; weights give their
// relative heights (equal when empty). Edges snap to whole rows.
Layers HBands(std::vector<Rgba> colours, std::vector<float> weights = {}, float x0 = 0, float x1 = kWidth);
// Vertical stripes, hoist first, over rows y0..y1; edges snap to whole columns.
Layers VBands(std::vector<Rgba> colours, std::vector<float> weights = {}, float y0 = 0, float y1 = kHeight);
// Stripes of two alternating colours, `count` in all, starting with a.
Layers Alternating(Rgba a, Rgba b, int count);

// A cross with its upright centred on column cx (a whole-pixel band `width`
// columns wide) and its bar centred on the middle row, across the whole cell.
Layers Cross(Rgba c, float cx, int width);
// A plus sign of arms `width` thick and `span` long, centred on (cx, cy).
Layers Plus(Rgba c, float cx, float cy, int width, int span);
// Two diagonal bands corner to corner over the rectangle, clipped to it.
Layers Saltire(Rgba c, float halfWidth, float x0 = 0, float y0 = 0, float x1 = kWidth, float y1 = kHeight);
// A band from (ax, ay) to (bx, by), clipped to the cell.
Layers Band(Rgba c, Point a, Point b, float halfWidth);

Layers Triangle(Rgba c, Point a, Point b, Point c3);
Layers Poly(Rgba c, std::vector<Point> points);
// The triangle at the hoist reaching `depth` pixels into the cell.
Layers HoistTriangle(Rgba c, float depth);
Layers Disc(Rgba c, float cx, float cy, float r);
Layers Ring(Rgba c, float cx, float cy, float r, float halfWidth);
// A star with `points` points of outer radius r, one point up unless turned
// by `turn` radians.
Layers Star(Rgba c, float cx, float cy, float r, int points = 5, float inner = 0.4f, float turn = 0);
// A crescent: the disc at (cx, cy) minus the disc of radius rInner moved by
// (dx, dy).
Layers Crescent(Rgba c, float cx, float cy, float r, float dx, float dy, float rInner);
// Dots of radius r evenly round a circle of radius ring, the first at angle
// `start` (radians, 0 pointing right, clockwise as y grows downwards).
Layers DotRing(Rgba c, float cx, float cy, float ring, int count, float r, float start = -1.5708f);
// Small stars along a list of points.
Layers Stars(Rgba c, std::vector<Point> at, float r, int points = 5);

// The crossed flag of the United Kingdom drawn in a rectangle.
Layers UnionFlag(float x0, float y0, float x1, float y1);
// A field with the United Kingdom's flag in the canton and, when badge has
// layers, a badge on the fly.
Layers Ensign(Rgba field, Layers badge = {});
// A round badge centred on the fly of an ensign: an outer colour with a
// lower half in a second colour.
Layers Badge(Rgba upper, Rgba lower, Rgba rim);

// Restricts the flag's opaque area to a shape (for flags that are not
// rectangles); the outline follows it.
Layers Silhouette(Shape shape);

// Every flag of the strip, keyed by flag code.
const std::vector<FlagRule>& FlagRules();

// Renders one flag into a strip cell drawn for `dpi`: colours straight,
// alpha 1 inside the flag, 0 outside, with a darker 1-pixel outline round
// the opaque area.
Image RenderFlag(const Layers& layers, int dpi);

// Reduces a picture to at most maxColours colours: the most used colours
// are kept as they are, every other pixel takes the nearest kept colour.
void ReduceColours(Image& image, std::size_t maxColours);

}  // namespace flags
