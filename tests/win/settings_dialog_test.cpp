// The settings dialog built by the program's own code over a program folder
// of its own, used from inside its modal loop as a user would: what it shows
// when it opens, what Ok hands back, loading and keeping patterns, and how
// much a caption may hold.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "editors/settings_form_win.h"
#include "lang/tmui.h"
#include "lang/button_texts.h"
#include "win/form_dialog_win.h"
#include "store/pattern_file.h"
#include "support/blank_glyphs.h"
#include "support/sticker_artwork_win.h"
#include "support/dialog_fit_win.h"
#include "support/temp_folder_win.h"
#include "support/wait_win.h"
#include "win/colour_box_win.h"

namespace {

using F = TSettingsForm;

// Runs `act` once `window` shows. The dialogs are modal, so the act runs on
// their own thread from inside their message loop, between the messages they
// handle, as a user's input would. A window the act leaves open is closed,
// so that a failed check cannot keep the test waiting.
class WhenShown {
 public:
  WhenShown(HWND window, std::function<void()> act) : window_(window), act_(std::move(act)) {
    timer_ = SetTimer(nullptr, 0, kLookEveryMs, Look);
    Waiting()[timer_] = this;
  }
  ~WhenShown() {
    KillTimer(nullptr, timer_);
    Waiting().erase(timer_);
  }
  WhenShown(const WhenShown&) = delete;
  WhenShown& operator=(const WhenShown&) = delete;

 private:
  static constexpr UINT kLookEveryMs = 10;
  static std::map<UINT_PTR, WhenShown*>& Waiting() {
    static std::map<UINT_PTR, WhenShown*> waiting;
    return waiting;
  }
  static void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD) {
    const auto found = Waiting().find(timer);
    if (found == Waiting().end() || !IsWindowVisible(found->second->window_)) return;
    WhenShown& self = *found->second;
    KillTimer(nullptr, timer);
    Waiting().erase(found);
    self.act_();
    if (IsWindowVisible(self.window_)) PostMessageW(self.window_, WM_CLOSE, 0, 0);
  }

  HWND window_;
  std::function<void()> act_;
  UINT_PTR timer_ = 0;
};

constexpr std::int32_t kId = 1700000000;

// A sticker that uses the last entry of every list, a font size and a hide
// interval between the steps, and the opposite of every default.
StickerRecord Groceries() {
  StickerRecord r = NewStickerRecord(0x123456);
  r.id = kId;
  r.caption.line_text.Assign("Groceries");
  r.date_line.line_text.Assign("12.03.2026");
  r.date_line.show = 1;
  SetStickerText(r, "Milk\r\nBread");
  r.alpha = 255;
  r.style = 17;
  r.icon = 34;
  r.position = kPositionDesktop;
  r.lock_move = 1;
  r.floating = 1;
  r.hide_from_mouse = 1;
  r.hide_interval = 610;
  r.body.font_name.Assign("Tahoma");
  r.body.font_size = 13;
  r.body.color = 0x0000FF;
  r.body.shadow_color = 0x00FF00;
  r.body.use_shadow = 0;
  r.use_color = 1;
  r.word_wrap = 0;
  r.align = 2;
  r.font_style = 3;
  r.popup_buttons = 0;
  return r;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuiltArtwork::Get().Loaded());
    CreateDirectoryW(PatternsFolder(program.Path()).c_str(), nullptr);
    ASSERT_TRUE(prompt.Create());
    const ContentSources art = BuiltArtwork::Get().Sources(&userIcons);
    icons = std::make_unique<IconChoices>(art);
    form = std::make_unique<F>(SettingsFormArgs{{&texts, program.Path(), art, icons.get(), &glyphs},
                                                program.File(L"config.txt"),
                                                &prompt,
                                                [this](std::int32_t id, const StickerRecord& edited) {
                                                  EXPECT_EQ(id, kId);
                                                  applied.push_back(edited);
                                                }});
    ASSERT_TRUE(form->Create());
  }

  // Opens the dialog on the record and runs `act` while it shows.
  void OpenAnd(const StickerRecord& record, std::function<void()> act) {
    WhenShown user(form->Handle(), std::move(act));
    form->Open(kId, record);
  }

  HWND Control(int id) const { return form->Control(id); }
  std::wstring Text(int id) const { return form->ControlText(id); }
  bool Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  int Selection(int id) const { return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0)); }
  int Slider(int id) const { return static_cast<int>(SendMessageW(Control(id), TBM_GETPOS, 0, 0)); }
  COLORREF Colour(int id) const { return BoxColour(Control(id)); }
  void Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }
  int Patterns() const { return static_cast<int>(SendMessageW(Control(F::kPatternList), LB_GETCOUNT, 0, 0)); }
  std::wstring SelectedFont() const {
    wchar_t name[LF_FACESIZE] = {};
    const LRESULT index = SendMessageW(Control(F::kFontNameList), CB_GETCURSEL, 0, 0);
    if (index != CB_ERR) SendMessageW(Control(F::kFontNameList), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name));
    return name;
  }
  // Saves the current look as a pattern: `check` sees the name proposed,
  // then `name` is typed over it.
  void SavePattern(const std::function<void(const std::wstring&)>& check, const wchar_t* name) {
    WhenShown user(prompt.Handle(), [&] {
      check(prompt.ControlText(TFormDialog::kTextEdit));
      prompt.SetControlText(TFormDialog::kTextEdit, name);
      SendMessageW(prompt.Control(TFormDialog::kOkButton), BM_CLICK, 0, 0);
    });
    Click(F::kSavePatternButton);
  }

  TempFolder program;
  TMUI texts;
  TATBitmap userIcons;
  MenuGlyphs glyphs{BlankGlyphStrip, 0};
  TFormDialog prompt{texts, kOkText, kCancelText};
  std::unique_ptr<IconChoices> icons;
  std::unique_ptr<F> form;
  std::vector<StickerRecord> applied;
};

