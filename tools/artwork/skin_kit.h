#pragma once
// Helpers for drawing skin templates. A template is drawn as one straight
// RGBA canvas: the colour channels become the colour picture and the alpha
// channel the grey mask picture, so the two always line up pixel for pixel.

#include <string>

#include "artwork_set.h"
#include "shapes.h"

namespace skin {

// The soft shadow under a sticker body: alpha falls from `opacity` at the
// body's edge to 0 at `spread` pixels outside it, in a near-black colour
// (a glow when the colour is light).
struct ShadowArgs {
  float spread = 5.5f;
  float opacity = 70 / 255.0f;
  float dx = 0, dy = 1;
  Rgba colour = Grey8(14);
};

// Lays the body and its shadow on an empty canvas. The shadow exists only
// outside the body, so a translucent body keeps exactly the paint's alpha.
// `softness` widens the anti-aliased edge (1 = one pixel).
void DrawBody(Image& canvas, const Shape& body, const Paint& paint, const ShadowArgs& shadow, float softness = 1.25f);

// Paints colour only: the canvas alpha (the mask) stays as it is.
void Tone(Image& canvas, const Shape& shape, const Paint& paint, float opacity = 1.0f);
// Moves the canvas alpha towards `alpha` where the shape covers it.
void SetAlpha(Image& canvas, const Shape& shape, float alpha, float opacity = 1.0f);

// The shape moved by (dx, dy).
Shape Shift(const Shape& shape, float dx, float dy);
// Half planes, for cutting bands out of shapes.
Shape Above(float y);  // everything with y below this value (upwards on screen)
Shape Below(float y);
Shape LeftOf(float x);
Shape RightOf(float x);

// Splits the canvas into its colour picture (opaque, near black where the
// canvas is empty) and its mask (grey = alpha), both rounded to whole 0..255
// values so an 8-bit mask never needs more than 256 palette entries.
void AddTemplate(ArtworkSet& set, const std::string& colourName, const std::string& maskName, const Image& canvas);
void AddColourOnly(ArtworkSet& set, const std::string& colourName, const Image& canvas);

}  // namespace skin
