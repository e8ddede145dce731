// Quillory started at a system scale of 150 % (LogPixels 144) over a base.db
// written at 100 %: every sticker opens at one and a half times its place,
// drawn at that scale, and the file keeps the numbers it had.

#include <gtest/gtest.h>

#include <map>

#include "app/tray_icon_win.h"
#include "sticker/skin_styles.h"
#include "support/golden_picture_win.h"
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

// Pictures to judge by eye, at 150 % and 200 %: the stickers, the tray menu
// with its language and hot-key menus, the stickers sub-menu and a
// sticker's own menu. Runs only when QUILLORY_SHOTS_DIR names a folder.
class DisplayScaleLook : public DisplayScaleStart, public ::testing::WithParamInterface<int> {
 protected:
  void Shoot(const std::wstring& name) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_TRUE(SavePng(SettledScreenPicture(screen), folder + L"\\" + std::to_wstring(GetParam()) + L"_" + name + L".png"));
  }
  std::wstring folder = FolderFromEnvironment("QUILLORY_SHOTS_DIR");
};

TEST_P(DisplayScaleLook, StickersAndMenus) {
  if (folder.empty()) GTEST_SKIP() << "QUILLORY_SHOTS_DIR names the folder for the pictures";
  const ScopedSystemScale scale(static_cast<DWORD>(GetParam()));
  std::vector<StickerRecord> records = FiveStickers();
  for (StickerRecord& r : records) {  // to fit the screen at 200 %
    r.left = r.left * 96 / GetParam() + 8;
    r.top = r.top * 96 / GetParam();
  }
  records.back().style = kStylePanel;
  records.push_back(Styled(6, kStyleDarkGlass, 520 * 96 / GetParam(), 20, "[n/wmcu]"));
  records[2].icon = 5;
  records[3].popup_buttons = 1;
  Start(records);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), records.size()));
  Shoot(L"stickers");

  MoveMouse({560, 420});  // where the tray menu opens, with room for its sub-menus
  PostMessageW(Tray(), kTrayCallbackMessage, 1, WM_RBUTTONUP);
  ASSERT_TRUE(WaitForMenuKeys(Pid()));
  PressKeys({VK_DOWN, VK_DOWN, VK_RIGHT});  // Language
  Shoot(L"tray_language");
  PressKeys({VK_LEFT, VK_DOWN, VK_RIGHT, VK_RIGHT});  // Chordix, New sticker
  Shoot(L"tray_hot_keys");
  PressKeys({VK_LEFT, VK_LEFT, VK_DOWN, VK_RIGHT, VK_RIGHT});  // Stickers, the first
  Shoot(L"tray_stickers");
  PressKeys({VK_ESCAPE, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
  Eventually([&] { return TopLevelWindows({L"#32768", Pid(), true}).empty(); });

  ASSERT_TRUE(OpenStickerMenu(WindowOf(4)));
  Shoot(L"sticker_menu");
  PressKeys({VK_ESCAPE});
}

INSTANTIATE_TEST_SUITE_P(At150And200, DisplayScaleLook, ::testing::Values(144, 192));

}  // namespace
