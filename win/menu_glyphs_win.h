#pragma once
// The 16 x 16 glyphs of the "BITMAPS" strip as menu item pictures, the
// magenta key replaced by the menu's own colour: opaque pictures look right
// whether or not a system honours alpha in menu bitmaps.

#include <vector>

#include "win/handles_win.h"
#include "pixels/picture.h"
#include "pixels/colour.h"

inline constexpr int kGlyphSize = 16;

// The strip's glyphs as a picture list, magenta clear, for pictures drawn on
// grounds of any colour.
UniqueImageList GlyphImageList(const Picture24& strip);

class MenuGlyphs {
 public:
  MenuGlyphs() = default;
  // Cuts the strip (24-bit, magenta where transparent) into its glyphs on
  // the given background colour.
  MenuGlyphs(const Picture24& strip, Colour background);

  // The glyph's bitmap, or null when the strip has no such glyph.
  HBITMAP Glyph(int index) const;
  // Shows the glyph beside a menu item, named by command id or by position;
  // nothing when there is no such glyph.
  void AttachTo(HMENU menu, UINT item, int index, bool byPosition = false) const;

 private:
  std::vector<UniqueBitmap> glyphs_;
};
