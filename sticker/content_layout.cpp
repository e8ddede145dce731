#include "sticker/content_layout.h"

#include <algorithm>

#include "sticker/skin_styles.h"

namespace {

// Lines of room the first canvas leaves below the estimated text.
constexpr int kSpareCanvasLines = 4;
// A canvas this tall already shows whether the ink passes the content limit.
constexpr int kTallestUsefulCanvas = kMaxContentBottom + 2;
constexpr int kWidestUsefulCanvas = kMaxContentRight + 2;
// Caption and date: the caption sits icon width + 4 right of its place, and
// its extent counts the icon's width + 2; the line keeps 16 pixels spare.
constexpr int kCaptionIconGap = 4, kCaptionExtentIconGap = 2, kCaptionLineSpare = 16;
// The date line stands 30 pixels from the right edge, 6 from the top.
constexpr int kDateRightMargin = 30, kDateTop = 6;
// Notepad styles: the text moves 7 rows up and is never narrower than this.
constexpr int kNotepadTextRaise = 7, kNotepadMinTextRight = 79;
// Title-bar styles: where the title line starts, with and without an icon.
constexpr int kTitleLeft = 16, kTitleLeftBesideIcon = 20;
constexpr int kWideBorderTitleLeft = 31, kWideBorderTitleLeftBesideIcon = 35;
// Icons: beyond these heights rows are added above the frame, and from the
// last one on template and notepad styles leave the icon out.
constexpr int kSmallIcon = 17, kMediumIcon = 33, kUndrawnIcon = 100;
constexpr int kMediumIconRows = 18, kLargeIconRowsLess = 2;
constexpr int kNotepadIconShift = 2, kSmallIconTop = 4, kIconLeftOfCaption = 2;
constexpr int kBuiltInIconCount = 34, kLastBuiltInIconValue = 100;

LayoutRect CapText(LayoutRect r, const DisplayScale& scale) {
  r.bottom = std::min(r.bottom, scale.Px(kMaxTextBottom));
  return r;
}

// No ink at all leaves the box at the canvas's edge: the top below the last row.
bool HasInk(const InkBox& ink, int canvasHeight) { return ink.top < canvasHeight; }

}  // namespace

TextAlignment AlignmentOf(const StickerRecord& record) {
  switch (record.align) {
    case 1:
      return TextAlignment::kCentre;
    case 2:
      return TextAlignment::kRight;
    default:
      return TextAlignment::kLeft;
  }
}

int LineCountOf(std::wstring_view text) { return 1 + static_cast<int>(std::count(text.begin(), text.end(), L'\r')); }

int MeasureCanvasHeight(int sampleHeight, int textWidth, int lineCount, const DisplayScale& scale) {
  const long long lines = static_cast<long long>(std::max(textWidth, 0) / scale.Px(kMeasureCanvasWidth)) +
                          std::max(lineCount, 1) + kSpareCanvasLines;
  const long long height = std::max(sampleHeight, 1) * lines;
  return static_cast<int>(std::min<long long>(height, scale.Px(kTallestUsefulCanvas)));
}

int BodyRightEdge(const StickerTextBlock& body, int contentRight, const DisplayScale& scale) {
  return contentRight >= scale.Px(kWideBodyRight) ? contentRight : scale.Px(body.layout_x + body.layout_width);
}

