#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sticker/content_layout.h"
#include "sticker/skin_styles.h"

namespace {

// A stand-in for the font: every character 6 pixels wide, lines 13 high, ink
// from row 2 to row 10 of a line and over all but the last column of it.
// Paragraphs are given by their character counts.
class FixedPitchMeasurer final : public BodyTextMeasurer {
 public:
  static constexpr int kCharWidth = 6, kLineHeight = 13;

  explicit FixedPitchMeasurer(std::vector<int> paragraphs, bool wrap = true) : paragraphs_(std::move(paragraphs)), wrap_(wrap) {}

  int SampleHeight() override { return kLineHeight; }
  int TextWidth() override {
    int chars = 0;
    for (int p : paragraphs_) chars += p;
    return chars * kCharWidth;
  }
  LayoutRect CalcRect(const LayoutRect& bounds) override {
    calcBounds.push_back(bounds);
    const std::vector<int> lines = Lines(bounds.Width());
    const int widest = *std::max_element(lines.begin(), lines.end());
    return {bounds.left, bounds.top, bounds.left + widest, bounds.top + kLineHeight * static_cast<int>(lines.size())};
  }
  InkBox InkOf(int canvasWidth, int canvasHeight, const LayoutRect& bounds) override {
    canvases.push_back({canvasWidth, canvasHeight});
    inkBounds.push_back(bounds);
    InkBox box{0, canvasHeight, 0, canvasHeight - 1};
    bool any = false;
    const std::vector<int> lines = Lines(bounds.Width());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == 0) continue;
      const int top = bounds.top + kLineHeight * static_cast<int>(i) + 2;
      const int bottom = std::min(top + 8, canvasHeight - 1);
      const int right = std::min(bounds.left + lines[i] - 2, canvasWidth - 1);
      if (top >= canvasHeight || bounds.left >= canvasWidth) continue;
      box.top = any ? std::min(box.top, top) : top;
      box.bottom = any ? std::max(box.bottom, bottom) : bottom;
      box.right = any ? std::max(box.right, right) : right;
      any = true;
    }
    return box;
  }

  std::vector<LayoutRect> calcBounds, inkBounds;
  std::vector<std::pair<int, int>> canvases;

 private:
  std::vector<int> Lines(int width) const {
    const int perLine = std::max(width / kCharWidth, 1);
    std::vector<int> lines;
    for (int chars : paragraphs_) {
      if (!wrap_ || chars <= perLine) {
        lines.push_back(chars * kCharWidth);
        continue;
      }
      for (; chars > 0; chars -= perLine) lines.push_back(std::min(chars, perLine) * kCharWidth);
    }
    return lines;
  }

  std::vector<int> paragraphs_;
  bool wrap_;
};

StickerRecord Record(int style, std::string_view caption = "", std::string_view date = "", bool showDate = false) {
  StickerRecord r = NewStickerRecord(0x808080);
  r.style = static_cast<std::uint16_t>(style);
  r.caption.line_text.Assign(caption);
  r.date_line.line_text.Assign(date);
  r.date_line.show = showDate ? 1 : 0;
  return r;
}

StickerLayout Measure(const StickerRecord& r, FixedPitchMeasurer& m, int lines = 1, int captionWidth = 0, int dateWidth = 0,
                      int iconWidth = 0, int iconHeight = 0) {
  LayoutArgs args{r};
  args.emptyText = m.TextWidth() == 0;
  args.lineCount = lines;
  args.captionWidth = captionWidth;
  args.dateWidth = dateWidth;
  args.iconWidth = iconWidth;
  args.iconHeight = iconHeight;
  return MeasureLayout(args, m);
}

TEST(ContentLayout, FirstCanvasHeightCountsLinesAndWrappedWidth) {
  struct Case { int sample, width, lines, expected; };
  const Case cases[] = {
      {13, 0, 1, 65},         // empty text: 1 line + 4 spare
      {13, 239, 1, 65},       // still under one canvas width
      {13, 480, 2, 13 * 8},   // two canvas widths of text + 2 lines + 4
      {16, 0, 3, 16 * 7},
      {13, 12000, 1, 13 * 55},
      {13, 24000, 1, 788},    // taller than any content can be: stops beyond the limit
      {13, 0, 2049, 788},
      {0, 0, 1, 5},           // a font without height still gives a canvas
  };
  for (const Case& c : cases)
    EXPECT_EQ(MeasureCanvasHeight(c.sample, c.width, c.lines), c.expected) << c.sample << " " << c.width << " " << c.lines;
  EXPECT_EQ(LineCountOf(L""), 1);
  EXPECT_EQ(LineCountOf(L"one\r\ntwo\r\nthree"), 3);
  EXPECT_EQ(LineCountOf(L"no carriage\nreturns"), 1);
}

