// Quillory started at a system scale of 150 % (LogPixels 144) over a base.db
// written at 100 %: every sticker opens at one and a half times its place,
// drawn at that scale, and the file keeps the numbers it had.

#include <gtest/gtest.h>

#include <map>

#include "sticker/skin_styles.h"
#include "support/sticker_drawing_win.h"
#include "support/sticker_program_win.h"
#include "support/system_scale_win.h"

namespace {

constexpr DisplayScale kAt150{144};

StickerRecord Styled(std::int32_t id, int style, int left, int top, const char* text) {
  StickerRecord r = Placed(id, left, top);
  r.style = static_cast<std::uint16_t>(style);
  r.caption.line_text.Assign("Errands");
  SetStickerText(r, text);
  return r;
}

std::vector<StickerRecord> FiveStickers() {
  return {Styled(1, kStylePanel, 20, 30, "Milk and bread\r\nCall Anna at five"),
          Styled(2, kStyleModern, 300, 40, "Book the tickets before Friday"),
          Styled(3, kStyleVistaGlass, 40, 260, "Water the plants"),
          Styled(4, kStyleClassic, 330, 280, "Pay the rent"),
          Styled(5, kStyleAero, 120, 380, "[n/wmc]")};
}

RECT RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

class DisplayScaleStart : public StickerProgram {};

TEST_F(DisplayScaleStart, ABaseFrom100PercentOpensAtOneAndAHalfTimesAndIsKept) {
  const ScopedSystemScale scale(144);
  ASSERT_TRUE(scale.Set());
  const std::vector<StickerRecord> records = FiveStickers();
  Start(records);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), records.size()));
  for (const StickerRecord& record : records) {
    HWND window = WindowOf(record.id);
    ASSERT_NE(window, nullptr) << record.id;
    const RECT r = RectOf(window);
    EXPECT_EQ(r.left, kAt150.Px(record.left)) << record.id;
    EXPECT_EQ(r.top, kAt150.Px(record.top)) << record.id;
    // The picture the program draws at 150 %, not the one of 100 % stretched.
    const DrawnSticker drawn = DrawSticker(record, nullptr, kAt150);
    EXPECT_EQ(r.right - r.left, drawn.composite.Width()) << record.id;
    EXPECT_EQ(r.bottom - r.top, drawn.composite.Height()) << record.id;
    // Template frames hug their text; title-bar frames keep a least size
    // their template gives, so a short title may not grow.
    const int at100 = DrawSticker(record).composite.Height();
    EXPECT_GE(r.bottom - r.top, IsTemplateStyle(record.style) ? at100 * 5 / 4 : at100) << record.id;
  }
  // Written back as it was read.
  const std::vector<StickerRecord> saved = Saved();
  ASSERT_EQ(saved.size(), records.size());
  for (std::size_t i = 0; i < saved.size(); ++i) {
    EXPECT_EQ(saved[i].left, records[i].left) << i;
    EXPECT_EQ(saved[i].top, records[i].top) << i;
    EXPECT_EQ(saved[i].width, records[i].width) << i;
    EXPECT_EQ(saved[i].height, records[i].height) << i;
  }

  // A sticker moved to (600, 450) on the screen is at (400, 300) in the
  // file, and its size is its size at 100 %.
  HWND moved = WindowOf(1);
  SetWindowPos(moved, nullptr, 600, 450, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(moved, WM_EXITSIZEMOVE, 0, 0);
  const RECT r = RectOf(moved);
  const StickerRecord first = Saved().front();
  EXPECT_EQ(first.left, 400);
  EXPECT_EQ(first.top, 300);
  EXPECT_EQ(first.width, kAt150.Unscaled(r.right - r.left));
  EXPECT_EQ(first.height, kAt150.Unscaled(r.bottom - r.top));
}

}  // namespace
