// Caption, date, body text and icon drawn with the real GDI and fonts onto
// the real skins, and the finished pictures against reference PNGs.

#include <gtest/gtest.h>

#include <string>

#include "win/text_convert_win.h"
#include "pixels/pixel_routines.h"
#include "sticker/skin_styles.h"
#include "support/golden_picture_win.h"
#include "support/sticker_drawing_win.h"

namespace {

constexpr const char* kNote = "Call the plumber before Friday.\r\nPick up the parcel at the post office.";

class ContentDrawing : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuiltArtwork::Get().Loaded()) << "the built Quillory.exe with its skins"; }
};

// The frame as the composition starts from it, tinted like the record.
Picture32 TintedFrame(const StickerRecord& r, const StickerPictures& pictures) {
  Picture32 frame = pictures.frame;
  if (r.use_color) Tint(frame.View(), r.color);
  return frame;
}

// Pixels that differ between two pictures of one size inside a box.
int Changed(const Picture32& a, const Picture32& b, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = std::max(y0, 0); y < std::min(y1, a.Height()); ++y)
    for (int x = std::max(x0, 0); x < std::min(x1, a.Width()); ++x) n += a.At(x, y) == b.At(x, y) ? 0 : 1;
  return n;
}

// The leftmost column where the pictures differ inside rows y0..y1; -1 when none.
int FirstChangedColumn(const Picture32& a, const Picture32& b, int y0, int y1) {
  for (int x = 0; x < a.Width(); ++x)
    if (Changed(a, b, x, y0, x + 1, y1) > 0) return x;
  return -1;
}

TEST_F(ContentDrawing, CaptionAndDateAreDrawnOnlyWhenTheyHaveText) {
  struct Case {
    const char* caption;
    const char* date;
    bool show;
    bool captionDrawn, dateDrawn;
  };
  const Case cases[] = {
      {"", "", true, false, false},  // empty caption, empty date that is shown
      {"Errands", "", true, true, false},
      {"", "12.03.24", true, false, true},
      {"", "12.03.24", false, false, false},
      {"Errands", "12.03.24", true, true, true},
  };
  for (const Case& c : cases) {
    StickerRecord r = NoteRecord(5, "", c.caption, c.date);
    r.date_line.show = c.show ? 1 : 0;
    const DrawnSticker d = DrawSticker(r);
    const Picture32 frame = TintedFrame(r, d.pictures);
    ASSERT_EQ(d.composite.Width(), frame.Width());
    const int w = frame.Width();
    SCOPED_TRACE(testing::Message() << "caption '" << c.caption << "' date '" << c.date << "' shown " << c.show);
    EXPECT_EQ(Changed(d.composite, frame, 0, 0, 100, 24) > 0, c.captionDrawn);
    EXPECT_EQ(Changed(d.composite, frame, w - 90, 0, w, 24) > 0, c.dateDrawn);
    EXPECT_EQ(Changed(d.composite, frame, 0, 24, w, frame.Height()), 0) << "the empty body draws nothing";
  }
}

TEST_F(ContentDrawing, TitleBarAndNotepadStylesShowNoCaptionOrDate) {
  for (int style : {6, 9, 10, 12, 14}) {
    StickerRecord r = NoteRecord(style, "", "Errands", "12.03.24");
    const DrawnSticker d = DrawSticker(r);
    const Picture32 frame = TintedFrame(r, d.pictures);
    EXPECT_EQ(Changed(d.composite, frame, 0, 0, frame.Width(), frame.Height()), 0) << "style " << style;
  }
}

TEST_F(ContentDrawing, TextRaisesAlphaAndTheDateChangesColoursOnly) {
  StickerRecord r = NoteRecord(5, "Milk and bread", "Errands", "12.03.24");
  r.use_color = 0;
  StickerPictures pictures;
  RebuildSticker(r, BodyTextOf(r), BuiltArtwork::Get().Sources(), pictures);
  struct Case {
    const char* what;
    void (*draw)(const StickerRecord&, const StickerPictures&, Picture32&);
    bool raisesAlpha;
  };
  const Case cases[] = {
      {"caption", [](const StickerRecord& r, const StickerPictures& p, Picture32& c) { DrawCaption(r, p, c); }, true},
      {"body", [](const StickerRecord& r, const StickerPictures& p, Picture32& c) { DrawBody(r, BodyTextOf(r), p, c); }, true},
      {"date", [](const StickerRecord& r, const StickerPictures& p, Picture32& c) { DrawDate(r, p, c); }, false},
  };
  for (const Case& c : cases) {
    // A transparent grey ground: where text lands the colour changes, and
    // the alpha rises from zero only where the text is merged.
    Picture32 ground = SolidIcon(239, 60, {128, 128, 128, 0});
    const Picture32 before = ground;
    c.draw(r, pictures, ground);
    int coloured = 0, opaque = 0;
    for (int y = 0; y < ground.Height(); ++y)
      for (int x = 0; x < ground.Width(); ++x) {
        const Pixel32 p = ground.At(x, y), q = before.At(x, y);
        coloured += (p.r != q.r || p.g != q.g || p.b != q.b) ? 1 : 0;
        opaque += p.a == 255 ? 1 : 0;
        if (p.r == q.r && p.g == q.g && p.b == q.b) {
          ASSERT_EQ(p.a, 0) << c.what << " alpha without ink at " << x << "," << y;
        }
      }
    EXPECT_GT(coloured, 20) << c.what;
    EXPECT_EQ(opaque > 20, c.raisesAlpha) << c.what;
  }
}

