#include "sticker/frame_builders.h"

#include <algorithm>

#include "pixels/picture_scale.h"
#include "pixels/pixel_routines.h"
#include "pixels/resampler.h"

namespace {

// Lengths at 100 %, scaled to the DPI a frame is built for.
// Template frames: the fixed bands and columns of the 239 x 141 templates.
constexpr int kTemplateWidth = 239;
constexpr int kMinContentHeight = 39;
constexpr int kWideContent = 224;
constexpr int kNotepadNarrowContent = 76;
constexpr int kNotepadMinWidth = 95;
constexpr int kTopRows = 24, kBottomRows = 16;
constexpr int kSideColumns = 119;
constexpr int kNotepadSideColumns = 18;
constexpr int kCollapsedTopRows = 18, kCollapsedBottomRows = 10;
constexpr int kCollapsedHeight = 32, kNarrowCollapsedHeight = 38, kNotepadCollapsedHeight = 36;
// Icon frames: 16 pixels round the title, the icon 4 pixels from the text.
constexpr int kIconMargin = 16;
constexpr int kIconTextGap = 4;
// The Flat style's two-tone separator under the caption.
constexpr int kSeparatorY = 22, kSeparatorInset = 10, kSeparatorDarken = 50, kSeparatorLighten = 30;
constexpr int kSeparatorProbe = 14;
// The frame round the content: beside wide content and above and below it
// expanded; Modern and List take a little more beside.
constexpr int kWideFrame = 16, kNotepadFrame = 18;

struct Band {
  int sourceTop, sourceBottom;  // rows of the template
  int top, bottom;              // rows of the frame
};

Colour ColourAt(const Picture24& picture, int x, int y) {
  const Pixel24 p = picture.At(std::min(x, picture.Width() - 1), std::min(y, picture.Height() - 1));
  return MakeColour(p.r, p.g, p.b);
}

// Copies template rows to frame rows of the same count in three pieces: the
// side columns as they are, the columns between stretched.
void CopyRowsInThreePieces(const View24& source, const View24& destination, int side) {
  const int sw = source.width, dw = destination.width;
  const int h = std::min(source.height, destination.height);
  side = std::min({side, sw / 2, dw / 2});
  StretchCopy(SubView(source, 0, 0, side, h), SubView(destination, 0, 0, side, h));
  StretchCopy(SubView(source, side, 0, sw - 2 * side, h), SubView(destination, side, 0, dw - 2 * side, h));
  StretchCopy(SubView(source, sw - side, 0, side, h), SubView(destination, dw - side, 0, side, h));
}

// A band whose height changes goes through a work picture of the frame's
// width and is resampled to its new height.
void AssembleBand(const View24& source, const View24& destination, const Band& band, int side) {
  const int sourceRows = band.sourceBottom - band.sourceTop, rows = band.bottom - band.top;
  if (sourceRows <= 0 || rows <= 0) return;
  const View24 from = SubView(source, 0, band.sourceTop, source.width, sourceRows);
  const View24 to = SubView(destination, 0, band.top, destination.width, rows);
  if (sourceRows == rows) {
    CopyRowsInThreePieces(from, to, side);
    return;
  }
  Picture24 work(destination.width, sourceRows);
  CopyRowsInThreePieces(from, work.View(), side);
  Resample(work.View(), to);
}

std::array<Band, 3> TemplateBands(int templateHeight, int height, TemplateVariant variant, bool expanded, int dpi) {
  const int ht = templateHeight;
  if (expanded) {
    const int top = ScaleToDpi(kTopRows, dpi), bottom = ScaleToDpi(kBottomRows, dpi);
    return {{{0, top, 0, top}, {top, ht - bottom, top, height - bottom}, {ht - bottom, ht, height - bottom, height}}};
  }
  if (variant == TemplateVariant::kNarrow) {
    const int rows = ScaleToDpi(kNarrowCollapsedHeight, dpi);
    return {{{0, rows, 0, rows}, {}, {}}};
  }
  const int top = ScaleToDpi(kCollapsedTopRows, dpi), bottom = ScaleToDpi(kCollapsedBottomRows, dpi);
  return {{{0, top, 0, top}, {top, ht - bottom, top, height - bottom}, {ht - bottom, ht, height - bottom, height}}};
}

// Each of the two lines is one row at 100 % and as many rows as that row
// covers at the DPI.
void DrawFlatSeparator(Picture24& colour, int dpi) {
  const int probeAt = ScaleToDpi(kSeparatorProbe, dpi);
  const Colour probe = ColourAt(colour, probeAt, probeAt);
  const int x0 = ScaleToDpi(kSeparatorInset, dpi), x1 = colour.Width() - x0;
  const int dark = ScaleToDpi(kSeparatorY, dpi), light = ScaleToDpi(kSeparatorY + 1, dpi), end = ScaleToDpi(kSeparatorY + 2, dpi);
  for (int y = dark; y < light; ++y) HorizontalLine(colour.View(), x0, x1, y, Darken(probe, kSeparatorDarken));
  for (int y = light; y < end; ++y) HorizontalLine(colour.View(), x0, x1, y, Lighten(probe, kSeparatorLighten));
}

Picture32 Merge(const Picture24& colour, const Picture24& mask) {
  Picture32 frame(colour.Width(), colour.Height());
  ColourWithMask(colour.View(), mask.View(), frame.View());
  return frame;
}

// Cuts a picture into a 3 x 3 grid with the given borders: corners copied,
// edges and middle resampled to their new sizes. Borders that do not fit the
// destination shrink in proportion.
void NineSlice(const View24& source, const View24& destination, int left, int top, int right, int bottom) {
  const auto fit = [](int& a, int& b, int size) {
    if (a + b <= size) return;
    const int total = a + b;
    a = size * a / total;
    b = size - a;
  };
  fit(left, right, destination.width);
  fit(top, bottom, destination.height);
  fit(left, right, source.width);
  fit(top, bottom, source.height);
  const int sx[4] = {0, left, source.width - right, source.width};
  const int sy[4] = {0, top, source.height - bottom, source.height};
  const int dx[4] = {0, left, destination.width - right, destination.width};
  const int dy[4] = {0, top, destination.height - bottom, destination.height};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) {
      const View24 from = SubView(source, sx[column], sy[row], sx[column + 1] - sx[column], sy[row + 1] - sy[row]);
      const View24 to = SubView(destination, dx[column], dy[row], dx[column + 1] - dx[column], dy[row + 1] - dy[row]);
      if (from.Empty() || to.Empty()) continue;
      if (from.width == to.width && from.height == to.height)
        StretchCopy(from, to);
      else
        Resample(from, to);
    }
}

