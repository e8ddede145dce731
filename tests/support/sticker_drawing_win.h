#pragma once
// Stickers drawn for tests the way a sticker window draws them: a full
// rebuild, the composition and the icon, from the built program's artwork.

#include <string_view>

#include "sticker/sticker_content_win.h"
#include "store/tat_bitmap.h"
#include "support/sticker_artwork_win.h"

struct DrawnSticker {
  StickerPictures pictures;
  Picture32 composite;
  int addedRows = 0;
};

// A record of the style with the given ANSI caption, date and body text.
StickerRecord NoteRecord(int style, std::string_view text, std::string_view caption = "", std::string_view date = "",
                         Colour colour = 0x5ACDF0);

DrawnSticker DrawSticker(const StickerRecord& record, const TATBitmap* userIcons = nullptr,
                         const DisplayScale& scale = {});

// An opaque square icon of one colour, for user icon lists.
Picture32 SolidIcon(int width, int height, Pixel32 colour);

// A 32-bit picture scaled by repeating or dropping pixels.
Picture32 ScaledIcon(const Picture32& icon, int width, int height);
