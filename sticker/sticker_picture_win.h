#pragma once
// The picture of a sticker window: the frame built on a full rebuild, and the
// composite made from it on every redraw with the content, the pin, the
// pop-up buttons and the icon.

#include <string>

#include "sticker/sticker_content_win.h"

// The overlays of a redraw, decided by the window's state.
struct StickerOverlays {
  bool pin = false;         // the pin is drawn
  bool pinOn = false;       // ... as "on" (topmost)
  bool buttons = false;     // the pop-up buttons are drawn
};

class StickerPicture {
 public:
  // Layout and frame for the record at the sources' scale (a full rebuild).
  void Rebuild(const StickerRecord& record, const std::wstring& text, const ContentSources& sources);
  // The composite over the current frame (every redraw).
  const Picture32& Compose(const StickerRecord& record, const std::wstring& text, const ContentSources& sources,
                           const StickerOverlays& overlays);

  int IconWidth() const { return pictures_.icon.Width(); }
  const DisplayScale& Scale() const { return pictures_.layout.scale; }

 private:
  StickerPictures pictures_;
  Picture32 composite_;
};