TEST_F(SettingsDialogTest, OpensWithEveryValueOfTheStickerAndOkHandsThemBack) {
  const StickerRecord sticker = Groceries();
  OpenAnd(sticker, [&] {
    wchar_t title[64] = {};
    GetWindowTextW(form->Handle(), title, 64);
    EXPECT_STREQ(title, L"Properties: Groceries");
    EXPECT_EQ(Text(F::kCaptionEdit), L"Groceries");
    EXPECT_TRUE(Checked(F::kUseDateCheck));
    EXPECT_EQ(Text(F::kDateEdit), L"12.03.2026");
    EXPECT_TRUE(Enabled(F::kDateEdit));
    EXPECT_EQ(Text(F::kBodyEdit), L"Milk\r\nBread");
    EXPECT_EQ(Text(F::kLengthLabel), L"11/2048");
    EXPECT_FALSE(Checked(F::kWordWrapCheck));
    EXPECT_TRUE(GetWindowLongW(Control(F::kBodyEdit), GWL_STYLE) & WS_HSCROLL);  // no wrap: it scrolls sideways
    EXPECT_EQ(SelectedFont(), L"Tahoma");
    EXPECT_EQ(Selection(F::kFontSizeList), 3);  // 13 points: the entry "12"
    EXPECT_EQ(Colour(F::kTextColourBox), 0x0000FFu);
    EXPECT_EQ(Colour(F::kShadowColourBox), 0x00FF00u);
    EXPECT_FALSE(Checked(F::kTextShadowCheck));
    EXPECT_TRUE(Checked(F::kBoldButton));
    EXPECT_TRUE(Checked(F::kItalicButton));
    EXPECT_FALSE(Checked(F::kAlignLeftButton));
    EXPECT_FALSE(Checked(F::kAlignCentreButton));
    EXPECT_TRUE(Checked(F::kAlignRightButton));

    EXPECT_EQ(Slider(F::kTransparencySlider), 255);
    EXPECT_EQ(Selection(F::kSkinStyleList), 17);
    EXPECT_EQ(Selection(F::kIconList), 34);
    EXPECT_FALSE(Checked(F::kPinCheck));
    EXPECT_TRUE(Checked(F::kUseColourCheck));
    EXPECT_TRUE(Enabled(F::kMaskColourBox));
    EXPECT_EQ(Colour(F::kMaskColourBox), 0x123456u);

    for (int id : {F::kPositionUpRadio, F::kPositionNormalRadio, F::kPositionBackRadio}) EXPECT_FALSE(Checked(id)) << id;
    EXPECT_TRUE(Checked(F::kPositionBottomRadio));
    EXPECT_TRUE(Checked(F::kLockMoveCheck));
    EXPECT_TRUE(Checked(F::kFloatCheck));
    EXPECT_TRUE(Checked(F::kMouseOverCheck));
    EXPECT_EQ(Slider(F::kHideDelaySlider), 30);  // 610 ms in steps of 20
    EXPECT_EQ(Text(F::kHideDelayLabel), L"0,60 sec.");
    Click(IDOK);
  });

  ASSERT_EQ(applied.size(), 1u);
  const StickerRecord& r = applied[0];
  EXPECT_EQ(r.caption.line_text.View(), "Groceries");
  EXPECT_EQ(r.date_line.line_text.View(), "12.03.2026");
  EXPECT_EQ(r.date_line.show, 1);
  EXPECT_EQ(GetStickerText(r), "Milk\r\nBread");
  EXPECT_EQ(r.alpha, 255);
  EXPECT_EQ(r.style, 17);
  EXPECT_EQ(r.icon, 34);
  EXPECT_EQ(r.position, kPositionDesktop);
  EXPECT_EQ(r.lock_move, 1);
  EXPECT_EQ(r.floating, 1);
  EXPECT_EQ(r.hide_from_mouse, 1);
  EXPECT_EQ(r.hide_interval, 600);
  EXPECT_EQ(r.popup_buttons, 0);
  EXPECT_EQ(r.use_color, 1);
  EXPECT_EQ(r.color, 0x123456u);
  EXPECT_EQ(r.word_wrap, 0);
  EXPECT_EQ(r.align, 2);
  EXPECT_EQ(r.font_style, 3);
  for (const StickerTextBlock* block : {&r.body, &r.caption, &r.date_line}) {
    EXPECT_EQ(block->font_name.View(), "Tahoma");
    EXPECT_EQ(block->color, 0x0000FFu);
    EXPECT_EQ(block->shadow_color, 0x00FF00u);
    EXPECT_EQ(block->use_shadow, 0);
  }
  EXPECT_EQ(r.body.font_size, 12);
}