TEST_F(ContentDrawing, WhiteTextIsMeasuredLikeBlack) {
  StickerRecord white = NoteRecord(5, kNote);
  white.body.color = 0xFFFFFF;
  StickerRecord black = white;
  black.body.color = 0x000000;
  const StickerLayout a = DrawSticker(white).pictures.layout, b = DrawSticker(black).pictures.layout;
  EXPECT_EQ(a.content, b.content);
  EXPECT_GT(a.content.right, 100);
  EXPECT_GT(a.content.bottom, 26 + 16);
}

TEST_F(ContentDrawing, OneShortWordIsAtLeastSixteenHigh) {
  StickerRecord r = NoteRecord(5, "Hi");
  r.body.layout_y = 0;
  const StickerLayout top = DrawSticker(r).pictures.layout;
  EXPECT_EQ(top.content.bottom, kMinContentBottom);
  EXPECT_GT(top.content.right, 16);
  const StickerLayout placed = DrawSticker(NoteRecord(5, "Hi")).pictures.layout;
  EXPECT_GE(placed.content.bottom, 26 + 5);
  EXPECT_LT(placed.content.bottom, 26 + 16);
  // a short note takes the template's full width and no less than 55 rows
  const DrawnSticker d = DrawSticker(NoteRecord(5, "Hi"));
  EXPECT_EQ(d.composite.Width(), 239);
  EXPECT_EQ(d.composite.Height(), 55);
}

TEST_F(ContentDrawing, AVeryLongTextStopsAtTheLimits) {
  std::string text;
  for (int i = 0; i < 120; ++i) text += "Line " + std::to_string(i) + " of a very long note\r\n";
  const DrawnSticker tall = DrawSticker(NoteRecord(5, text));
  EXPECT_EQ(tall.pictures.layout.content.bottom, kMaxContentBottom);
  EXPECT_EQ(tall.pictures.layout.text.bottom, kMaxTextBottom);
  EXPECT_EQ(tall.composite.Height(), kMaxContentBottom + 16);
  // the title-bar styles frame the text rectangle, which stops at 640
  const DrawnSticker title = DrawSticker(NoteRecord(12, text));
  EXPECT_EQ(title.pictures.layout.title.bottom, kMaxTextBottom);
  EXPECT_EQ(title.composite.Height(), kMaxTextBottom - 26 + 32);
  // one line without word wrap grows the width to the limit
  StickerRecord wide = NoteRecord(5, std::string(600, 'w'));
  wide.word_wrap = 0;
  const DrawnSticker w = DrawSticker(wide);
  EXPECT_EQ(w.pictures.layout.content.right, kMaxContentRight);
  EXPECT_EQ(w.composite.Width(), kMaxContentRight + 16);
}

TEST_F(ContentDrawing, AlignmentMovesTheInkButNotTheMeasuredSize) {
  int previous = 16 - 41;  // left aligned text starts at the layout's 16
  StickerLayout left;
  for (int align : {0, 1, 2}) {
    StickerRecord r = NoteRecord(5, "Milk");
    r.align = static_cast<std::uint8_t>(align);
    const DrawnSticker d = DrawSticker(r);
    if (align == 0) left = d.pictures.layout;
    EXPECT_EQ(d.pictures.layout, left) << "align " << align;
    const int first = FirstChangedColumn(d.composite, TintedFrame(r, d.pictures), 24, d.composite.Height());
    EXPECT_GT(first, previous + 40) << "align " << align;
    previous = first;
  }
  EXPECT_GT(previous, 180);  // right aligned against 224
}

