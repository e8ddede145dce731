#include "win/menu_glyphs_win.h"

#include <commctrl.h>

#include "win/dib_picture_win.h"
#include "pixels/pixel_routines.h"

namespace {

constexpr Colour kGlyphKey = 0xFF00FF;

std::vector<UniqueBitmap> CutGlyphs(const Picture24& strip, Colour background) {
  const Pixel32 ground{static_cast<std::uint8_t>(BlueOf(background)), static_cast<std::uint8_t>(GreenOf(background)),
                       static_cast<std::uint8_t>(RedOf(background)), 255};
  const int side = strip.Height();
  std::vector<UniqueBitmap> glyphs;
  for (int x = 0; side > 0 && x + side <= strip.Width(); x += side) {
    DibPicture32 bitmap(side, side);
    const View32 glyph = bitmap.View();
    for (int y = 0; y < side; ++y)
      for (int i = 0; i < side; ++i) glyph.At(i, y) = ground;
    ColourKeyBlit(strip.View(), glyph, -x, 0, kGlyphKey);
    glyphs.push_back(bitmap.ReleaseBitmap());
  }
  return glyphs;
}

UniqueImageList GlyphList(const Picture24& strip) {
  const int side = strip.Height();
  UniqueImageList list(ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, 0, 32));
  if (side <= 0) return list;
  DibPicture24 bitmap(strip.Width(), side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < strip.Width(); ++x) bitmap.View().At(x, y) = strip.View().At(x, y);
  ImageList_AddMasked(list.Get(), bitmap.Bitmap(), RGB(RedOf(kGlyphKey), GreenOf(kGlyphKey), BlueOf(kGlyphKey)));
  return list;
}

}  // namespace

MenuGlyphs::MenuGlyphs(GlyphStripLoader loader, Colour background)
    : loader_(std::move(loader)), background_(background) {}

const MenuGlyphs::Set& MenuGlyphs::At(int dpi) const {
  if (auto found = sets_.find(dpi); found != sets_.end()) return found->second;
  const Picture24 strip = loader_ ? loader_(dpi) : Picture24();
  return sets_.emplace(dpi, Set{CutGlyphs(strip, background_), GlyphList(strip)}).first->second;
}

HBITMAP MenuGlyphs::Glyph(int index, int dpi) const {
  const std::vector<UniqueBitmap>& glyphs = At(dpi).glyphs;
  return index >= 0 && index < static_cast<int>(glyphs.size()) ? glyphs[static_cast<std::size_t>(index)].Get()
                                                               : nullptr;
}

void MenuGlyphs::AttachTo(HMENU menu, UINT item, int index, int dpi, bool byPosition) const {
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = Glyph(index, dpi);
  if (info.hbmpItem) SetMenuItemInfoW(menu, item, byPosition, &info);
}

HIMAGELIST MenuGlyphs::List(int dpi) const { return At(dpi).list.Get(); }
