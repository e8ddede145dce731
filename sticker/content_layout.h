#pragma once
// The arithmetic of a sticker's content: where the caption, the date line, the
// body text and the icon go, and how big a frame they need. The body text is
// measured by rendering it (the sticker is as big as the ink it leaves), so the
// measuring steps take a BodyTextMeasurer that the Win32 layer implements over
// GDI; everything else here is plain integers.
//
// All rectangles are in sticker pixels, left and top inclusive, right and
// bottom exclusive, as the system's text layout call gives them. The lengths
// named here and the record's layout values are lengths at 100 %; a layout
// works in the pixels of its scale, and its text is measured in fonts made
// for that scale.

#include <string_view>

#include "pixels/display_scale.h"
#include "sticker/frame_builders.h"
#include "pixels/pixel_routines.h"
#include "store/sticker_record.h"

struct LayoutRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const LayoutRect&) const = default;
};

struct LayoutPoint {
  int x = 0, y = 0;
  bool operator==(const LayoutPoint&) const = default;
};

// The largest content a frame is built around, and the lowest bottom the text
// rectangle (and so a title-bar sticker's title line) may reach.
inline constexpr int kMaxContentRight = 1024;
inline constexpr int kMaxContentBottom = 786;
inline constexpr int kMaxTextBottom = 640;
// The width of the scratch canvas the body text is first measured on.
inline constexpr int kMeasureCanvasWidth = 240;
// A content box is never shorter than this, however little ink there is.
inline constexpr int kMinContentBottom = 16;
// Room left around the ink when a canvas is made to fit measured text.
inline constexpr int kCanvasMargin = 24;
// From this content width on, the body text uses the whole content width
// instead of the record's own text width.
inline constexpr int kWideBodyRight = 241;

// How far right and down a text's shadow falls: a pixel at 100 %.
constexpr int ShadowOffset(const DisplayScale& scale) { return scale.Px(1); }

enum class TextAlignment { kLeft = 0, kCentre = 1, kRight = 2 };

// The record's alignment; values outside 0..2 read as left.
TextAlignment AlignmentOf(const StickerRecord& record);

// The body text as the measuring steps see it. An implementation works in
// the body font and with the record's word-wrap setting, always left aligned.
class BodyTextMeasurer {
 public:
  virtual ~BodyTextMeasurer() = default;
  // Height of the sample string "\WAL0".
  virtual int SampleHeight() = 0;
  // Width of the whole body text set on one line.
  virtual int TextWidth() = 0;
  // The rectangle the text layout call gives for the text inside `bounds`.
  virtual LayoutRect CalcRect(const LayoutRect& bounds) = 0;
  // Renders the text into `bounds` on a white canvas of the given size in the
  // text colour minus one, and finds the ink.
  virtual InkBox InkOf(int canvasWidth, int canvasHeight, const LayoutRect& bounds) = 0;
};

// What the full rebuild keeps from measuring, for the frame and the drawing.
struct StickerLayout {
  LayoutRect content;  // the ink of the body; right and bottom are the size framed
  LayoutRect text;     // the layout call's rectangle of the body text
  LayoutRect title;    // the text rectangle for title-bar frames, zero for no text
  int captionExtent = 0;
  int dateExtent = 0;
  int iconWidth = 0, iconHeight = 0;
  DisplayScale scale;  // what the layout's pixels are
  bool operator==(const StickerLayout&) const = default;
};

struct LayoutArgs {
  const StickerRecord& record;
  bool emptyText = true;  // the body text has no characters
  int lineCount = 1;      // 1 + the carriage returns of the body text
  int iconWidth = 0, iconHeight = 0;
  int captionWidth = 0;  // caption.line_text in the caption font
  int dateWidth = 0;     // date_line.line_text in the date font
  DisplayScale scale;
};

// 1 + the number of carriage returns.
int LineCountOf(std::wstring_view text);

// The first canvas: the sample height times (text width div 240 + lines + 4).
// Rows far below the tallest content cannot change the result, so a canvas
// that would be taller than that stops just beyond it.
int MeasureCanvasHeight(int sampleHeight, int textWidth, int lineCount, const DisplayScale& scale = {});

// Measures the body text, then the caption and the date, and applies the
// limits: the layout a full rebuild builds its frame from.
StickerLayout MeasureLayout(const LayoutArgs& args, BodyTextMeasurer& measurer);

// Whether a sticker with this layout has an icon, as the frames see it.
bool LayoutHasIcon(const StickerLayout& layout);

// The request for the style's frame builder.
FrameRequest FrameRequestFor(const StickerLayout& layout, bool expanded);

// Which of the three drawing calls a composition makes.
bool DrawsCaption(const StickerRecord& record);
bool DrawsBody(const StickerRecord& record, const StickerLayout& layout);
bool DrawsDate(const StickerRecord& record);

// Where the caption's text starts, and its shadow one pixel right and down.
LayoutPoint CaptionPosition(const StickerRecord& record, const StickerLayout& layout);

// The date line on a picture of that width; the shadow is at x + 1, y 7.
LayoutPoint DatePosition(int pictureWidth, int dateWidth, const DisplayScale& scale = {});
LayoutPoint DateShadowPosition(int pictureWidth, int dateWidth, const DisplayScale& scale = {});

struct BodyPlacement {
  LayoutRect text;
  LayoutRect shadow;
};

// The rectangles the body text and its shadow are drawn into on a picture of
// that height, per style group.
BodyPlacement BodyTextPlacement(const StickerRecord& record, const StickerLayout& layout, int pictureHeight);

// The right edge the body text is laid out against for a content width.
int BodyRightEdge(const StickerTextBlock& body, int contentRight, const DisplayScale& scale = {});

enum class IconSource { kNone, kBuiltIn, kUser };

struct IconChoice {
  IconSource source = IconSource::kNone;
  int builtInIndex = 0;  // the resource BITMAP_<index>, for built-in icons
  int userNumber = 0;    // the number in the user icon list, for user icons
  bool operator==(const IconChoice&) const = default;
};

// The record's icon value: 0 none, 1-34 the built-in icons, 35-100 built-in
// icon 1, 101 and up the user icon of that number.
IconChoice ResolveIcon(int icon);

struct IconPlacement {
  bool drawn = false;
  int addedRows = 0;  // transparent rows added at the top of the picture first
  LayoutPoint at;     // in the picture after the rows were added
  bool operator==(const IconPlacement&) const = default;
};

// Where an icon of that height goes on a picture of that height.
IconPlacement PlaceIconFor(const StickerRecord& record, int iconHeight, int pictureHeight,
                           const DisplayScale& scale = {});