StickerLayout MeasureLayout(const LayoutArgs& args, BodyTextMeasurer& measurer) {
  const StickerRecord& record = args.record;
  const StickerTextBlock& body = record.body;
  const DisplayScale& scale = args.scale;
  StickerLayout layout;
  layout.scale = scale;
  // Template and notepad styles leave tall icons out; the caption then
  // keeps no room for them.
  if (!IsTemplateStyle(record.style) || args.iconHeight < scale.Px(kUndrawnIcon)) {
    layout.iconWidth = args.iconWidth;
    layout.iconHeight = args.iconHeight;
  }

  // The body text on a 240-pixel canvas, wider when a line would not fit.
  const int bodyLeft = scale.Px(body.layout_x), bodyTop = scale.Px(body.layout_y);
  const int ownRight = scale.Px(body.layout_x + body.layout_width);
  const int margin = scale.Px(kCanvasMargin), widest = scale.Px(kWidestUsefulCanvas);
  int canvasWidth = scale.Px(kMeasureCanvasWidth);
  int canvasHeight = MeasureCanvasHeight(measurer.SampleHeight(), measurer.TextWidth(), args.lineCount, scale);
  LayoutRect bounds{bodyLeft, bodyTop, ownRight, canvasHeight};
  LayoutRect measured = CapText(measurer.CalcRect(bounds), scale);
  canvasHeight = std::max(canvasHeight, measured.bottom);
  if (measured.right > ownRight) {
    canvasWidth = std::min(measured.right + margin, widest);
    bounds = {bodyLeft, bodyTop, measured.right, canvasHeight};
    measured = CapText(measurer.CalcRect(bounds), scale);
    canvasHeight = std::max(canvasHeight, measured.bottom);
  }
  layout.text = measured;
  layout.title = args.emptyText ? LayoutRect{} : measured;
  bounds.bottom = canvasHeight;
  const InkBox ink = measurer.InkOf(canvasWidth, canvasHeight, bounds);
  const int minBottom = scale.Px(kMinContentBottom);
  layout.content = {0, ink.top, ink.right, std::max(ink.bottom, minBottom)};

  // A caption and date that need more room than the text widen the sticker,
  // and the text is laid out again in the wider space. Title-bar styles show
  // neither, so theirs never widen the title line.
  if (HasCaptionLine(record.style)) {
    const int captionLeft = scale.Px(record.caption.layout_x);
    layout.captionExtent =
        args.captionWidth + captionLeft + (LayoutHasIcon(layout) ? layout.iconWidth + scale.Px(kCaptionExtentIconGap) : 0);
    layout.dateExtent = record.date_line.show ? args.dateWidth : 0;
    const int needed = layout.captionExtent + layout.dateExtent + captionLeft + scale.Px(kCaptionLineSpare);
    if (needed > layout.content.right) {
      layout.content.right = needed;
      const int width = std::min(needed + margin, widest);
      const int height = layout.content.bottom + margin;
      const LayoutRect wider{bodyLeft, bodyTop, BodyRightEdge(body, needed, scale), height};
      layout.text = CapText(measurer.CalcRect(wider), scale);
      if (!args.emptyText) layout.title = layout.text;
      const InkBox again = measurer.InkOf(width, height, wider);
      // Without ink the box would only tell the canvas's size, which the
      // margin above has just made larger; the content keeps its height.
      if (HasInk(again, height)) {
        layout.content.top = again.top;
        layout.content.bottom = std::max(again.bottom, minBottom);
        layout.content.right = std::max(needed, again.right);
      }
    }
  }

  const int maxRight = scale.Px(kMaxContentRight), maxBottom = scale.Px(kMaxContentBottom);
  layout.content.right = std::min(layout.content.right, maxRight);
  layout.content.bottom = std::min(layout.content.bottom, maxBottom);
  layout.title.right = std::min(layout.title.right, maxRight);
  layout.title.bottom = std::min(layout.title.bottom, maxBottom);
  return layout;
}

bool LayoutHasIcon(const StickerLayout& layout) { return layout.iconWidth > 0 && layout.iconHeight >= 2; }

FrameRequest FrameRequestFor(const StickerLayout& layout, bool expanded) {
  FrameRequest request;
  request.contentWidth = layout.content.right;
  request.contentHeight = layout.content.bottom;
  request.titleWidth = layout.title.Width();
  request.titleHeight = layout.title.Height();
  request.iconWidth = layout.iconWidth;
  request.iconHeight = layout.iconHeight;
  request.expanded = expanded;
  return request;
}

bool DrawsCaption(const StickerRecord& record) {
  return HasCaptionLine(record.style) && !record.caption.line_text.View().empty();
}

bool DrawsBody(const StickerRecord& record, const StickerLayout& layout) {
  return record.expanded != 0 || (IsTitleBarStyle(record.style) && !LayoutHasIcon(layout));
}