// A sticker written on a computer with other fonts: nothing in the list is
// selected, and Ok keeps every block's font as it was.
TEST_F(SettingsDialogTest, AFontTheListLacksIsKeptInEveryBlock) {
  StickerRecord sticker = Groceries();
  sticker.body.font_name.Assign("Body Face Nobody Has");
  sticker.caption.font_name.Assign("Caption Face Nobody Has");
  sticker.date_line.font_name.Assign("Date Face Nobody Has");
  OpenAnd(sticker, [&] {
    EXPECT_EQ(Selection(F::kFontNameList), CB_ERR);
    Click(F::kApplyButton);
    Click(IDOK);
  });
  ASSERT_EQ(applied.size(), 2u);  // Apply, then Ok
  for (const StickerRecord& r : applied) {
    EXPECT_EQ(r.body.font_name.View(), "Body Face Nobody Has");
    EXPECT_EQ(r.caption.font_name.View(), "Caption Face Nobody Has");
    EXPECT_EQ(r.date_line.font_name.View(), "Date Face Nobody Has");
  }
}

// Loading takes the pattern's look and leaves what the sticker says, where it
// stands and how it behaves.
TEST_F(SettingsDialogTest, LoadingAPatternChangesTheLookOnly) {
  WriteText(program.File(L"patterns\\evening.ptr"),
            "[Info]\r\nname=Evening\r\n"
            "[Text]\r\nColor=16711680\r\nColorShadow=65535\r\nuse_shadow=1\r\nfont=Marlett\r\nSize=16\r\nAlign=1\r\n"
            "Styletext=0\r\n"
            "[Window]\r\nTransparent=100\r\nStyle=3\r\nuse_color=0\r\nColor=1193046\r\nIco=5\r\n");
  OpenAnd(Groceries(), [&] {
    ASSERT_EQ(Patterns(), 1);
    EXPECT_EQ(SendMessageW(Control(F::kPatternList), LB_GETCURSEL, 0, 0), 0);
    ASSERT_TRUE(Enabled(F::kApplyPatternButton));
    Click(F::kApplyPatternButton);

    EXPECT_FALSE(Enabled(F::kApplyPatternButton));
    EXPECT_EQ(Colour(F::kTextColourBox), 0xFF0000u);
    EXPECT_EQ(Colour(F::kShadowColourBox), 0x00FFFFu);
    EXPECT_TRUE(Checked(F::kTextShadowCheck));
    EXPECT_EQ(SelectedFont(), L"Marlett");
    EXPECT_EQ(Selection(F::kFontSizeList), 5);
    EXPECT_TRUE(Checked(F::kAlignCentreButton));
    EXPECT_FALSE(Checked(F::kAlignRightButton));
    EXPECT_FALSE(Checked(F::kBoldButton));
    EXPECT_FALSE(Checked(F::kItalicButton));
    EXPECT_EQ(Slider(F::kTransparencySlider), 100);
    EXPECT_EQ(Selection(F::kSkinStyleList), 3);
    EXPECT_FALSE(Checked(F::kUseColourCheck));
    EXPECT_FALSE(Enabled(F::kMaskColourBox));
    EXPECT_EQ(Colour(F::kMaskColourBox), 1193046u);
    EXPECT_EQ(Selection(F::kIconList), 5);

    EXPECT_EQ(Text(F::kCaptionEdit), L"Groceries");
    EXPECT_EQ(Text(F::kBodyEdit), L"Milk\r\nBread");
    EXPECT_TRUE(Checked(F::kPositionBottomRadio));
    EXPECT_TRUE(Checked(F::kLockMoveCheck));
    EXPECT_TRUE(Checked(F::kMouseOverCheck));
    Click(IDOK);
  });
  ASSERT_EQ(applied.size(), 1u);
  const StickerRecord& r = applied[0];
  EXPECT_EQ(r.alpha, 100);
  EXPECT_EQ(r.style, 3);
  EXPECT_EQ(r.icon, 5);
  EXPECT_EQ(r.align, 1);
  EXPECT_EQ(r.body.font_size, 16);
  EXPECT_EQ(r.caption.font_name.View(), "Marlett");
  EXPECT_EQ(r.caption.color, 0xFF0000u);
  EXPECT_EQ(GetStickerText(r), "Milk\r\nBread");
  EXPECT_EQ(r.position, kPositionDesktop);
  EXPECT_EQ(r.floating, 1);
}

