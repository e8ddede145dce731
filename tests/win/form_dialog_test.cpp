// The program's question and name prompt, driven by its keys.

#include <gtest/gtest.h>

#include <thread>

#include "lang/tmui.h"
#include "manager/form_dialog_win.h"

namespace {

// Runs `act` on another thread once the dialog shows, as a user would press a
// key only then; the dialog's own thread is waiting in it meanwhile.
class WhenShown {
 public:
  template <typename Act>
  WhenShown(HWND dialog, Act act)
      : thread_([dialog, act] {
          for (int i = 0; i < 500 && !IsWindowVisible(dialog); ++i) Sleep(10);
          act();
        }) {}
  ~WhenShown() { thread_.join(); }

 private:
  std::thread thread_;
};

// A key pressed in the control that has the focus.
void Press(HWND dialog, WPARAM key) {
  HWND focus = nullptr;
  GUITHREADINFO info{sizeof(info)};
  if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info)) focus = info.hwndFocus;
  PostMessageW(focus ? focus : dialog, WM_KEYDOWN, key, 0);
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

class FormDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create()); }
  HWND Label() const { return dialog.Control(TFormDialog::kLText); }
  HWND Edit() const { return dialog.Control(TFormDialog::kEText); }

  TMUI texts;
  TFormDialog dialog{texts};
};

TEST_F(FormDialogTest, ConfirmShowsEachQuestionAndOnlyOkSaysYes) {
  {
    WhenShown enter(dialog.Handle(), [&] { Press(dialog.Handle(), VK_RETURN); });
    EXPECT_TRUE(dialog.Confirm(L"Quillory: Confirmation", L"First question?"));
  }
  EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
  std::wstring shown;
  {
    WhenShown escape(dialog.Handle(), [&] {
      shown = TextOf(Label());
      Press(dialog.Handle(), VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Confirm(L"Quillory: Confirmation", L"Second question?"));  // after an earlier Ok
  }
  EXPECT_EQ(shown, L"Second question?");
  EXPECT_EQ(TextOf(dialog.Handle()), L"Quillory: Confirmation");
  EXPECT_FALSE(IsWindowVisible(Edit()));
  {
    WhenShown cancel(dialog.Handle(), [&] { PostMessageW(dialog.Handle(), WM_COMMAND, TFormDialog::kBNO, 0); });
    EXPECT_FALSE(dialog.Confirm(L"c", L"Cancel button?"));
  }
  {
    WhenShown close(dialog.Handle(), [&] { PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_FALSE(dialog.Confirm(L"c", L"Close box?"));
  }
}

TEST_F(FormDialogTest, InputStartsInTheEditWithTheProposalAndKeepsItOnCancel) {
  std::wstring name = L"Shopping list";
  HWND focused = nullptr;
  {
    WhenShown type(dialog.Handle(), [&] {
      // The focus follows the showing: wait for it to reach the edit rather
      // than read it the moment the window appears.
      for (int i = 0; i < 500 && focused != Edit(); ++i, Sleep(10)) {
        GUITHREADINFO info{sizeof(info)};
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog.Handle(), nullptr), &info);
        focused = info.hwndFocus;
      }
      SendMessageW(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Groceries"));
      Press(dialog.Handle(), VK_RETURN);
    });
    EXPECT_TRUE(dialog.Input(L"Create ShortCut", L"Name of the shortcut:", name));
  }
  EXPECT_EQ(focused, Edit());
  EXPECT_EQ(name, L"Groceries");
  {
    WhenShown type(dialog.Handle(), [&] {
      SendMessageW(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"thrown away"));
      Press(dialog.Handle(), VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Input(L"c", L"p", name));
  }
  EXPECT_EQ(name, L"Groceries");
}

TEST_F(FormDialogTest, ButtonsFollowTheLanguage) {
  EXPECT_EQ(TextOf(dialog.Control(TFormDialog::kBNO)), L"Cancel");
  texts.ApplyBuiltin(BuiltinLanguage::kRussian);
  EXPECT_EQ(TextOf(dialog.Control(TFormDialog::kBNO)), L"Отмена");
  EXPECT_EQ(TextOf(dialog.Control(TFormDialog::kBOK)), L"Ok");
}

}  // namespace
