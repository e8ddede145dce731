// A sticker's own menu in a running Quillory.exe, opened with a right click
// and walked with the arrow keys as a user would: each item's effect on the
// window and in base.db.

#include <gtest/gtest.h>

#include <string>

#include "editors/settings_form_win.h"
#include "support/sticker_program_win.h"

namespace {

class StickerMenu : public StickerProgram {
 protected:
  // base.db holds one sticker for which `holds` is true, now or soon.
  template <typename Holds>
  bool DiskShows(Holds holds) {
    return Eventually([&] {
      const auto saved = OnDisk();
      return saved.size() == 1 && holds(saved[0]);
    });
  }
  static bool Topmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
  static SIZE SizeOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
  }
};

// Each position is stored as it is applied; On the desktop needs the
// desktop's own window, and without one nothing is stored.
TEST_F(StickerMenu, TheFourPositionsAreAppliedAndStored) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  ChooseFromMenu(sticker, kMenuPlaceTopmost);
  EXPECT_TRUE(DiskShows([](const StickerRecord& r) { return r.position == kPositionTopmost; }));
  EXPECT_TRUE(Topmost(sticker));

  ChooseFromMenu(sticker, kMenuPlaceBehindAll);
  EXPECT_TRUE(DiskShows([](const StickerRecord& r) { return r.position == kPositionBottom; }));
  EXPECT_TRUE(Eventually([&] { return !Topmost(sticker); }));

  ChooseFromMenu(sticker, kMenuPlaceNormal);  // asks for the topmost band once
  EXPECT_TRUE(DiskShows([](const StickerRecord& r) { return r.position == kPositionNormal; }));
  EXPECT_TRUE(Eventually([&] { return Topmost(sticker); }));

  ChooseFromMenu(sticker, kMenuPlaceOnDesktop);
  ASSERT_TRUE(PostedMessagesHandled(sticker));
  EXPECT_EQ(Saved()[0].position, kPositionNormal);
  EXPECT_EQ(GetAncestor(sticker, GA_PARENT), GetDesktopWindow());

  const UniqueWindow desktop = OpenDesktopStandIn();
  HWND host = desktop.Get();
  ASSERT_NE(host, nullptr);
  ChooseFromMenu(sticker, kMenuPlaceOnDesktop);
  EXPECT_TRUE(DiskShows([](const StickerRecord& r) { return r.position == kPositionDesktop; }));
  EXPECT_TRUE(Eventually([&] { return GetAncestor(sticker, GA_PARENT) == host; }));
}

// A floating sticker keeps no area of its own, so no click reaches it; the
// flag is kept for the next start.
TEST_F(StickerMenu, FloatingIsStoredAndLeavesTheWindowNoArea) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  ChooseFromMenu(sticker, kMenuPlaceFloating);
  EXPECT_TRUE(DiskShows([](const StickerRecord& r) { return r.floating == 1; }));
  EXPECT_TRUE(Eventually([&] { return SizeOf(sticker).cx == 0; }));
}

// Copy puts the text on the clipboard; Paste replaces it and writes it; an
// empty clipboard text changes nothing.
TEST_F(StickerMenu, CopyAndPasteCarryTheTextBothWays) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  SetClipboardText(L"");
  ChooseFromMenu(sticker, kMenuPlaceCopy);
  EXPECT_TRUE(Eventually([] { return ClipboardText() == L"note 1"; })) << ClipboardText().size();

  SetClipboardText(L"from the clipboard\r\nsecond line");
  ChooseFromMenu(sticker, kMenuPlacePaste);
  EXPECT_TRUE(DiskShows([](const StickerRecord& r) { return GetStickerText(r) == "from the clipboard\r\nsecond line"; }));
  StickerRecord live{};
  ASSERT_TRUE(LiveRecordOf(sticker, live));
  EXPECT_EQ(GetStickerText(live), "from the clipboard\r\nsecond line");

  SetClipboardText(L"");
  ChooseFromMenu(sticker, kMenuPlacePaste);
  ChooseFromMenu(sticker, kMenuPlaceCopy);  // handled after the paste: the clipboard shows the text kept
  EXPECT_TRUE(Eventually([] { return ClipboardText() == L"from the clipboard\r\nsecond line"; }));
  EXPECT_EQ(GetStickerText(OnDisk()[0]), "from the clipboard\r\nsecond line");
}

TEST_F(StickerMenu, CollapseFoldsTheStickerToItsCaptionAndBack) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  const SIZE expanded = SizeOf(sticker);
  ChooseFromMenu(sticker, kMenuPlaceCollapse);
  EXPECT_TRUE(DiskShows([](const StickerRecord& r) { return r.expanded == 0; }));
  EXPECT_TRUE(Eventually([&] { return SizeOf(sticker).cy < expanded.cy; }));
  ChooseFromMenu(sticker, kMenuPlaceCollapse);  // now named "Normalize"
  EXPECT_TRUE(DiskShows([](const StickerRecord& r) { return r.expanded == 1; }));
  EXPECT_TRUE(Eventually([&] { return SizeOf(sticker).cy == expanded.cy; }));
}

// Properties opens the settings of the sticker it was chosen on.
TEST_F(StickerMenu, PropertiesOpensTheSettingsOfThisSticker) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  HWND dialog = OpenSettingsOf(WindowOf(2));
  ASSERT_NE(dialog, nullptr);
  wchar_t memo[64] = {};
  SendMessageW(ControlById(dialog, TSettingsForm::kBodyEdit), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(memo));
  EXPECT_EQ(std::wstring(memo), L"note 2");
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(dialog); }));
}

}  // namespace