bool DrawsDate(const StickerRecord& record) {
  return HasCaptionLine(record.style) && record.date_line.show != 0 && !record.date_line.line_text.View().empty();
}

LayoutPoint CaptionPosition(const StickerRecord& record, const StickerLayout& layout) {
  const DisplayScale& scale = layout.scale;
  const int iconShift = LayoutHasIcon(layout) ? layout.iconWidth + scale.Px(kCaptionIconGap) : 0;
  return {scale.Px(record.caption.layout_x) + iconShift, scale.Px(record.caption.layout_y)};
}

LayoutPoint DatePosition(int pictureWidth, int dateWidth, const DisplayScale& scale) {
  return {pictureWidth - dateWidth - scale.Px(kDateRightMargin), scale.Px(kDateTop)};
}

LayoutPoint DateShadowPosition(int pictureWidth, int dateWidth, const DisplayScale& scale) {
  const LayoutPoint p = DatePosition(pictureWidth, dateWidth, scale);
  return {p.x + ShadowOffset(scale), p.y + ShadowOffset(scale)};
}

BodyPlacement BodyTextPlacement(const StickerRecord& record, const StickerLayout& layout, int pictureHeight) {
  const StickerTextBlock& body = record.body;
  const DisplayScale& scale = layout.scale;
  const int style = record.style;
  BodyPlacement placement;
  if (IsTitleBarStyle(style)) {
    const bool icon = LayoutHasIcon(layout);
    int left = icon ? layout.iconWidth + scale.Px(kTitleLeftBesideIcon) : scale.Px(kTitleLeft);
    if (style == kStyleHz)
      left = icon ? layout.iconWidth + scale.Px(kWideBorderTitleLeftBesideIcon) : scale.Px(kWideBorderTitleLeft);
    const int top = (pictureHeight - layout.title.Height()) / 2;
    placement.text = {left, top, left + layout.title.Width(), top + layout.title.Height()};
  } else if (IsNotepadStyle(style)) {
    placement.text = {scale.Px(body.layout_x), scale.Px(body.layout_y - kNotepadTextRaise),
                      std::max(layout.text.right, scale.Px(kNotepadMinTextRight)), pictureHeight};
  } else {
    placement.text = {scale.Px(body.layout_x), scale.Px(body.layout_y), BodyRightEdge(body, layout.content.right, scale),
                      pictureHeight};
  }
  const LayoutRect& t = placement.text;
  const int d = ShadowOffset(scale);
  placement.shadow = {t.left + d, t.top + d, t.right + d, t.bottom + d};
  return placement;
}

IconChoice ResolveIcon(int icon) {
  if (icon <= 0) return {};
  if (icon <= kBuiltInIconCount) return {IconSource::kBuiltIn, icon - 1, 0};
  if (icon <= kLastBuiltInIconValue) return {IconSource::kBuiltIn, 0, 0};
  return {IconSource::kUser, 0, icon};
}

IconPlacement PlaceIconFor(const StickerRecord& record, int iconHeight, int pictureHeight, const DisplayScale& scale) {
  const int style = record.style;
  const int h = iconHeight;
  if (h <= 0) return {};
  if (IsTitleBarStyle(style)) {
    const int x = scale.Px(style == kStyleHz ? kWideBorderTitleLeft : kTitleLeft);
    return {true, 0, {x, (pictureHeight - h) / 2}};
  }
  const int n = IsNotepadStyle(style) ? kNotepadIconShift : 0;
  const int x = scale.Px(record.caption.layout_x - kIconLeftOfCaption + n);
  if (h < scale.Px(kSmallIcon)) return {true, 0, {x, scale.Px(kSmallIconTop - n)}};
  // A 17-pixel icon would need minus one row; it gets none.
  if (h < scale.Px(kMediumIcon)) return {true, std::max(h - scale.Px(kMediumIconRows), 0), {x, 0}};
  if (h < scale.Px(kUndrawnIcon)) return {true, h / 2 - scale.Px(kLargeIconRowsLess), {x, -scale.Px(n)}};
  return {};
}
