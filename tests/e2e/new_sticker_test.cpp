// New stickers as a user makes them: from the tray, from a second start, and
// with the form's defaults.

#include <gtest/gtest.h>

#include "app/tray_icon_win.h"
#include "editors/new_sticker_form_win.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"
#include "win/file_io_win.h"

namespace {

class NewSticker : public StickerProgram {
 protected:
  // The first opening lists every font of the system, which takes Wine a while.
  HWND Form() {
    HWND found = nullptr;
    Eventually(
        [&] {
          const auto windows = TopLevelWindows({L"TFormStickerMess", Pid(), true});
          found = windows.empty() ? nullptr : windows.front();
          return found != nullptr;
        },
        30000);
    return found;
  }
  void DoubleClickTray() { PostMessageW(Tray(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK); }
  static void Press(HWND form, int id) { PostMessageW(form, WM_COMMAND, id, 0); }
  static std::wstring Text(HWND form, int id) {
    wchar_t text[256] = {};
    SendMessageW(ControlById(form, id), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));  // another process's control
    return text;
  }
};

TEST_F(NewSticker, OkWithAnEmptyClipboardMakesADefaultStickerThatIsWrittenAtOnce) {
  Start({});
  SetClipboardText(L"");
  DoubleClickTray();
  HWND form = Form();
  ASSERT_NE(form, nullptr);
  Press(form, TFormStickerMess::kOkButton);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  ASSERT_TRUE(Answers(main));  // the handler that shows the sticker writes it too, before it returns
  RECT shown{};
  GetWindowRect(StickerWindowsOf(Pid()).front(), &shown);
  program->Kill();  // nothing more: the file already holds it
  const auto saved = OnDisk();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].caption.line_text.View(), "Sticker");
  EXPECT_EQ(GetStickerText(saved[0]), "Text");
  EXPECT_EQ(saved[0].style, kStylePanel);
  EXPECT_EQ(saved[0].visible, 1);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(saved[0].left, work.left + (work.right - work.left - (shown.right - shown.left)) / 2);  // centred
  EXPECT_EQ(saved[0].left, shown.left);
}

TEST_F(NewSticker, ASecondStartOpensTheFormOnlyOnce) {
  Start({});
  RunningProgram second(copy.Exe());  // no arguments: the running program opens its form
  EXPECT_TRUE(second.WaitForExit());
  HWND form = Form();
  ASSERT_NE(form, nullptr);
  // Already showing: only brought to the front. Sent, so that it has been
  // handled when the call returns.
  DWORD_PTR ignored;
  ASSERT_TRUE(SendMessageTimeoutW(Tray(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK, SMTO_NORMAL, 10000, &ignored));
  EXPECT_EQ(TopLevelWindows({L"TFormStickerMess", Pid(), true}).size(), 1u);
  Press(form, TFormStickerMess::kCancelButton);
  EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(form); }));
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), 0);
}

TEST_F(NewSticker, HideAllThenNewFromOneSecondStartRunInTheirOrder) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  RunningProgram second(copy.Exe(), L"hideall new");
  EXPECT_TRUE(second.WaitForExit());
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 0));
  HWND form = Form();
  ASSERT_NE(form, nullptr);
  Press(form, TFormStickerMess::kCancelButton);
}

TEST_F(NewSticker, TheClipboardTextStartsTheMemo) {
  Start({});
  SetClipboardText(L"From the clipboard");
  DoubleClickTray();
  HWND form = Form();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Text(form, StickerEditor::kBodyEdit), L"From the clipboard");
  Press(form, TFormStickerMess::kCancelButton);
}

TEST_F(NewSticker, SaveAsDefaultIsWrittenAndUsedByTheNextSticker) {
  Start({Placed(1, 100, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  program->SendUserCommand(kUserNewSticker, kUserNewStickerArgument);
  HWND form = Form();
  ASSERT_NE(form, nullptr);
  HWND style = ControlById(form, StickerEditor::kSkinStyleList);
  ASSERT_NE(style, nullptr);
  SendMessageW(style, CB_SETCURSEL, kStyleAero, 0);
  Press(form, StickerEditor::kSaveDefaultsButton);
  std::string saved;
  EXPECT_TRUE(Eventually([&] {  // written key by key, and held open while a key is written
    const FileReadResult file = ReadWholeFile(copy.File(L"default_settings.txt"), SIZE_MAX);
    saved.assign(file.bytes.begin(), file.bytes.end());
    return file.status == FileReadResult::Status::kOk && saved.find("Style=8") != std::string::npos &&
           saved.find("text_sixe=") != std::string::npos && saved.find("collapce_caption=") != std::string::npos;
  })) << saved;
  Press(form, TFormStickerMess::kOkButton);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  const auto stickers = Saved();
  ASSERT_EQ(stickers.size(), 2u);
  EXPECT_EQ(stickers[1].style, kStyleAero);
  EXPECT_NE(stickers[1].id, stickers[0].id);
}

}  // namespace
