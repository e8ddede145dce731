#include "win/menu_glyphs_win.h"

#include <commctrl.h>

#include "win/dib_picture_win.h"
#include "pixels/pixel_routines.h"

namespace {
constexpr Colour kGlyphKey = 0xFF00FF;
}

MenuGlyphs::MenuGlyphs(const Picture24& strip, Colour background) {
  const Pixel32 ground{static_cast<std::uint8_t>(BlueOf(background)), static_cast<std::uint8_t>(GreenOf(background)),
                       static_cast<std::uint8_t>(RedOf(background)), 255};
  for (int x = 0; x + kGlyphSize <= strip.Width() && strip.Height() >= kGlyphSize; x += kGlyphSize) {
    DibPicture32 bitmap(kGlyphSize, kGlyphSize);
    const View32 glyph = bitmap.View();
    for (int y = 0; y < kGlyphSize; ++y)
      for (int i = 0; i < kGlyphSize; ++i) glyph.At(i, y) = ground;
    ColourKeyBlit(strip.View(), glyph, -x, 0, kGlyphKey);
    glyphs_.push_back(bitmap.ReleaseBitmap());
  }
}

UniqueImageList GlyphImageList(const Picture24& strip) {
  UniqueImageList list(ImageList_Create(kGlyphSize, kGlyphSize, ILC_COLOR24 | ILC_MASK, 0, 32));
  DibPicture24 bitmap(strip.Width(), strip.Height());
  for (int y = 0; y < strip.Height(); ++y)
    for (int x = 0; x < strip.Width(); ++x) bitmap.View().At(x, y) = strip.View().At(x, y);
  ImageList_AddMasked(list.Get(), bitmap.Bitmap(), RGB(RedOf(kGlyphKey), GreenOf(kGlyphKey), BlueOf(kGlyphKey)));
  return list;
}

HBITMAP MenuGlyphs::Glyph(int index) const {
  return index >= 0 && index < static_cast<int>(glyphs_.size()) ? glyphs_[static_cast<std::size_t>(index)].Get()
                                                                : nullptr;
}

void MenuGlyphs::AttachTo(HMENU menu, UINT item, int index, bool byPosition) const {
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = Glyph(index);
  if (info.hbmpItem) SetMenuItemInfoW(menu, item, byPosition, &info);
}
