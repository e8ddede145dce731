// The gallery: stickers of every style and of the cases that stress the
// layout, drawn as a sticker window draws them and laid out on a desktop-like
// sheet at 100 % and at 200 %, so that their look can be judged by eye. Runs only when
// QUILLORY_GALLERY_DIR names the folder for the sheets; the Russian sheet
// needs the Russian locale (code page 1251) and runs in that pass.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/text_convert_win.h"
#include "win/dib_picture_win.h"
#include "pixels/pixel_routines.h"
#include "support/golden_picture_win.h"
#include "support/sticker_drawing_win.h"

namespace {

constexpr int kSheetWidth = 1640;
constexpr int kGap = 22;
constexpr int kLabelHeight = 16;

struct Entry {
  std::wstring label;
  StickerRecord record;
};

// A desktop-like ground: a soft diagonal gradient that shows translucency.
void PaintDesktop(const View32& sheet) {
  for (int y = 0; y < sheet.height; ++y)
    for (int x = 0; x < sheet.width; ++x) {
      const int t = (x + y) * 255 / (sheet.width + sheet.height);
      sheet.At(x, y) = {static_cast<std::uint8_t>(150 + t / 3), static_cast<std::uint8_t>(110 + t / 4),
                        static_cast<std::uint8_t>(60 + t / 5), 255};
    }
}

// Lays the stickers out in rows and writes the sheet.
void RenderSheet(const std::vector<Entry>& entries, const TATBitmap* userIcons, const std::wstring& path,
                 const DisplayScale& scale = {}) {
  const int sheetWidth = scale.Px(kSheetWidth), gap = scale.Px(kGap), labelHeight = scale.Px(kLabelHeight);
  struct Placed {
    Picture32 picture;
    int x, y;
    std::wstring label;
  };
  std::vector<Placed> placed;
  int x = gap, y = gap, rowHeight = 0;
  for (const Entry& entry : entries) {
    DrawnSticker drawn = DrawSticker(entry.record, userIcons, scale);
    const int w = drawn.composite.Width(), h = drawn.composite.Height() + labelHeight;
    if (x + w > sheetWidth - gap && x > gap) {
      x = gap;
      y += rowHeight + gap;
      rowHeight = 0;
    }
    placed.push_back({std::move(drawn.composite), x, y, entry.label});
    x += std::max(w, scale.Px(120)) + gap;
    rowHeight = std::max(rowHeight, h);
  }
  const int height = y + rowHeight + gap;
  DibPicture32 sheet(sheetWidth, height);
  PaintDesktop(sheet.View());
  {
    DibDrawingContext dc(sheet.Bitmap());
    UniqueFont font(CreateFontW(-scale.Px(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
    ScopedSelectObject selected(dc.Get(), font.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(255, 255, 255));
    for (const Placed& p : placed) TextOutW(dc.Get(), p.x, p.y, p.label.c_str(), static_cast<int>(p.label.size()));
    GdiFlush();
  }
  for (const Placed& p : placed) AlphaBlend(p.picture.View(), sheet.View(), p.x, p.y + labelHeight);
  // The sheet as a screen shows it: opaque.
  Picture32 out(sheet.Width(), sheet.Height());
  for (int row = 0; row < out.Height(); ++row)
    for (int column = 0; column < out.Width(); ++column) {
      Pixel32 p = sheet.View().At(column, row);
      p.a = 255;
      out.At(column, row) = p;
    }
  ASSERT_TRUE(SavePng(out, path)) << Utf8FromWide(path);
}

constexpr const char* kTwoParagraphs =
    "Call the plumber about the kitchen tap before Friday.\r\n"
    "Pick up the parcel at the post office; the slip is in the blue folder.";
constexpr const char* kLongText =
    "Quarterly review, notes for the team meeting.\r\n"
    "1. Sales grew in every region but the north, where two large customers moved their orders to the next "
    "quarter. Ask Marta for the final figures before Tuesday.\r\n"
    "2. The new warehouse opens on the 14th. Deliveries from the old site stop the week before; tell the drivers "
    "and update the route plans.\r\n"
    "3. Hiring: two developers and one tester. Interviews on Wednesdays and Thursdays, 10:00-12:00.\r\n"
    "4. Holiday calendar is due at the end of the month.\r\n"
    "Remember: the projector in room 4 needs a new lamp, and the coffee machine on the second floor is broken "
    "again.";

StickerRecord WithIcon(StickerRecord r, int icon) {
  r.icon = static_cast<std::uint16_t>(icon);
  return r;
}

const Colour kColours[] = {0x5ACDF0, 0x7FD98C, 0xE0A060, 0x9C8CF0, 0x70B0FF, 0xC0C0C0, 0x6080FF, 0xF0E070};

std::vector<Entry> EnglishEntries() {
  std::vector<Entry> entries;
  for (int style = 0; style < kStyleCount; ++style) {
    StickerRecord r = NoteRecord(style, kTwoParagraphs, "Errands", "12.03.24", kColours[style % 8]);
    if (IsTitleBarStyle(style)) r.icon = 2;
    entries.push_back({L"style " + std::to_wstring(style), r});
  }
  entries.push_back({L"long text", NoteRecord(5, kLongText, "Meeting", "14.03.24", 0x70D0F8)});
  entries.push_back({L"calendar, style 8", NoteRecord(8, "[12.2026/vwmu]", "Calendar", "", 0x70B0F0)});
  entries.push_back({L"calendar, style 5", NoteRecord(5, "[12.2026/wmc]", "Calendar", "", 0x80E0A0)});
  entries.push_back({L"long text, notepad", NoteRecord(10, kLongText, "", "", 0xF0F0F0)});
  for (int style : {0, 5, 9, 12, 16}) entries.push_back({L"one word, style " + std::to_wstring(style),
                                                         NoteRecord(style, "Milk", "Buy", "12.03.24", 0x80E0A0)});
  // Icon bands: under 17, 17-32, 33-99 and 100 up; 101 and 102 are user icons.
  const std::pair<int, const wchar_t*> icons[] = {{101, L"16 px"}, {6, L"20 px"}, {4, L"24 px"}, {2, L"32 px"},
                                                  {1, L"48 px"},   {34, L"72 px"}, {102, L"120 px"}};
  for (int style : {0, 9, 11})
    for (const auto& [icon, label] : icons)
      entries.push_back({std::wstring(label) + L", style " + std::to_wstring(style),
                         WithIcon(NoteRecord(style, "Dentist at 9:30", "Tomorrow", "13.03.24", 0xF0B070), icon)});
  const std::pair<int, const wchar_t*> styles[] = {{1, L"bold"}, {2, L"italic"}, {3, L"bold italic"}};
  for (const auto& [bits, label] : styles) {
    StickerRecord r = NoteRecord(3, kTwoParagraphs, "Errands", "12.03.24", 0xB0E0FF);
    r.font_style = static_cast<std::uint8_t>(bits);
    entries.push_back({label, r});
  }
  for (int align : {1, 2}) {
    StickerRecord r = NoteRecord(8, "Short line\r\nA somewhat longer second line\r\nEnd", "Aligned", "12.03.24", 0xA0F0D0);
    r.align = static_cast<std::uint8_t>(align);
    entries.push_back({align == 1 ? L"centre" : L"right", r});
  }
  StickerRecord dark = NoteRecord(1, kTwoParagraphs, "Dark text", "12.03.24", 0xE8F4FF);
  dark.body.color = 0x202020;
  dark.date_line.color = 0x404040;
  dark.body.shadow_color = 0xFFFFFF;
  entries.push_back({L"dark text, light shadow", dark});
  StickerRecord plain = NoteRecord(4, kTwoParagraphs, "No shadow", "12.03.24", 0x9090E0);
  plain.body.use_shadow = plain.caption.use_shadow = plain.date_line.use_shadow = 0;
  entries.push_back({L"no shadow", plain});
  StickerRecord wide = NoteRecord(0, "Sizes follow the caption", "A caption much longer than its text", "12.03.24");
  entries.push_back({L"long caption", wide});
  for (int style : {0, 7, 9, 6, 12}) {
    StickerRecord r = WithIcon(NoteRecord(style, kTwoParagraphs, "Collapsed", "12.03.24", 0x60C0F0), style >= 6 && style != 7 && style != 9 ? 2 : 0);
    r.expanded = 0;
    entries.push_back({L"collapsed, style " + std::to_wstring(style), r});
  }
  return entries;
}

TATBitmap GalleryUserIcons() {
  TATBitmap icons;
  Picture32 source = DrawSticker(WithIcon(NoteRecord(0, ""), 1)).pictures.icon;
  icons.Add(ScaledIcon(source, 16, 16), 101);
  icons.Add(ScaledIcon(source, 120, 120), 102);
  return icons;
}

TEST(ContentGallery, EveryStyleAndCase) {
  const std::wstring folder = FolderFromEnvironment("QUILLORY_GALLERY_DIR");
  if (folder.empty()) GTEST_SKIP() << "QUILLORY_GALLERY_DIR names the folder for the gallery";
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  const TATBitmap icons = GalleryUserIcons();
  RenderSheet(EnglishEntries(), &icons, folder + L"content_gallery.png");
  RenderSheet(EnglishEntries(), &icons, folder + L"content_gallery_200pct.png", DisplayScale(192));
}

TEST(RussianLocaleContentGallery, RussianText) {
  const std::wstring folder = FolderFromEnvironment("QUILLORY_GALLERY_DIR");
  if (folder.empty()) GTEST_SKIP() << "QUILLORY_GALLERY_DIR names the folder for the gallery";
  ASSERT_EQ(GetACP(), 1251u);
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  const std::string caption = AnsiFromWide(L"Покупки");
  const std::string text = AnsiFromWide(
      L"Купить хлеб, молоко и яблоки.\r\nЗабрать посылку на почте до пятницы; квитанция в синей папке.");
  std::vector<Entry> entries;
  int i = 0;
  for (int style : {0, 2, 3, 5, 8, 9, 6, 12, 15}) {
    StickerRecord r = NoteRecord(style, text, caption, "12.03.24", kColours[i++ % 8]);
    if (IsTitleBarStyle(style)) r.icon = 4;
    entries.push_back({L"стиль " + std::to_wstring(style), r});
  }
  StickerRecord bold = NoteRecord(4, AnsiFromWide(L"Жирный курсив: съешь же ещё этих мягких французских булок"),
                                  AnsiFromWide(L"Шрифт"), "12.03.24", 0xC0A0F0);
  bold.font_style = 3;
  entries.push_back({L"жирный курсив", bold});
  RenderSheet(entries, nullptr, folder + L"content_gallery_russian.png");
}

}  // namespace
