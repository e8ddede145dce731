#pragma once
// A sticker's picture from its record: the fonts, measuring the body text by
// rendering it, the frame around the measured content, and the caption, body
// text, date line and icon drawn onto the 32-bit composite. The sticker
// window, the pattern preview and the tests all build pictures through here.
//
// A full rebuild calls RebuildSticker (layout, icon and frame); every redraw
// then calls ComposeSticker (frame, tint, caption, body, date), draws its pin
// and pop-up buttons, and calls PlaceIcon last.

#include <windows.h>

#include <string>
#include <string_view>

#include "sticker/frame_cache.h"
#include "sticker/sticker_font_win.h"
#include "win/handles_win.h"
#include "sticker/content_layout.h"
#include "pixels/picture.h"
#include "pixels/picture_scale.h"
#include "store/clock.h"
#include "store/date_time.h"
#include "store/sticker_record.h"

class TMUI;

class ScaledSkins;
class TATBitmap;

// What stickers are drawn from, lent read-only.
struct ContentSources {
  const ScaledSkins* skins = nullptr;    // not owned
  const TATBitmap* userIcons = nullptr;  // not owned
  HMODULE iconModule = nullptr;          // holds BITMAP_0..BITMAP_33; the program itself when null
  const TMUI* texts = nullptr;           // not owned: calendars' names; built-in English when null
  const Clock* clock = nullptr;          // not owned: calendars' today; the system clock when null
  FrameCache* frames = nullptr;          // not owned: frames shared between windows; none kept when null
  int dpi = kDefaultDpi;                 // the display scale pictures are made for
};

// The caption, date and body fonts of a record, sized in points for the
// pixels of a scale; bold and italic apply to the body only.
class StickerFonts {
 public:
  StickerFonts() = default;
  StickerFonts(const StickerRecord& record, const DisplayScale& scale);
  HFONT Caption() const { return caption_.Get(); }
  HFONT Date() const { return date_.Get(); }
  HFONT Body() const { return body_.Get(); }
  const DisplayScale& Scale() const { return scale_; }
  bool Valid() const { return caption_ && date_ && body_; }

 private:
  UniqueFont caption_, date_, body_;
  DisplayScale scale_;
};


// Today for the calendars drawn from these sources.
CivilTime TodayOf(const ContentSources& sources);

// The body text as drawn: the record's ANSI text in the system code page.
std::wstring BodyTextOf(const StickerRecord& record);

// The width of a line of text in a font.
int TextWidthIn(HFONT font, std::wstring_view text);

// What a full rebuild leaves for the redraws.
struct StickerPictures {
  ContentSources sources;  // of the last rebuild, for the calendars the redraws draw
  StickerLayout layout;
  Picture32 frame;  // the style's frame, untinted
  Picture32 icon;   // 0 x 0 without an icon
  StickerFonts fonts;
};

// Sets `icon` to the picture of the record's icon value at the sources' DPI
// (users' icons, drawn for 100 %, resampled). A user icon number the list
// does not hold leaves `icon` as it was.
void LoadStickerIcon(int iconValue, const ContentSources& sources, Picture32& icon);

// Measures body text, caption and date of a record whose icon has that size,
// at the scale the fonts were made for.
StickerLayout MeasureSticker(const StickerRecord& record, std::wstring_view text, const StickerFonts& fonts, int iconWidth,
                             int iconHeight);

// The full rebuild's part at the sources' scale: fonts, icon, layout and the
// untinted frame.
void RebuildSticker(const StickerRecord& record, std::wstring_view text, const ContentSources& sources,
                    StickerPictures& pictures);

// The redraw's part up to the pin: the composite becomes the frame, tinted
// when the record uses its colour, with caption, body text and date on it.
void ComposeSticker(const StickerRecord& record, std::wstring_view text, const StickerPictures& pictures,
                    Picture32& composite);

// The three drawing calls ComposeSticker makes, each drawing only when the
// style and the record ask for it.
void DrawCaption(const StickerRecord& record, const StickerPictures& pictures, Picture32& composite);
void DrawBody(const StickerRecord& record, std::wstring_view text, const StickerPictures& pictures, Picture32& composite);
void DrawDate(const StickerRecord& record, const StickerPictures& pictures, Picture32& composite);

// Blends the icon in where the layout puts it; for icons of 17 to 99 pixels
// in template and notepad styles the composite first grows transparent rows
// at the top. Returns the rows added.
int PlaceIcon(const StickerRecord& record, const StickerPictures& pictures, Picture32& composite);
