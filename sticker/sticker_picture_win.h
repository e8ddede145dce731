#pragma once
// The picture of a sticker window: the frame built on a full rebuild, and the
// composite made from it on every redraw with the content, the pin, the
// pop-up buttons and the icon.

#include <string>

#include "sticker/picture.h"
#include "store/skin_bitmaps.h"
#include "store/sticker_record.h"
#include "store/tat_bitmap.h"

// What the main window lends every sticker window (not owned).
struct StickerArt {
  const SkinBitmaps* skins;
  const TATBitmap* userIcons;
};

// The overlays of a redraw, decided by the window's state.
struct StickerOverlays {
  bool pin = false;         // the pin is drawn
  bool pinOn = false;       // ... as "on" (topmost)
  bool buttons = false;     // the pop-up buttons are drawn
};

class StickerPicture {
 public:
  // Layout and frame for the record (a full rebuild).
  void Rebuild(const StickerRecord& record, const std::wstring& text, const StickerArt& art);
  // The composite over the current frame (every redraw).
  const Picture32& Compose(const StickerRecord& record, const std::wstring& text, const StickerArt& art,
                           const StickerOverlays& overlays);

  int IconWidth() const { return icon_.Width(); }
  int IconHeight() const { return icon_.Height(); }
  const Picture32& Composite() const { return composite_; }

 private:
  Picture32 frame_;
  Picture32 icon_;
  Picture32 composite_;
};
