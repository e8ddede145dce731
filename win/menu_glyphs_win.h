#pragma once
// The glyphs of a picture strip ("BITMAPS": 16 x 16 cells at 100 %) for each
// display scale: as menu item pictures, the magenta key replaced by the
// menu's own colour (opaque pictures look right whether or not a system
// honours alpha in menu bitmaps), and as a picture list, magenta clear, for
// pictures drawn on grounds of any colour. Each DPI's glyphs are cut once,
// on first use, from the strip drawn for that scale, and kept for the run.

#include <functional>
#include <map>
#include <vector>

#include "win/handles_win.h"
#include "pixels/picture.h"
#include "pixels/colour.h"

// A glyph's side at 100 %.
inline constexpr int kGlyphSize = 16;

// The strip for a DPI: 24-bit, magenta where transparent, its cells square.
using GlyphStripLoader = std::function<Picture24(int dpi)>;

class MenuGlyphs {
 public:
  MenuGlyphs() = default;
  // Glyphs on the given background colour.
  MenuGlyphs(GlyphStripLoader loader, Colour background);

  // The glyph's bitmap at the DPI, or null when the strip has no such glyph.
  HBITMAP Glyph(int index, int dpi) const;
  // Shows the glyph at the DPI beside a menu item, named by command id or by
  // position; nothing when there is no such glyph.
  void AttachTo(HMENU menu, UINT item, int index, int dpi, bool byPosition = false) const;
  // The glyphs at the DPI as a picture list, magenta clear.
  HIMAGELIST List(int dpi) const;

 private:
  struct Set {
    std::vector<UniqueBitmap> glyphs;
    UniqueImageList list;
  };
  const Set& At(int dpi) const;

  GlyphStripLoader loader_;
  Colour background_ = 0;
  mutable std::map<int, Set> sets_;  // a cache: asking for a DPI's glyphs does not change them
};