Picture32 BuildSlicedFrame(const SkinTemplate& skin, FrameSize size, int left, int top, int right, int bottom) {
  Picture24 colour(size.width, size.height), mask(size.width, size.height);
  NineSlice(skin.colour.View(), colour.View(), left, top, right, bottom);
  NineSlice(skin.mask.View(), mask.View(), left, top, right, bottom);
  return Merge(colour, mask);
}

bool HasIcon(const FrameRequest& r) { return r.iconHeight >= 2 && r.iconWidth > 0; }

}  // namespace

FrameSize TemplateFrameSize(int contentWidth, int contentHeight, int kind, TemplateVariant variant, bool expanded, int dpi) {
  const auto px = [dpi](int length) { return ScaleToDpi(length, dpi); };
  const int height = std::max(contentHeight, px(kMinContentHeight));
  int width = px(kTemplateWidth);
  if (contentWidth > px(kWideContent))
    width = contentWidth + px(kWideFrame);
  else if (kind == kModernKind)
    width = contentWidth > px(kNotepadNarrowContent) ? contentWidth + px(kNotepadFrame) : px(kNotepadMinWidth);
  if (expanded) return {width, height + px(kWideFrame)};
  switch (variant) {
    case TemplateVariant::kNarrow:
      return {width, px(kNarrowCollapsedHeight)};
    case TemplateVariant::kNotepad:
      return {width, px(kNotepadCollapsedHeight)};
    default:
      return {width, px(kCollapsedHeight)};
  }
}