TEST_F(ContentDrawing, BoldAndItalicChangeTheMeasuredWidth) {
  int widths[4] = {};
  for (int bits = 0; bits < 4; ++bits) {
    StickerRecord r = NoteRecord(5, "Measured words");
    r.font_style = static_cast<std::uint8_t>(bits);
    widths[bits] = DrawSticker(r).pictures.layout.content.right;
  }
  EXPECT_GT(widths[1], widths[0]) << "bold";
  EXPECT_NE(widths[2], widths[0]) << "italic";
  EXPECT_NE(widths[3], widths[1]) << "bold italic";
}

TEST_F(ContentDrawing, ALongCaptionAndDateWidenTheSticker) {
  const StickerRecord r = NoteRecord(0, "Short", "Caption long enough to widen it", "12.03.2024");
  const DrawnSticker d = DrawSticker(r);
  const StickerLayout& l = d.pictures.layout;
  EXPECT_EQ(l.content.right, l.captionExtent + l.dateExtent + 14 + 16);
  EXPECT_GT(l.content.right, 224);
  EXPECT_EQ(d.composite.Width(), l.content.right + 16);
}

TEST_F(ContentDrawing, IconsAddRowsAtTheTopOfTemplateStyles) {
  TATBitmap icons;
  for (int size : {16, 24, 48, 120}) icons.Add(SolidIcon(size, size, {0, 0, 255, 255}), 100 + size);
  struct Case { int style, size, addedRows; bool drawn; int x, y; };
  const Case cases[] = {
      {5, 16, 0, true, 12, 4},
      {5, 24, 6, true, 12, 0},
      {0, 48, 22, true, 12, 0},
      {5, 120, 0, false, 0, 0},
      {9, 48, 22, true, 14, -2},
      {12, 48, 0, true, 16, -1},  // y: centred, checked below
      {17, 120, 0, true, 16, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " icon " << c.size);
    StickerRecord r = NoteRecord(c.style, "Dentist at 9:30");
    r.icon = static_cast<std::uint16_t>(100 + c.size);
    const DrawnSticker d = DrawSticker(r, &icons);
    ASSERT_EQ(d.pictures.icon.Height(), c.size);
    EXPECT_EQ(d.addedRows, c.addedRows);
    EXPECT_EQ(d.composite.Height(), d.pictures.frame.Height() + c.addedRows);
    EXPECT_EQ(d.composite.Width(), d.pictures.frame.Width());
    if (!c.drawn) {
      int red = 0;
      for (int y = 0; y < d.composite.Height(); ++y)
        for (int x = 0; x < d.composite.Width(); ++x) red += d.composite.At(x, y) == Pixel32{0, 0, 255, 255} ? 1 : 0;
      EXPECT_LT(red, c.size) << "a tall icon is not drawn";
      continue;
    }
    const int y = c.y >= 0 || IsNotepadStyle(c.style) ? c.y : (d.composite.Height() - c.size) / 2;
    // Blending raises alpha to at least 251 under an opaque icon.
    const auto isIcon = [](Pixel32 p) { return p.r == 255 && p.g == 0 && p.b == 0 && p.a >= 251; };
    const int inside = std::max(y, 0) + 2;
    EXPECT_TRUE(isIcon(d.composite.At(c.x + 2, inside)));
    EXPECT_FALSE(isIcon(d.composite.At(c.x - 1, inside)));
    EXPECT_FALSE(isIcon(d.composite.At(c.x + c.size, inside)));
    // the rows above the frame stay transparent beside the icon
    if (c.addedRows > 0) {
      EXPECT_EQ(d.composite.At(d.composite.Width() - 3, 0).a, 0);
    }
  }
}

TEST_F(ContentDrawing, IconValuesPickBuiltInAndUserIcons) {
  TATBitmap icons;
  icons.Add(SolidIcon(30, 20, {1, 2, 3, 255}), 101);
  const ContentSources sources = BuiltArtwork::Get().Sources(&icons);
  Picture32 first, fifty;
  LoadStickerIcon(1, sources, first);
  LoadStickerIcon(50, sources, fifty);
  ASSERT_EQ(first.Width(), 48);
  ASSERT_EQ(fifty.Width(), 48);
  EXPECT_EQ(first.At(24, 24), fifty.At(24, 24));
  Picture32 icon;
  LoadStickerIcon(34, sources, icon);
  EXPECT_EQ(icon.Width(), 72);
  LoadStickerIcon(101, sources, icon);
  EXPECT_EQ(icon.Width(), 30);
  LoadStickerIcon(150, sources, icon);  // not in the list: the icon stays
  EXPECT_EQ(icon.Width(), 30);
  LoadStickerIcon(0, sources, icon);
  EXPECT_EQ(icon.Width(), 0);
}

