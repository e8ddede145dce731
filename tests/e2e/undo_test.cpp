// Taking back a sticker's last change of text or look in a running
// Quillory.exe: Ctrl+Z on the sticker or Undo in its menu, after a paste, the
// settings dialog or a record another program delivered. The restored record
// is written at once.

#include <gtest/gtest.h>

#include <string>

#include "editors/settings_form_win.h"
#include "support/sticker_program_win.h"

namespace {

class Undo : public StickerProgram {
 protected:
  bool DiskText(const std::string& text) {
    return Eventually([&] {
      const auto saved = OnDisk();
      return saved.size() == 1 && GetStickerText(saved[0]) == text;
    });
  }
  static std::string LiveText(HWND sticker) {
    StickerRecord live{};
    return LiveRecordOf(sticker, live) ? std::string(GetStickerText(live)) : std::string("(no answer)");
  }
};

// One step only: a second Ctrl+Z does not bring the paste back.
TEST_F(Undo, ControlZTakesBackAStrayPasteAndWritesIt) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  ASSERT_TRUE(FocusSticker(sticker));
  SetClipboardText(L"a stray paste");
  PressKeys({VK_CONTROL, 'V'});
  ASSERT_TRUE(DiskText("a stray paste"));
  ASSERT_TRUE(FocusSticker(sticker));
  PressKeys({VK_CONTROL, 'Z'});
  EXPECT_TRUE(DiskText("note 1"));
  EXPECT_EQ(LiveText(sticker), "note 1");

  ASSERT_TRUE(FocusSticker(sticker));
  PressKeys({VK_CONTROL, 'Z'});
  SetClipboardText(L"");
  PressKeys({VK_CONTROL, 'C'});  // handled after the second Ctrl+Z
  EXPECT_TRUE(Eventually([] { return ClipboardText() == L"note 1"; })) << ClipboardText().size();
  EXPECT_TRUE(DiskText("note 1"));
}

// The text and the look come back together; what changed since by other
// means (here the collapse) stays.
TEST_F(Undo, TheMenuItemTakesBackWhatTheSettingsDialogChanged) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  HWND dialog = OpenSettingsOf(sticker);
  ASSERT_NE(dialog, nullptr);
  SendMessageW(ControlById(dialog, TSettingsForm::kBodyEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"rewritten"));
  SendMessageW(ControlById(dialog, TSettingsForm::kSkinStyleList), CB_SETCURSEL, kStyleAero, 0);
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(dialog); }));
  ASSERT_TRUE(DiskText("rewritten"));
  ChooseFromMenu(sticker, kMenuPlaceCollapse);
  ASSERT_TRUE(Eventually([&] { return OnDisk()[0].expanded == 0; }));

  ChooseFromMenu(sticker, kMenuPlaceUndo);
  EXPECT_TRUE(DiskText("note 1"));
  const auto saved = OnDisk();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].style, kStylePanel);
  EXPECT_EQ(saved[0].expanded, 0);
  StickerRecord live{};
  ASSERT_TRUE(LiveRecordOf(sticker, live));
  EXPECT_EQ(GetStickerText(live), "note 1");
  EXPECT_EQ(live.style, kStylePanel);
}

// A record from another program changes only the window; taking it back
// shows the sticker as stored again.
TEST_F(Undo, TheMenuItemTakesBackADeliveredRecord) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  StickerRecord delivered = Placed(1, 100, 100);
  SetStickerText(delivered, "sent by another program");
  delivered.style = kStyleAero;
  SendCopyData(sticker, kRecordDeliveryTag, &delivered, sizeof(delivered));
  ASSERT_EQ(LiveText(sticker), "sent by another program");
  ChooseFromMenu(sticker, kMenuPlaceUndo);
  EXPECT_TRUE(Eventually([&] { return LiveText(sticker) == "note 1"; }));
  StickerRecord live{};
  ASSERT_TRUE(LiveRecordOf(sticker, live));
  EXPECT_EQ(live.style, kStylePanel);
  EXPECT_TRUE(DiskText("note 1"));
}

// The step is kept with the sticker, not its window, for as long as the
// program runs.
TEST_F(Undo, AHiddenStickerKeepsItsStepBack) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  SetClipboardText(L"pasted before hiding");
  ChooseFromMenu(sticker, kMenuPlacePaste);
  ASSERT_TRUE(DiskText("pasted before hiding"));
  Instance(kInstanceToggleSticker, 1);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 0));
  Instance(kInstanceToggleSticker, 1);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  ChooseFromMenu(StickerWindowsOf(Pid()).front(), kMenuPlaceUndo);
  EXPECT_TRUE(DiskText("note 1"));
}

}  // namespace
