#pragma once
// The pixel routines every sticker picture is built with. Routines that place
// a source at (x, y) clip to the destination: pixels that would fall outside
// are skipped. Rounding is to the nearest integer; none of the divisions by
// 255 or 3 below can land on a half, so ties never arise.

#include <cstdint>

#include "pixels/picture.h"
#include "pixels/colour.h"

// destination := (source width + dx) x (source height + dy) of transparent
// black with the source copied to (dx, dy), alpha included.
void CopyWithOffset(const View32& source, Picture32& destination, int dx, int dy);

// Grows the picture by dx transparent columns on the left and dy rows on top.
void Enlarge(Picture32& picture, int dx, int dy);

void Clear(const View32& picture);

// Copies blue, green and red of a picture of the same size; alpha stays.
void Copy24To32(const View24& source, const View32& destination);

// Copies blue, green and red into a 24-bit picture, as far as both reach.
void Copy32To24(const View32& source, const View24& destination);

// Colour copied, alpha = mean of the mask's three channels.
void ColourWithMask(const View24& colour, const View24& mask, const View32& destination);

// Copies every source pixel that is not the key colour, with alpha 255.
void ColourKeyBlit(const View24& source, const View32& destination, int x, int y, Colour key);

// d = round((s - d) * sa / 255 + d) per channel; destination alpha rises to
// sa - 4 when it is lower.
void AlphaBlend(const View32& source, const View32& destination, int x, int y);

// Colour copied; destination alpha rises to the mean of the mask's channels.
void TextMerge(const View24& colour, const View24& mask, const View32& destination, int x, int y);

// d = round((s - d) * sa / 255 + d) per channel onto a picture without alpha.
void BlendOnto24(const View32& source, const View24& destination, int x, int y);

// Each of red, green, blue: c = round(2 * c * k / 255), at most 255.
void Tint(const View32& picture, Colour k);

// The box of ink (any channel below 255). left is not measured and stays 0;
// with no ink: right 0, top = height, bottom = height - 1.
struct InkBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const InkBox&) const = default;
};
InkBox FindInkBox(const View24& picture);

// Fills the destination with the source stretched to its size by repeating
// or dropping pixels (a plain stretching copy, no filtering).
void StretchCopy(const View24& source, const View24& destination);

// A horizontal line of one colour from x0 up to but not including x1.
void HorizontalLine(const View24& picture, int x0, int x1, int y, Colour colour);

// Copies a straight-alpha picture into one of the same size with blue, green
// and red multiplied by alpha (rounded), as the system's layered windows
// compose pixels. Only the hand-off to the system uses it.
void Premultiply(const View32& straight, const View32& premultiplied);

// Each channel c becomes round(c - c / 255 * amount), amount 0..255.
Colour Darken(Colour colour, int amount);
// Each channel c becomes c + (255 - c) * percent / 100 in integers.
Colour Lighten(Colour colour, int percent);
