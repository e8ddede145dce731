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
constexpr int kNotepadIconShift = 2, kSmallIconTop = 4;
constexpr int kBuiltInIconCount = 34, kLastBuiltInIconValue = 100;

LayoutRect CapText(LayoutRect r) {
  r.bottom = std::min(r.bottom, kMaxTextBottom);
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

int MeasureCanvasHeight(int sampleHeight, int textWidth, int lineCount) {
  const long long lines = static_cast<long long>(std::max(textWidth, 0) / kMeasureCanvasWidth) + std::max(lineCount, 1) + kSpareCanvasLines;
  const long long height = std::max(sampleHeight, 1) * lines;
  return static_cast<int>(std::min<long long>(height, kTallestUsefulCanvas));
}

int BodyRightEdge(const StickerTextBlock& body, int contentRight) {
  return contentRight >= kWideBodyRight ? contentRight : body.layout_x + body.layout_width;
}

StickerLayout MeasureLayout(const LayoutArgs& args, BodyTextMeasurer& measurer) {
  const StickerRecord& record = args.record;
  const StickerTextBlock& body = record.body;
  StickerLayout layout;
  // Template and notepad styles leave tall icons out; the caption then
  // keeps no room for them.
  if (!IsTemplateStyle(record.style) || args.iconHeight < kUndrawnIcon) {
    layout.iconWidth = args.iconWidth;
    layout.iconHeight = args.iconHeight;
  }

  // The body text on a 240-pixel canvas, wider when a line would not fit.
  const int ownRight = body.layout_x + body.layout_width;
  int canvasWidth = kMeasureCanvasWidth;
  int canvasHeight = MeasureCanvasHeight(measurer.SampleHeight(), measurer.TextWidth(), args.lineCount);
  LayoutRect bounds{body.layout_x, body.layout_y, ownRight, canvasHeight};
  LayoutRect measured = CapText(measurer.CalcRect(bounds));
  canvasHeight = std::max(canvasHeight, measured.bottom);
  if (measured.right > ownRight) {
    canvasWidth = std::min(measured.right + kCanvasMargin, kWidestUsefulCanvas);
    bounds = {body.layout_x, body.layout_y, measured.right, canvasHeight};
    measured = CapText(measurer.CalcRect(bounds));
    canvasHeight = std::max(canvasHeight, measured.bottom);
  }
  layout.text = measured;
  layout.title = args.emptyText ? LayoutRect{} : measured;
  bounds.bottom = canvasHeight;
  const InkBox ink = measurer.InkOf(canvasWidth, canvasHeight, bounds);
  layout.content = {0, ink.top, ink.right, std::max(ink.bottom, kMinContentBottom)};

  // A caption and date that need more room than the text widen the sticker,
  // and the text is laid out again in the wider space. Title-bar styles show
  // neither, so theirs never widen the title line.
  if (HasCaptionLine(record.style)) {
    const StickerTextBlock& caption = record.caption;
    layout.captionExtent =
        args.captionWidth + caption.layout_x + (LayoutHasIcon(layout) ? layout.iconWidth + kCaptionExtentIconGap : 0);
    layout.dateExtent = record.date_line.show ? args.dateWidth : 0;
    const int needed = layout.captionExtent + layout.dateExtent + caption.layout_x + kCaptionLineSpare;
    if (needed > layout.content.right) {
      layout.content.right = needed;
      const int width = std::min(needed + kCanvasMargin, kWidestUsefulCanvas);
      const int height = layout.content.bottom + kCanvasMargin;
      const LayoutRect wider{body.layout_x, body.layout_y, BodyRightEdge(body, needed), height};
      layout.text = CapText(measurer.CalcRect(wider));
      if (!args.emptyText) layout.title = layout.text;
      const InkBox again = measurer.InkOf(width, height, wider);
      // Without ink the box would only tell the canvas's size, which the
      // margin above has just made larger; the content keeps its height.
      if (HasInk(again, height)) {
        layout.content.top = again.top;
        layout.content.bottom = std::max(again.bottom, kMinContentBottom);
        layout.content.right = std::max(needed, again.right);
      }
    }
  }

  layout.content.right = std::min(layout.content.right, kMaxContentRight);
  layout.content.bottom = std::min(layout.content.bottom, kMaxContentBottom);
  layout.title.right = std::min(layout.title.right, kMaxContentRight);
  layout.title.bottom = std::min(layout.title.bottom, kMaxContentBottom);
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
  const int iconShift = LayoutHasIcon(layout) ? layout.iconWidth + kCaptionIconGap : 0;
  return {record.caption.layout_x + iconShift, record.caption.layout_y};
}

LayoutPoint DatePosition(int pictureWidth, int dateWidth) { return {pictureWidth - dateWidth - kDateRightMargin, kDateTop}; }

LayoutPoint DateShadowPosition(int pictureWidth, int dateWidth) {
  const LayoutPoint p = DatePosition(pictureWidth, dateWidth);
  return {p.x + 1, p.y + 1};
}

BodyPlacement BodyTextPlacement(const StickerRecord& record, const StickerLayout& layout, int pictureHeight) {
  const StickerTextBlock& body = record.body;
  const int style = record.style;
  BodyPlacement placement;
  if (IsTitleBarStyle(style)) {
    const bool icon = LayoutHasIcon(layout);
    int left = icon ? layout.iconWidth + kTitleLeftBesideIcon : kTitleLeft;
    if (style == kStyleHz) left = icon ? layout.iconWidth + kWideBorderTitleLeftBesideIcon : kWideBorderTitleLeft;
    const int top = (pictureHeight - layout.title.Height()) / 2;
    placement.text = {left, top, left + layout.title.Width(), top + layout.title.Height()};
  } else if (IsNotepadStyle(style)) {
    placement.text = {body.layout_x, body.layout_y - kNotepadTextRaise, std::max(layout.text.right, kNotepadMinTextRight),
                      pictureHeight};
  } else {
    placement.text = {body.layout_x, body.layout_y, BodyRightEdge(body, layout.content.right), pictureHeight};
  }
  const LayoutRect& t = placement.text;
  placement.shadow = {t.left + 1, t.top + 1, t.right + 1, t.bottom + 1};
  return placement;
}

IconChoice ResolveIcon(int icon) {
  if (icon <= 0) return {};
  if (icon <= kBuiltInIconCount) return {IconSource::kBuiltIn, icon - 1, 0};
  if (icon <= kLastBuiltInIconValue) return {IconSource::kBuiltIn, 0, 0};
  return {IconSource::kUser, 0, icon};
}

IconPlacement PlaceIconFor(const StickerRecord& record, int iconHeight, int pictureHeight) {
  const int style = record.style;
  const int h = iconHeight;
  if (h <= 0) return {};
  if (IsTitleBarStyle(style)) {
    const int x = style == kStyleHz ? kWideBorderTitleLeft : kTitleLeft;
    return {true, 0, {x, (pictureHeight - h) / 2}};
  }
  const int n = IsNotepadStyle(style) ? kNotepadIconShift : 0;
  const int x = record.caption.layout_x - 2 + n;
  if (h < kSmallIcon) return {true, 0, {x, kSmallIconTop - n}};
  // A 17-pixel icon would need minus one row; it gets none.
  if (h < kMediumIcon) return {true, std::max(h - kMediumIconRows, 0), {x, 0}};
  if (h < kUndrawnIcon) return {true, h / 2 - kLargeIconRowsLess, {x, -n}};
  return {};
}
