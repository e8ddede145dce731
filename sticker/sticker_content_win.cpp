#include "sticker/sticker_content_win.h"

#include <algorithm>
#include <cstring>

#include "lang/tmui.h"
#include "sticker/calendar_painter_win.h"
#include "sticker/sticker_font_win.h"
#include "store/local_time_win.h"
#include "win/text_convert_win.h"
#include "win/dib_picture_win.h"
#include "sticker/frame_builders.h"
#include "pixels/pixel_routines.h"
#include "sticker/skin_styles.h"
#include "store/resource_bitmap_win.h"
#include "pixels/scaled_picture.h"
#include "store/scaled_skins.h"
#include "store/tat_bitmap.h"

namespace {

constexpr COLORREF kMaskInk = RGB(255, 255, 255);
// Values with this high byte name a system colour by its index.
constexpr Colour kSystemColourFlag = 0x80000000;
constexpr wchar_t kSampleText[] = L"\\WAL0";

// A colour value as GDI draws it: system colours become what they show.
COLORREF PlainColour(Colour colour) {
  if ((colour & 0xFF000000) == kSystemColourFlag) return GetSysColor(static_cast<int>(colour & 0xFF));
  return colour & 0xFFFFFF;
}

// The body text is measured one below its colour so that white text still
// leaves ink on the white canvas.
COLORREF MeasuringColour(Colour colour) {
  const COLORREF plain = PlainColour(colour);
  return plain == 0 ? 0 : plain - 1;
}

// A memory device context with a font selected, for measuring.
class FontDc {
 public:
  explicit FontDc(HFONT font) : dc_(CreateCompatibleDC(nullptr)), font_(dc_.Get(), font) {}
  HDC Get() const { return dc_.Get(); }