// The name prompt proposes the name given last; a deleted pattern leaves the
// list at once, so that it cannot be loaded after its file is gone.
TEST_F(SettingsDialogTest, SavedPatternsAreNamedFromTheLastNameAndADeletedOneLeavesTheList) {
  OpenAnd(Groceries(), [&] {
    EXPECT_EQ(Patterns(), 0);
    SavePattern([](const std::wstring& proposed) { EXPECT_EQ(proposed, L""); }, L"Morning");
    EXPECT_EQ(Patterns(), 1);
    SavePattern([](const std::wstring& proposed) { EXPECT_EQ(proposed, L"Morning"); }, L"Evening");
    ASSERT_EQ(Patterns(), 2);

    SendMessageW(Control(F::kPatternList), LB_SETCURSEL, 1, 0);
    Click(F::kDeletePatternButton);
    ASSERT_EQ(Patterns(), 1);
    std::wstring left(64, L'\0');
    left.resize(static_cast<std::size_t>(SendMessageW(Control(F::kPatternList), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(left.data()))));
    EXPECT_EQ(SplitPatternEntry(left).name, L"Evening");  // the list is sorted: Morning was the second
    EXPECT_EQ(SendMessageW(Control(F::kPatternList), LB_GETCURSEL, 0, 0), 0);
    Click(F::kDeletePatternButton);
    EXPECT_EQ(Patterns(), 0);
    Click(IDCANCEL);
  });
  EXPECT_TRUE(applied.empty());
}

// A caption and a date line keep 32 bytes: the edits take no more, typed or
// set.
TEST_F(SettingsDialogTest, TheCaptionAndDateLineTakeNoMoreThanTheyKeep) {
  OpenAnd(Groceries(), [&] {
    SetWindowTextW(Control(F::kCaptionEdit), L"");
    for (int i = 0; i < 40; ++i) SendMessageW(Control(F::kCaptionEdit), WM_CHAR, L'a' + i % 26, 0);
    EXPECT_EQ(Text(F::kCaptionEdit), L"abcdefghijklmnopqrstuvwxyzabcdef");
    SetWindowTextW(Control(F::kDateEdit), std::wstring(40, L'9').c_str());
    EXPECT_EQ(Text(F::kDateEdit), std::wstring(32, L'9'));
    Click(IDOK);
  });
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_EQ(applied[0].caption.line_text.View(), "abcdefghijklmnopqrstuvwxyzabcdef");
  EXPECT_EQ(applied[0].date_line.line_text.View(), std::string(32, '9'));
}

// Moved to a monitor at one and a half times its scale, every control of
// every tab still lies inside the dialog and shows all of its text, and the
// picture buttons show pictures drawn for the new scale.
TEST_F(SettingsDialogTest, EveryControlFitsAtItsScaleAndAtOneAndAHalfTimesIt) {
  const auto pictureSide = [this] {
    BITMAP picture{};
    const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(Control(F::kSavePatternButton), BM_GETIMAGE, IMAGE_BITMAP, 0));
    return bitmap && GetObjectW(bitmap, sizeof(picture), &picture) ? picture.bmWidth : 0;
  };
  EXPECT_EQ(ControlsThatDoNotFit(form->Handle()), std::vector<std::wstring>{});
  EXPECT_EQ(pictureSide(), ScaleToDpi(16, form->Dpi()));
  MoveToDpi(form->Handle(), form->Dpi(), form->Dpi() * 3 / 2);
  EXPECT_EQ(ControlsThatDoNotFit(form->Handle()), std::vector<std::wstring>{});
  EXPECT_EQ(pictureSide(), ScaleToDpi(16, form->Dpi())) << "the picture buttons show the new scale's pictures";
  // The memo still fills what the panels leave free.
  const RECT memo = RectIn(form->Handle(), Control(F::kBodyEdit));
  const RECT counter = RectIn(form->Handle(), Control(F::kLengthLabel));
  EXPECT_LE(memo.bottom, counter.top);
  EXPECT_GT(memo.bottom - memo.top, form->Scaled(100));
}

}  // namespace
