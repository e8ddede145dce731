#pragma once
// Blank glyph strips for forms and menus made without the program's
// pictures: 28 square glyphs, 16 pixels at 100 %, at any scale.

#include "pixels/picture.h"
#include "pixels/picture_scale.h"

inline Picture24 BlankGlyphStrip(int dpi) {
  constexpr int kGlyphs = 28, kSide = 16;
  return Picture24(kGlyphs * ScaleToDpi(kSide, dpi), ScaleToDpi(kSide, dpi));
}