TEST(ContentLayout, BodyTextIsMeasuredFromItsInk) {
  struct Case {
    const char* what;
    std::vector<int> paragraphs;
    bool wrap;
    int layoutY;
    LayoutRect content, text;
  };
  const Case cases[] = {
      // one word of 5 characters at (16, 26): ink columns 16..44, rows 28..36
      {"short word", {5}, true, 26, {0, 28, 44, 36}, {16, 26, 46, 39}},
      // at the very top the ink ends at row 10: the box is kept 16 high
      {"short word at the top", {5}, true, 0, {0, 2, 44, 16}, {16, 0, 46, 13}},
      // 80 characters wrap at 34 per line (208 / 6) into three lines
      {"wrapped paragraph", {80}, true, 26, {0, 28, 218, 62}, {16, 26, 220, 65}},
      {"two paragraphs", {3, 10}, true, 26, {0, 28, 74, 49}, {16, 26, 76, 52}},
  };
  for (const Case& c : cases) {
    StickerRecord r = Record(5);
    r.body.layout_y = c.layoutY;
    FixedPitchMeasurer m(c.paragraphs, c.wrap);
    const StickerLayout layout = Measure(r, m, static_cast<int>(c.paragraphs.size()));
    EXPECT_EQ(layout.content, c.content) << c.what;
    EXPECT_EQ(layout.text, c.text) << c.what;
    EXPECT_EQ(layout.title, c.text) << c.what;
    ASSERT_EQ(m.canvases.size(), 1u) << c.what;
    EXPECT_EQ(m.canvases[0].first, kMeasureCanvasWidth) << c.what;
    // Measured against the record's own text width, left aligned
    EXPECT_EQ(m.calcBounds[0].right, 16 + 208) << c.what;
  }
}

TEST(ContentLayout, ALineWiderThanTheTextWidthWidensTheCanvas) {
  StickerRecord r = Record(5);
  r.word_wrap = 0;
  FixedPitchMeasurer m({60}, false);  // 360 pixels on one line
  const StickerLayout layout = Measure(r, m);
  ASSERT_EQ(m.calcBounds.size(), 2u);
  EXPECT_EQ(m.calcBounds[1].right, 16 + 360);  // measured again with its own right edge
  ASSERT_EQ(m.canvases.size(), 1u);
  EXPECT_EQ(m.canvases[0].first, 16 + 360 + 24);
  EXPECT_EQ(layout.content.right, 16 + 360 - 2);
  EXPECT_EQ(layout.text.right, 16 + 360);

  FixedPitchMeasurer huge({1000}, false);  // 6000 pixels: the canvas stops beyond the limit
  const StickerLayout wide = Measure(r, huge);
  EXPECT_EQ(huge.canvases[0].first, kMaxContentRight + 2);
  EXPECT_EQ(wide.content.right, kMaxContentRight);
  EXPECT_EQ(wide.title.right, kMaxContentRight);
}

TEST(ContentLayout, AVeryLongTextStopsAtTheLimits) {
  StickerRecord r = Record(5);
  std::vector<int> paragraphs(200, 10);
  FixedPitchMeasurer m(paragraphs);
  const StickerLayout layout = Measure(r, m, 200);
  EXPECT_EQ(layout.content.bottom, kMaxContentBottom);
  EXPECT_EQ(layout.text.bottom, kMaxTextBottom);
  EXPECT_EQ(layout.title.bottom, kMaxTextBottom);
  // 50 lines: the text rectangle stops at 640, the ink below it still counts
  FixedPitchMeasurer medium(std::vector<int>(50, 10));
  const StickerLayout tall = Measure(r, medium, 50);
  EXPECT_EQ(tall.text.bottom, kMaxTextBottom);
  EXPECT_EQ(tall.content.bottom, 26 + 49 * 13 + 10);
  EXPECT_GT(tall.content.bottom, kMaxTextBottom);
}

TEST(ContentLayout, EmptyTextHasNoTitleAndTheCanvasForHeight) {
  FixedPitchMeasurer m({0});
  const StickerLayout layout = Measure(Record(12), m);
  EXPECT_EQ(layout.title, LayoutRect{});
  EXPECT_EQ(layout.content.right, 0);
  EXPECT_EQ(layout.content.bottom, 64);  // no ink: the bottom row of the 65-row canvas
}

