#pragma once
// The icon family's drawing kit: every icon is designed on a 48 x 48 grid and
// scaled to its picture size. Silhouette parts get a one-pixel darker rim, a
// subtle top-to-bottom gradient and, all together, one soft drop shadow, so
// the whole set reads as one family at 20 pixels as well as at 72.

#include <vector>

#include "shapes.h"

namespace iconkit {

// Palette shared by the icons, the sample pack and the About card.
constexpr Rgba kYellow = Rgb8(252, 208, 76);
constexpr Rgba kGold = Rgb8(246, 184, 48);
constexpr Rgba kOrange = Rgb8(244, 144, 56);
constexpr Rgba kRed = Rgb8(230, 78, 70);
constexpr Rgba kCoral = Rgb8(238, 112, 92);
constexpr Rgba kPink = Rgb8(238, 104, 142);
constexpr Rgba kPurple = Rgb8(142, 108, 214);
constexpr Rgba kIndigo = Rgb8(92, 102, 210);
constexpr Rgba kBlue = Rgb8(66, 138, 222);
constexpr Rgba kSky = Rgb8(116, 186, 242);
constexpr Rgba kTeal = Rgb8(44, 172, 164);
constexpr Rgba kGreen = Rgb8(84, 178, 96);
constexpr Rgba kLeaf = Rgb8(120, 196, 84);
constexpr Rgba kBrown = Rgb8(168, 112, 70);
constexpr Rgba kSteel = Rgb8(150, 162, 178);
constexpr Rgba kSlate = Rgb8(74, 84, 102);
constexpr Rgba kPaper = Rgb8(250, 249, 245);
constexpr Rgba kInk = Rgb8(52, 56, 66);

// Geometry helpers on the design grid (y grows downwards, angles in degrees,
// 0 pointing right, 90 pointing down).
Shape Rotate(Shape s, Point centre, float degrees);
Shape Translate(Shape s, float dx, float dy);
Shape UnionOf(const std::vector<Shape>& shapes);
// A union whose seam is rounded over about `radius` units (no notch lines).
Shape SmoothUnion(Shape a, Shape b, float radius);
std::vector<Point> ArcPoints(Point centre, float radius, float fromDegrees, float toDegrees, int steps = 16);
std::vector<Point> StarPoints(Point centre, float outer, float inner, int tips, float rotateDegrees = -90);

// A colour darker (t > 0 toward black) or lighter (t < 0 toward white).
Rgba Shade(Rgba c, float t);

class Icon {
 public:
  Icon(int width, int height);

  // A silhouette part: darker rim, gradient body, casts the shadow.
  void Body(Shape s, Rgba colour);
  // An inner part with a rim but no shadow of its own.
  void Detail(Shape s, Rgba colour);
  // A flat inner mark (lines, dots, symbols): no rim, no gradient.
  void Flat(Shape s, Rgba colour, float opacity = 1.0f);

  // Pixels per design unit.
  float Scale() const { return scale_; }
  Image Render() const;

 private:
  struct Layer {
    Shape shape;  // in pixels
    Rgba colour;
    enum Kind { kBody, kDetail, kFlat } kind;
    float opacity;
  };
  Shape ToPixels(Shape s) const;

  int width_, height_;
  float scale_, originX_, originY_;
  std::vector<Layer> layers_;
};

// The program's icon (the note with a quill) at one of the sizes of its icon
// file, for the icon file and the About card.
Image ProgramIcon(int size);

}  // namespace iconkit
