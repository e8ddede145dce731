// Calendar stickers drawn as a sticker window draws them, from the built
// program's artwork, with the week-day and month names of each built-in
// language and a fixed today.

#include <gtest/gtest.h>

#include "lang/tmui.h"
#include "sticker/sticker_content_win.h"
#include "support/fixed_clock.h"
#include "support/golden_picture_win.h"
#include "support/sticker_artwork_win.h"
#include "support/sticker_drawing_win.h"

namespace {

const FixedClock kEighthOfDecember(EncodeDateTime({2026, 12, 8, 10, 30}));

Picture32 DrawCalendar(int style, const char* notation, BuiltinLanguage language, int* width = nullptr) {
  TMUI texts;
  texts.ApplyBuiltin(language);
  ContentSources sources = BuiltArtwork::Get().Sources();
  sources.texts = &texts;
  sources.clock = &kEighthOfDecember;
  const StickerRecord record = NoteRecord(style, notation, "Calendar", "08.12.26", 0x70B0F0);
  StickerPictures pictures;
  Picture32 composite;
  RebuildSticker(record, BodyTextOf(record), sources, pictures);
  ComposeSticker(record, BodyTextOf(record), pictures, composite);
  if (width) *width = pictures.layout.content.right;
  return composite;
}

TEST(CalendarDrawing, PicturesMatchTheReferencesInBothLanguages) {
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  EXPECT_TRUE(MatchesGolden(DrawCalendar(5, "[12.2026/wmc]", BuiltinLanguage::kEnglish), "calendar_panel_wmc_english"));
  EXPECT_TRUE(MatchesGolden(DrawCalendar(5, "[12.2026/wmc]", BuiltinLanguage::kRussian), "calendar_panel_wmc_russian"));
  EXPECT_TRUE(MatchesGolden(DrawCalendar(8, "[12.2026/vwmu]", BuiltinLanguage::kEnglish), "calendar_aero_vwmu_english"));
  EXPECT_TRUE(MatchesGolden(DrawCalendar(8, "[12.2026/vwmu]", BuiltinLanguage::kRussian), "calendar_aero_vwmu_russian"));
}

// The calendar, not the notation, sizes the sticker: a month of six weeks
// is taller than one of four, the names make it taller still.
TEST(CalendarDrawing, TheMonthSizesTheSticker) {
  const Picture32 four = DrawCalendar(5, "[2.2021/]", BuiltinLanguage::kEnglish);
  const Picture32 six = DrawCalendar(5, "[8.2021/]", BuiltinLanguage::kEnglish);
  const Picture32 named = DrawCalendar(5, "[8.2021/wm]", BuiltinLanguage::kEnglish);
  EXPECT_LT(four.Height(), six.Height());
  EXPECT_LT(six.Height(), named.Height());
  int notepad = 0, panel = 0;
  DrawCalendar(9, "[8.2021/]", BuiltinLanguage::kEnglish, &notepad);
  DrawCalendar(5, "[8.2021/]", BuiltinLanguage::kEnglish, &panel);
  EXPECT_EQ(notepad - panel, 16);  // notepad styles add 16 to the width
}

}  // namespace