TEST(ContentLayout, ALongCaptionOrDateWidensTheStickerAndTheTextFollows) {
  struct Case {
    const char* what;
    int style, captionWidth, dateWidth;
    bool showDate;
    int iconWidth;
    int contentRight;   // after the caption check
    int remeasures;     // extra CalcRect calls
    int bodyRight;      // right edge of the second measurement
  };
  const Case cases[] = {
      // 14 + 100 + 14 + 16 = 144 is under the text's 218: nothing changes
      {"short caption", 5, 100, 0, true, 0, 218, 0, 0},
      // 14 + 200 + 40 + 14 + 16 = 284
      {"caption and date", 5, 200, 40, true, 0, 284, 1, 284},
      // the date counts only when shown
      {"date hidden", 5, 170, 40, false, 0, 218, 0, 0},
      // an icon adds its width + 2: 14 + 180 + 34 + 14 + 16 = 258
      {"caption beside an icon", 0, 180, 0, false, 32, 258, 1, 258},
      // an icon too tall to be drawn in a template style takes no room
      {"caption beside an undrawn icon", 0, 150, 0, false, 100, 218, 0, 0},
      // under 241 the text keeps its own right edge when measured again
      {"slightly wider", 5, 200, 0, false, 0, 244, 1, 244},
      {"narrowly wider", 5, 196, 0, false, 0, 240, 1, 224},
      // title-bar and notepad styles show no caption line
      {"title bar", 12, 400, 40, true, 0, 218, 0, 0},
      {"notepad", 9, 400, 40, true, 0, 218, 0, 0},
  };
  for (const Case& c : cases) {
    const StickerRecord r = Record(c.style, "Caption", "01.02.24", c.showDate);
    FixedPitchMeasurer m({80});  // three lines, widest 204
    const StickerLayout layout = Measure(r, m, 1, c.captionWidth, c.dateWidth, c.iconWidth, c.iconWidth);
    EXPECT_EQ(layout.content.right, c.contentRight) << c.what;
    ASSERT_EQ(m.calcBounds.size(), 1u + c.remeasures) << c.what;
    if (c.remeasures == 0) continue;
    EXPECT_EQ(m.calcBounds[1].right, c.bodyRight) << c.what;
    // the second canvas is the content + 24 either way
    EXPECT_EQ(m.canvases[1].first, c.contentRight + 24) << c.what;
    EXPECT_EQ(m.canvases[1].second, 62 + 24) << c.what;
    const LayoutRect second = m.calcBounds[1];
    EXPECT_EQ(layout.text, m.CalcRect(second)) << c.what;
  }
}

TEST(ContentLayout, WiderTextMeasuredAgainTakesItsNewHeight) {
  const StickerRecord r = Record(5, "Caption");
  FixedPitchMeasurer m({80});  // three lines at 208, two at 400
  const StickerLayout layout = Measure(r, m, 1, 400);
  EXPECT_EQ(layout.content.right, 14 + 400 + 14 + 16);
  EXPECT_EQ(layout.content.bottom, 26 + 13 + 10);
  // an empty text has no ink to measure again: its height stays
  FixedPitchMeasurer empty({0});
  EXPECT_EQ(Measure(r, empty, 1, 400).content.bottom, 64);
}

TEST(ContentLayout, CaptionDateAndBodyPositions) {
  StickerRecord r = Record(5, "Caption", "01.02.24", true);
  StickerLayout layout;
  layout.content = {0, 28, 218, 62};
  layout.text = layout.title = {16, 26, 220, 65};
  EXPECT_EQ(CaptionPosition(r, layout), (LayoutPoint{14, 2}));
  layout.iconWidth = layout.iconHeight = 32;
  EXPECT_EQ(CaptionPosition(r, layout), (LayoutPoint{50, 2}));
  EXPECT_EQ(DatePosition(239, 40), (LayoutPoint{169, 6}));
  EXPECT_EQ(DateShadowPosition(239, 40), (LayoutPoint{170, 7}));

  struct Case {
    const char* what;
    int style, iconWidth, contentRight, textRight, pictureHeight;
    LayoutRect text, shadow;
  };
  const Case cases[] = {
      {"template", 5, 0, 218, 220, 80, {16, 26, 224, 80}, {17, 27, 225, 81}},
      {"template, wide content", 0, 0, 241, 220, 80, {16, 26, 241, 80}, {17, 27, 242, 81}},
      {"template, just under wide", 0, 0, 240, 220, 80, {16, 26, 224, 80}, {17, 27, 225, 81}},
      {"notepad", 9, 0, 218, 220, 80, {16, 19, 220, 80}, {17, 20, 221, 81}},
      {"notepad, narrow text", 10, 0, 30, 40, 80, {16, 19, 79, 80}, {17, 20, 80, 81}},
      // title line 204 x 39, centred in a 71-row picture: top (71 - 39) div 2
      {"title bar", 12, 0, 218, 220, 71, {16, 16, 220, 55}, {17, 17, 221, 56}},
      {"title bar, icon", 11, 48, 218, 220, 80, {68, 20, 272, 59}, {69, 21, 273, 60}},
      {"classic", 6, 0, 218, 220, 71, {16, 16, 220, 55}, {17, 17, 221, 56}},
      {"wide border", 14, 0, 218, 220, 101, {31, 31, 235, 70}, {32, 32, 236, 71}},
      {"wide border, icon", 14, 24, 218, 220, 101, {59, 31, 263, 70}, {60, 32, 264, 71}},
  };
  for (const Case& c : cases) {
    r.style = static_cast<std::uint16_t>(c.style);
    StickerLayout l;
    l.content = {0, 28, c.contentRight, 62};
    l.text = l.title = {16, 26, c.textRight, 65};
    l.iconWidth = l.iconHeight = c.iconWidth;
    const BodyPlacement p = BodyTextPlacement(r, l, c.pictureHeight);
    EXPECT_EQ(p.text, c.text) << c.what;
    EXPECT_EQ(p.shadow, c.shadow) << c.what;
  }
}