TEST_F(ContentDrawing, TextOnlyStyleShowsOpaqueTextOnNothing) {
  const DrawnSticker d = DrawSticker(NoteRecord(16, "Only text"));
  int opaque = 0, seen = 0;
  for (int y = 0; y < d.composite.Height(); ++y)
    for (int x = 0; x < d.composite.Width(); ++x) {
      opaque += d.composite.At(x, y).a == 255 ? 1 : 0;
      seen += d.composite.At(x, y).a > 0 ? 1 : 0;
    }
  EXPECT_GT(opaque, 30);
  EXPECT_LT(seen, d.composite.Width() * d.composite.Height() / 4);
  EXPECT_EQ(d.composite.At(1, 1).a, 0);
}

TEST_F(ContentDrawing, ARedrawOfTheSameRecordGivesTheSamePicture) {
  StickerRecord r = NoteRecord(0, kNote, "Errands", "12.03.24");
  r.icon = 1;
  DrawnSticker d = DrawSticker(r);
  Picture32 again;
  ComposeSticker(r, BodyTextOf(r), d.pictures, again);
  PlaceIcon(r, d.pictures, again);
  ASSERT_EQ(again.Height(), d.composite.Height());
  EXPECT_EQ(Changed(again, d.composite, 0, 0, again.Width(), again.Height()), 0);
}

// Records that between them cover every style group, with and without icon,
// caption, date and shadow.
struct GoldenCase {
  const char* name;
  StickerRecord record;
};

std::vector<GoldenCase> GoldenCases() {
  std::vector<GoldenCase> cases;
  cases.push_back({"panel_caption_date_shadow", NoteRecord(5, kNote, "Errands", "12.03.24", 0x5ACDF0)});
  StickerRecord glass = NoteRecord(0, kNote, "Tomorrow", "13.03.24", 0xF0B070);
  glass.icon = 1;
  cases.push_back({"dark_glass_icon_48", glass});
  StickerRecord flat = NoteRecord(2, "Centred and bold,\r\nwithout a shadow", "Flat", "", 0x80E0A0);
  flat.align = 1;
  flat.font_style = 1;
  flat.body.use_shadow = flat.caption.use_shadow = 0;
  cases.push_back({"flat_centred_bold_no_shadow", flat});
  StickerRecord notepad = NoteRecord(9, kNote, "Ignored", "12.03.24", 0x9C8CF0);
  notepad.icon = 4;
  cases.push_back({"modern_notepad_icon_24", notepad});
  cases.push_back({"list_notepad_plain", NoteRecord(10, kNote, "", "", 0xF0F0F0)});
  StickerRecord vista = NoteRecord(12, kNote, "", "", 0x70B0FF);
  vista.icon = 2;
  cases.push_back({"vista_title_bar_icon_32", vista});
  cases.push_back({"classic_title_bar_no_icon", NoteRecord(6, kNote, "", "", 0x6080FF)});
  StickerRecord collapsed = NoteRecord(8, kNote, "Collapsed", "12.03.24", 0xE0A060);
  collapsed.expanded = 0;
  cases.push_back({"aero_collapsed", collapsed});
  return cases;
}

TEST_F(ContentDrawing, PicturesMatchTheReferences) {
  for (const GoldenCase& c : GoldenCases()) EXPECT_TRUE(MatchesGolden(DrawSticker(c.record).composite, c.name));
}

TEST(RussianLocaleContentDrawing, CyrillicTextComesFromTheAnsiCodePage) {
  ASSERT_EQ(GetACP(), 1251u);
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  // "Молоко" in code page 1251, as the record stores it
  const StickerRecord r = NoteRecord(5, "\xCC\xEE\xEB\xEE\xEA\xEE", "\xCF\xEE\xEA\xF3\xEF\xEA\xE8");
  EXPECT_EQ(BodyTextOf(r), L"Молоко");
  const DrawnSticker d = DrawSticker(r);
  StickerRecord question = r;
  SetStickerText(question, "??????");
  const DrawnSticker q = DrawSticker(question);
  EXPECT_GT(d.pictures.layout.content.right, 30);
  ASSERT_EQ(d.composite.Height(), q.composite.Height());
  EXPECT_GT(Changed(d.composite, q.composite, 0, 24, d.composite.Width(), d.composite.Height()), 20)
      << "letters, not question marks";
  EXPECT_GT(Changed(d.composite, TintedFrame(r, d.pictures), 0, 0, 100, 24), 20) << "the caption is drawn";
}

}  // namespace
