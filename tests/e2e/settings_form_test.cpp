// The settings dialog of a running Quillory.exe, opened from a sticker's menu
// and driven through its controls, found by id.

#include <gtest/gtest.h>

#include "editors/settings_form_win.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"
#include "win/file_io_win.h"

namespace {

class SettingsForm : public StickerProgram {
 protected:
  static HWND Find(HWND dialog, int id) { return ControlById(dialog, id); }
  static void Click(HWND dialog, int id) {
    DWORD_PTR ignored;
    SendMessageTimeoutW(Find(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
  }
  static void SetText(HWND dialog, int id, const wchar_t* text) {
    SendMessageW(Find(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
};

TEST_F(SettingsForm, ApplyShowsTheChangeAtOnceAndWritesTheMergedRecordAndCancelKeepsIt) {
  StickerRecord original = Placed(1, 100, 100);
  original.style = kStylePanel;
  HWND sticker = StartOne(original);
  ASSERT_NE(sticker, nullptr);
  RECT before{};
  GetWindowRect(sticker, &before);
  HWND dialog = OpenSettingsOf(sticker);
  ASSERT_NE(dialog, nullptr);

  SetText(dialog, TSettingsForm::kCaptionEdit, L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");  // 32, the most a caption holds
  SetText(dialog, TSettingsForm::kBodyEdit, L"First line\r\nSecond line\r\nThird line");
  SendMessageW(Find(dialog, TSettingsForm::kSkinStyleList), CB_SETCURSEL, kStyleAero, 0);
  SendMessageW(Find(dialog, TSettingsForm::kFontSizeList), CB_SETCURSEL, 4, 0);  // 14 points
  Click(dialog, TSettingsForm::kRandomColourButton);
  Click(dialog, TSettingsForm::kPositionUpRadio);
  Click(dialog, TSettingsForm::kApplyButton);

  RECT after{};
  GetWindowRect(sticker, &after);
  EXPECT_GT(after.right - after.left, before.right - before.left);  // the size follows the content at once
  EXPECT_GT(after.bottom - after.top, before.bottom - before.top);
  auto saved = OnDisk();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].caption.line_text.View(), std::string(32, 'W'));
  EXPECT_EQ(GetStickerText(saved[0]), "First line\r\nSecond line\r\nThird line");
  EXPECT_EQ(saved[0].style, kStyleAero);
  EXPECT_EQ(saved[0].body.font_size, 14);
  EXPECT_EQ(saved[0].position, kPositionTopmost);
  EXPECT_EQ(saved[0].id, 1);  // what the dialog does not edit stays as stored
  EXPECT_EQ(saved[0].left, 100);
  EXPECT_EQ(saved[0].body.layout_x, original.body.layout_x);

  Click(dialog, IDCANCEL);
  EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(dialog); }));
  saved = OnDisk();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].style, kStyleAero);  // Cancel does not undo the Apply
}

// Screen readers name a button by its text: the picture buttons carry their
// tool tips.
TEST_F(SettingsForm, ItsPictureButtonsAreNamed) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  HWND dialog = OpenSettingsOf(sticker);
  ASSERT_NE(dialog, nullptr);
  const std::pair<int, const wchar_t*> names[] = {{TSettingsForm::kAlignLeftButton, L"Left"},
                                                  {TSettingsForm::kAlignCentreButton, L"Center"},
                                                  {TSettingsForm::kAlignRightButton, L"Right"},
                                                  {TSettingsForm::kSavePatternButton, L"Save"},
                                                  {TSettingsForm::kDeletePatternButton, L"Remove"}};
  for (const auto& [id, name] : names) {
    wchar_t text[64] = {};
    GetWindowTextW(Find(dialog, id), text, 64);
    EXPECT_EQ(std::wstring(text), name) << id;
  }
  Click(dialog, IDCANCEL);
}

TEST_F(SettingsForm, APatternIsSavedInItsFileOrderListedAndRemoved) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  HWND dialog = OpenSettingsOf(sticker);
  ASSERT_NE(dialog, nullptr);
  PostMessageW(Find(dialog, TSettingsForm::kSavePatternButton), BM_CLICK, 0, 0);
  HWND prompt = ShownWindow(L"TFormDialog");
  ASSERT_NE(prompt, nullptr);
  SetText(prompt, TFormDialog::kTextEdit, L"Evening");
  PostMessageW(prompt, WM_COMMAND, IDOK, 0);
  HWND list = Find(dialog, TSettingsForm::kPatternList);
  ASSERT_TRUE(Eventually([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }));
  const std::vector<std::wstring> files = FilesWithExtension(copy.File(L"patterns\\"), L".ptr");
  ASSERT_EQ(files.size(), 1u);
  const std::string text = ReadText(files[0]);
  const std::size_t info = text.find("[Info]"), name = text.find("name=Evening"), textSection = text.find("[Text]"),
                    size = text.find("Size="), window = text.find("[Window]"), ico = text.find("Ico=");
  EXPECT_LT(info, name);
  EXPECT_LT(name, textSection);
  EXPECT_LT(textSection, size);
  EXPECT_LT(size, window);
  EXPECT_LT(window, ico);
  EXPECT_NE(ico, std::string::npos) << text;

  Click(dialog, TSettingsForm::kDeletePatternButton);
  EXPECT_TRUE(Eventually([&] { return !FileExists(files[0]); }));
  Click(dialog, IDCANCEL);
}

}  // namespace