 private:
  UniqueMemoryDc dc_;
  ScopedSelectObject font_;
};

int FontHeight(HFONT font) {
  FontDc dc(font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  return metrics.tmHeight;
}

UINT LayoutFlags(const StickerRecord& record, bool measuring) {
  UINT flags = DT_EXPANDTABS;
  if (record.word_wrap) flags |= DT_WORDBREAK;
  if (measuring) return flags;
  switch (AlignmentOf(record)) {
    case TextAlignment::kCentre:
      return flags | DT_CENTER;
    case TextAlignment::kRight:
      return flags | DT_RIGHT;
    case TextAlignment::kLeft:
      break;
  }
  return flags;
}

RECT ToRect(const LayoutRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void FillWhite(const View24& picture) {
  if (!picture.Empty()) std::memset(picture.bits, 0xFF, static_cast<std::size_t>(picture.stride) * picture.height);
}

// The body text measured by drawing it with GDI.
class GdiBodyMeasurer final : public BodyTextMeasurer {
 public:
  GdiBodyMeasurer(const StickerRecord& record, std::wstring_view text, HFONT font)
      : record_(record), text_(text), font_(font), dc_(font) {}

  int SampleHeight() override {
    SIZE size{};
    GetTextExtentPoint32W(dc_.Get(), kSampleText, static_cast<int>(std::wcslen(kSampleText)), &size);
    return size.cy;
  }
  int TextWidth() override { return TextWidthIn(font_, text_); }
  LayoutRect CalcRect(const LayoutRect& bounds) override {
    if (text_.empty()) return {bounds.left, bounds.top, bounds.left, bounds.top};
    RECT r = ToRect(bounds);
    DrawTextW(dc_.Get(), text_.data(), static_cast<int>(text_.size()), &r, DT_CALCRECT | LayoutFlags(record_, true));
    return {r.left, r.top, r.right, r.bottom};
  }
  InkBox InkOf(int canvasWidth, int canvasHeight, const LayoutRect& bounds) override {
    DibPicture24 canvas(canvasWidth, canvasHeight);
    FillWhite(canvas.View());
    if (!text_.empty()) {
      DibDrawingContext dc(canvas.Bitmap());
      ScopedSelectObject font(dc.Get(), font_);
      SetBkMode(dc.Get(), TRANSPARENT);
      SetTextColor(dc.Get(), MeasuringColour(record_.body.color));
      RECT r = ToRect(bounds);
      DrawTextW(dc.Get(), text_.data(), static_cast<int>(text_.size()), &r, LayoutFlags(record_, true));
      GdiFlush();
    }
    return FindInkBox(canvas.View());
  }

 private:
  const StickerRecord& record_;
  std::wstring_view text_;
  HFONT font_;  // not owned
  FontDc dc_;
};

// The text bitmap of one drawing call over the composite's top rows: the
// composite's own colours, and with it a mask on which the same text is
// drawn white on black as its coverage.
class TextCanvas {
 public:
  TextCanvas(const Picture32& composite, int rows, bool withMask)
      : rows_(std::clamp(rows, 0, composite.Height())),
        colour_(composite.Width(), rows_),
        mask_(withMask ? composite.Width() : 0, rows_),
        colourDc_(colour_.Bitmap()),
        maskDc_(mask_.Bitmap()) {
    Copy32To24(composite.View(), colour_.View());
    for (HDC dc : {colourDc_.Get(), maskDc_.Get()}) SetBkMode(dc, TRANSPARENT);
  }

  bool Empty() const { return colour_.View().Empty(); }

  // Draws with `draw(dc, offset)` into the text bitmap and the mask: the
  // shadow `shadowOffset` pixels right and down first when it is not 0,
  // then the text at offset 0.
  template <typename Draw>
  void Write(HFONT font, int shadowOffset, Colour shadowColour, Colour textColour, Draw draw) {
    DrawOn(colourDc_.Get(), font, shadowOffset, PlainColour(shadowColour), PlainColour(textColour), draw);
    if (mask_.Bitmap()) DrawOn(maskDc_.Get(), font, shadowOffset, kMaskInk, kMaskInk, draw);
  }

  // Colour from the text bitmap, alpha raised to the mask's coverage.
  void MergeInto(Picture32& composite) {
    GdiFlush();
    TextMerge(colour_.View(), mask_.View(), composite.View(), 0, 0);
  }

  // The colours only; the composite's alpha stays.
  void CopyColoursInto(Picture32& composite) {
    GdiFlush();
    Copy24To32(colour_.View(), SubView(composite.View(), 0, 0, colour_.Width(), rows_));
  }

 private:
  template <typename Draw>
  static void DrawOn(HDC dc, HFONT font, int shadowOffset, COLORREF shadowColour, COLORREF textColour, Draw& draw) {
    ScopedSelectObject selected(dc, font);
    if (shadowOffset != 0) {
      SetTextColor(dc, shadowColour);
      draw(dc, shadowOffset);
    }
    SetTextColor(dc, textColour);
    draw(dc, 0);
  }

  int rows_;
  DibPicture24 colour_;
  DibPicture24 mask_;
  DibDrawingContext colourDc_;
  DibDrawingContext maskDc_;
};

// The rows a line of text at y in that font can touch, its shadow included.
int LineBand(HFONT font, int y, const DisplayScale& scale) { return y + FontHeight(font) + 2 * ShadowOffset(scale); }

// The shadow's offset when the block asks for one, else 0.
int ShadowOf(bool wanted, const DisplayScale& scale) { return wanted ? ShadowOffset(scale) : 0; }

const TMUI& TextsOf(const ContentSources& sources) {
  static const TMUI builtinEnglish;
  return sources.texts ? *sources.texts : builtinEnglish;
}

const StickerFonts& FontsOf(const StickerPictures& pictures, const StickerRecord& record, StickerFonts& local) {
  if (pictures.fonts.Valid()) return pictures.fonts;
  local = StickerFonts(record, pictures.layout.scale);
  return local;
}

}  // namespace

StickerFonts::StickerFonts(const StickerRecord& record, const DisplayScale& scale)
    : caption_(MakeStickerFont(record.caption.font_name, record.caption.font_size, false, false, scale)),
      date_(MakeStickerFont(record.date_line.font_name, record.date_line.font_size, false, false, scale)),
      body_(MakeStickerFont(record.body.font_name, record.body.font_size, (record.font_style & 1) != 0,
                            (record.font_style & 2) != 0, scale)),
      scale_(scale) {}

CivilTime TodayOf(const ContentSources& sources) {
  return DecodeDateTime(sources.clock ? sources.clock->Now().local : LocalNow());
}

std::wstring BodyTextOf(const StickerRecord& record) { return WideFromAnsi(GetStickerText(record)); }

int TextWidthIn(HFONT font, std::wstring_view text) {
  if (text.empty()) return 0;
  FontDc dc(font);
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void LoadStickerIcon(int iconValue, const ContentSources& sources, Picture32& icon) {
  const IconChoice choice = ResolveIcon(iconValue);
  switch (choice.source) {
    case IconSource::kNone:
      icon = Picture32();
      return;
    case IconSource::kBuiltIn: {
      ResourceBitmap loaded =
          LoadScaledPicture(L"BITMAP_" + std::to_wstring(choice.builtInIndex), sources.dpi, sources.iconModule);
      icon = loaded.status == ResourceLoadStatus::kOk ? std::move(loaded.picture) : Picture32();
      return;
    }
    case IconSource::kUser: {
      const int found = sources.userIcons ? sources.userIcons->Find(choice.userNumber) : -1;
      if (found >= 0) icon = PictureForDpi(sources.userIcons->PictureAt(found), sources.dpi);
      return;
    }
  }
}

StickerLayout MeasureSticker(const StickerRecord& record, std::wstring_view text, const StickerFonts& fonts, int iconWidth,
                             int iconHeight) {
  GdiBodyMeasurer measurer(record, text, fonts.Body());
  LayoutArgs args{record};
  args.emptyText = text.empty();
  args.lineCount = LineCountOf(text);
  args.iconWidth = iconWidth;
  args.iconHeight = iconHeight;
  args.scale = fonts.Scale();
  if (HasCaptionLine(record.style)) {
    args.captionWidth = TextWidthIn(fonts.Caption(), WideFromAnsi(record.caption.line_text.View()));
    args.dateWidth = TextWidthIn(fonts.Date(), WideFromAnsi(record.date_line.line_text.View()));
  }
  return MeasureLayout(args, measurer);
}

void RebuildSticker(const StickerRecord& record, std::wstring_view text, const ContentSources& sources,
                    StickerPictures& pictures) {
  const DisplayScale scale(sources.dpi);
  pictures.sources = sources;
  pictures.fonts = StickerFonts(record, scale);
  LoadStickerIcon(record.icon, sources, pictures.icon);
  pictures.layout = MeasureSticker(record, text, pictures.fonts, pictures.icon.Width(), pictures.icon.Height());
  const std::string_view notation = GetStickerText(record);
  if (IsCalendar(notation)) {
    const CalendarPainter calendar(record, pictures.fonts.Body(), notation, TextsOf(sources), TodayOf(sources), scale);
    FitCalendar(pictures.layout, calendar.Size(), IsNotepadStyle(record.style));
  }
  const ScaledSkins* skins = sources.skins;
  const SkinLookup lookup = [skins](std::string_view name, int dpi) -> const Picture24* {
    return skins ? skins->Find24(name, dpi) : nullptr;
  };
  const FrameRequest request = FrameRequestFor(pictures.layout, record.expanded != 0);
  pictures.frame = sources.frames ? sources.frames->Frame(record.style, lookup, request, sources.dpi)
                                  : BuildStyleFrame(record.style, lookup, request, sources.dpi);
}

void ComposeSticker(const StickerRecord& record, std::wstring_view text, const StickerPictures& pictures,
                    Picture32& composite) {
  composite = pictures.frame;
  if (record.use_color) Tint(composite.View(), PlainColour(record.color));
  DrawCaption(record, pictures, composite);
  DrawBody(record, text, pictures, composite);
  DrawDate(record, pictures, composite);
}

void DrawCaption(const StickerRecord& record, const StickerPictures& pictures, Picture32& composite) {
  if (!DrawsCaption(record)) return;
  StickerFonts local;
  const StickerFonts& fonts = FontsOf(pictures, record, local);
  const std::wstring caption = WideFromAnsi(record.caption.line_text.View());
  const LayoutPoint at = CaptionPosition(record, pictures.layout);
  const DisplayScale& scale = fonts.Scale();
  TextCanvas canvas(composite, LineBand(fonts.Caption(), at.y, scale), true);
  if (canvas.Empty()) return;
  canvas.Write(fonts.Caption(), ShadowOf(record.caption.use_shadow != 0, scale), record.body.shadow_color, record.body.color,
                  [&](HDC dc, int offset) {
                    TextOutW(dc, at.x + offset, at.y + offset, caption.data(), static_cast<int>(caption.size()));
                  });
  canvas.MergeInto(composite);
}

void DrawBody(const StickerRecord& record, std::wstring_view text, const StickerPictures& pictures, Picture32& composite) {
  if (text.empty() || !DrawsBody(record, pictures.layout)) return;
  StickerFonts local;
  const StickerFonts& fonts = FontsOf(pictures, record, local);
  const BodyPlacement placement = BodyTextPlacement(record, pictures.layout, composite.Height());
  const UINT flags = LayoutFlags(record, false) | DT_NOCLIP;
  TextCanvas canvas(composite, composite.Height(), true);
  if (canvas.Empty()) return;
  const std::string_view notation = GetStickerText(record);
  if (IsCalendar(notation)) {  // a month instead of the text, parsed afresh so that it follows the date
    const CalendarPainter calendar(record, fonts.Body(), notation, TextsOf(pictures.sources), TodayOf(pictures.sources),
                                   fonts.Scale());
    canvas.Write(fonts.Body(), ShadowOf(record.body.use_shadow != 0, fonts.Scale()), record.body.shadow_color, record.body.color,
                 [&](HDC dc, int offset) { calendar.Draw(dc, placement.text.left + offset, placement.text.top + offset); });
  } else {
    canvas.Write(fonts.Body(), ShadowOf(record.body.use_shadow != 0, fonts.Scale()), record.body.shadow_color,
                 record.body.color, [&](HDC dc, int offset) {
                   RECT r = ToRect(offset ? placement.shadow : placement.text);
                   DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, flags);
                 });
  }
  canvas.MergeInto(composite);
}

void DrawDate(const StickerRecord& record, const StickerPictures& pictures, Picture32& composite) {
  if (!DrawsDate(record)) return;
  StickerFonts local;
  const StickerFonts& fonts = FontsOf(pictures, record, local);
  const std::wstring date = WideFromAnsi(record.date_line.line_text.View());
  const int width = TextWidthIn(fonts.Date(), date);
  const DisplayScale& scale = fonts.Scale();
  const LayoutPoint at = DatePosition(composite.Width(), width, scale);
  const LayoutPoint shadowAt = DateShadowPosition(composite.Width(), width, scale);
  TextCanvas canvas(composite, LineBand(fonts.Date(), shadowAt.y, scale), false);
  if (canvas.Empty()) return;
  canvas.Write(fonts.Date(), ShadowOf(record.date_line.use_shadow != 0, scale), record.body.shadow_color, record.date_line.color,
                  [&](HDC dc, int offset) {
                    const LayoutPoint p = offset ? shadowAt : at;
                    TextOutW(dc, p.x, p.y, date.data(), static_cast<int>(date.size()));
                  });
  canvas.CopyColoursInto(composite);
}

int PlaceIcon(const StickerRecord& record, const StickerPictures& pictures, Picture32& composite) {
  const IconPlacement placement = PlaceIconFor(record, pictures.icon.Height(), composite.Height(), pictures.layout.scale);
  if (!placement.drawn || pictures.icon.Width() == 0) return 0;
  if (placement.addedRows > 0) Enlarge(composite, 0, placement.addedRows);
  AlphaBlend(pictures.icon.View(), composite.View(), placement.at.x, placement.at.y);
  return placement.addedRows;
}