TEST(ContentLayout, WhatEachStyleGroupDraws) {
  struct Case { int style; bool expanded; int icon; const char* caption; const char* date; bool show;
                bool caption_, body, date_; };
  const Case cases[] = {
      {5, true, 0, "Note", "01.02", true, true, true, true},
      {5, true, 0, "", "", true, false, true, false},       // empty caption, empty date shown
      {5, true, 0, "Note", "01.02", false, true, true, false},
      {5, false, 0, "Note", "01.02", true, true, false, true},  // collapsed: no body
      {9, true, 0, "Note", "01.02", true, false, true, false},  // notepad
      {12, true, 32, "Note", "01.02", true, false, true, false},
      {12, false, 0, "Note", "", false, false, true, false},    // collapsed title bar without icon keeps its text
      {12, false, 32, "Note", "", false, false, false, false},  // with an icon only the icon
      {6, false, 1, "Note", "", false, false, true, false},     // a 1-pixel icon is no icon
  };
  for (const Case& c : cases) {
    StickerRecord r = Record(c.style, c.caption, c.date, c.show);
    r.expanded = c.expanded ? 1 : 0;
    StickerLayout l;
    l.iconWidth = l.iconHeight = c.icon;
    EXPECT_EQ(DrawsCaption(r), c.caption_) << c.style << c.caption;
    EXPECT_EQ(DrawsBody(r, l), c.body) << c.style << c.expanded << c.icon;
    EXPECT_EQ(DrawsDate(r), c.date_) << c.style << c.date << c.show;
  }
}

TEST(ContentLayout, IconValuesResolve) {
  struct Case { int value; IconChoice expected; };
  const Case cases[] = {
      {0, {}},
      {1, {IconSource::kBuiltIn, 0, 0}},
      {2, {IconSource::kBuiltIn, 1, 0}},
      {34, {IconSource::kBuiltIn, 33, 0}},
      {35, {IconSource::kBuiltIn, 0, 0}},
      {50, {IconSource::kBuiltIn, 0, 0}},
      {100, {IconSource::kBuiltIn, 0, 0}},
      {101, {IconSource::kUser, 0, 101}},
      {65535, {IconSource::kUser, 0, 65535}},
      {-3, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveIcon(c.value), c.expected) << c.value;
}

TEST(ContentLayout, IconPlacementTable) {
  struct Case { int style, captionX, h, pictureHeight; IconPlacement expected; };
  const Case cases[] = {
      {5, 14, 0, 80, {}},                          // no icon
      {5, 14, 16, 80, {true, 0, {12, 4}}},
      {5, 14, 17, 80, {true, 0, {12, 0}}},         // would be minus one row
      {5, 14, 20, 80, {true, 2, {12, 0}}},
      {5, 14, 32, 80, {true, 14, {12, 0}}},
      {5, 14, 33, 80, {true, 14, {12, 0}}},
      {0, 14, 48, 80, {true, 22, {12, 0}}},        // 22 rows taller, icon overhangs the top
      {5, 14, 99, 80, {true, 47, {12, 0}}},
      {5, 14, 100, 80, {}},                        // too tall for a template style
      {9, 14, 16, 80, {true, 0, {14, 2}}},         // notepad: 2 right, 2 up
      {10, 14, 24, 80, {true, 6, {14, 0}}},
      {9, 14, 48, 80, {true, 22, {14, -2}}},
      {9, 14, 120, 80, {}},
      {6, 14, 48, 100, {true, 0, {16, 26}}},       // title bars: centred, never rows added
      {11, 14, 20, 51, {true, 0, {16, 15}}},
      {17, 14, 120, 152, {true, 0, {16, 16}}},     // large icons are drawn there
      {14, 14, 48, 100, {true, 0, {31, 26}}},
  };
  for (const Case& c : cases) {
    StickerRecord r = Record(c.style);
    r.caption.layout_x = c.captionX;
    EXPECT_EQ(PlaceIconFor(r, c.h, c.pictureHeight), c.expected) << c.style << " " << c.h;
  }
}

}  // namespace