Picture32 BuildTemplateFrame(const SkinTemplate& skin, const FrameRequest& request, int kind, TemplateVariant variant, int dpi) {
  const FrameSize size = TemplateFrameSize(request.contentWidth, request.contentHeight, kind, variant, request.expanded, dpi);
  const int side = ScaleToDpi(variant == TemplateVariant::kNotepad ? kNotepadSideColumns : kSideColumns, dpi);
  Picture24 colour(size.width, size.height), mask(size.width, size.height);
  for (const Band& band : TemplateBands(skin.colour.Height(), size.height, variant, request.expanded, dpi)) {
    AssembleBand(skin.colour.View(), colour.View(), band, side);
    AssembleBand(skin.mask.View(), mask.View(), band, side);
  }
  if (variant == TemplateVariant::kFlat && request.expanded) DrawFlatSeparator(colour, dpi);
  return Merge(colour, mask);
}

FrameSize WindowFrameSize(const FrameRequest& r, const WindowMetrics& m, int dpi) {
  const auto px = [dpi](int length) { return ScaleToDpi(length, dpi); };
  const bool icon = HasIcon(r);
  const bool iconOnly = icon && !r.expanded;
  const int innerWidth = iconOnly ? r.iconWidth : r.titleWidth + (icon ? r.iconWidth + px(kIconTextGap) : 0);
  const int innerHeight = iconOnly ? r.iconHeight : std::max(r.titleHeight, icon ? r.iconHeight : 0);
  return {std::max(px(m.minWidth), innerWidth + px(m.left) + px(m.right)),
          std::max(px(m.minHeight), innerHeight + px(m.top) + px(m.bottom))};
}

Picture32 BuildWindowFrame(const SkinTemplate& skin, const FrameRequest& request, const WindowMetrics& m, int dpi) {
  const auto px = [dpi](int length) { return ScaleToDpi(length, dpi); };
  return BuildSlicedFrame(skin, WindowFrameSize(request, m, dpi), px(m.left), px(m.top), px(m.right), px(m.bottom));
}

FrameSize IconFrameSize(const FrameRequest& r, int dpi) {
  const int frame = 2 * ScaleToDpi(kIconMargin, dpi), gap = ScaleToDpi(kIconTextGap, dpi);
  if (!HasIcon(r)) return {r.titleWidth + frame, r.titleHeight + frame};
  if (!r.expanded) return {r.iconWidth + frame, r.iconHeight + frame};
  return {r.iconWidth + gap + r.titleWidth + frame, std::max(r.iconHeight, r.titleHeight) + frame};
}

Picture32 BuildIconFrame(const SkinTemplate& skin, const FrameRequest& request, int dpi) {
  const int margin = ScaleToDpi(kIconMargin, dpi);
  return BuildSlicedFrame(skin, IconFrameSize(request, dpi), margin, margin, margin, margin);
}

Picture32 BuildStyleFrame(int style, const SkinLookup& skins, const FrameRequest& request, int dpi) {
  const SkinStyle& entry = Style(style);
  const Picture24* colour = skins(entry.colourName, dpi);
  const Picture24* mask = skins(entry.maskName, dpi);
  if (!colour || !mask || colour->Width() == 0 || mask->Width() == 0) return {};
  const SkinTemplate skin{*colour, *mask};
  Picture32 frame;
  switch (entry.builder) {
    case FrameBuilder::kTemplate:
      frame = BuildTemplateFrame(skin, request, entry.kind, entry.variant, dpi);
      break;
    case FrameBuilder::kWindow:
      frame = BuildWindowFrame(skin, request, entry.metrics, dpi);
      break;
    case FrameBuilder::kIcon:
      frame = BuildIconFrame(skin, request, dpi);
      break;
  }
  if (entry.clearFrame) Clear(frame.View());
  return frame;
}
