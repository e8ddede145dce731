// The program's question and name prompt, driven by its keys.

#include <gtest/gtest.h>

#include "lang/tmui.h"
#include "lang/button_texts.h"
#include "win/form_dialog_win.h"
#include "manager/reminders_win.h"
#include "support/modal_user_win.h"
#include "support/dialog_fit_win.h"

namespace {

// A window of the calling thread that can take the activation from the dialog.
class OtherWindow {
 public:
  OtherWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"Another program", WS_POPUP | WS_VISIBLE, 0, 0, 80, 40, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr)) {}
  ~OtherWindow() { DestroyWindow(window_); }
  OtherWindow(const OtherWindow&) = delete;
  OtherWindow& operator=(const OtherWindow&) = delete;

  // The user goes to this window and comes back to the dialog later, as a
  // window manager or Alt+Tab hand the activation around: true when the
  // dialog then has the focus on `control`.
  bool LeaveAndComeBack(HWND dialog, HWND control) const {
    SetForegroundWindow(window_);
    if (!Eventually([&] { return GetForegroundWindow() == window_; })) return false;
    SetForegroundWindow(dialog);
    return Eventually([&] { return GetForegroundWindow() == dialog && FocusIn(dialog) == control; });
  }

 private:
  HWND window_;
};

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

class FormDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create()); }
  HWND Label() const { return dialog.Control(TFormDialog::kTextLabel); }
  HWND Edit() const { return dialog.Control(TFormDialog::kTextEdit); }

  TMUI texts;
  TFormDialog dialog{texts, kOkText, kCancelText};
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
    WhenShown cancel(dialog.Handle(), [&] { PostMessageW(dialog.Handle(), WM_COMMAND, TFormDialog::kCancelButton, 0); });
    EXPECT_FALSE(dialog.Confirm(L"c", L"Cancel button?"));
  }
  {
    WhenShown close(dialog.Handle(), [&] { PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_FALSE(dialog.Confirm(L"c", L"Close box?"));
  }
}

TEST_F(FormDialogTest, InputStartsInTheEditWithTheProposalAndKeepsItOnCancel) {
  std::wstring name = L"Shopping list";
  bool focused = false;
  {
    WhenShown type(dialog.Handle(), [&] {
      focused = Eventually([&] { return FocusIn(dialog.Handle()) == Edit(); });
      SendMessageW(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Groceries"));
      Press(dialog.Handle(), VK_RETURN);
    });
    EXPECT_TRUE(dialog.Input(L"Create ShortCut", L"Name of the shortcut:", name));
  }
  EXPECT_TRUE(focused);
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

// The focus the user left in a waiting dialog is where it was when the dialog
// is activated again; keys would otherwise go nowhere.
TEST_F(FormDialogTest, TheFocusComesBackWithTheActivation) {
  std::wstring name = L"Shopping list";
  HWND tabbedTo = nullptr;
  bool cameBack = false;
  {
    WhenShown tab(dialog.Handle(), [&] {
      Eventually([&] { return FocusIn(dialog.Handle()) == Edit(); });
      Press(dialog.Handle(), VK_TAB);
      Eventually([&] { return FocusIn(dialog.Handle()) != Edit(); });
      tabbedTo = FocusIn(dialog.Handle());
      cameBack = OtherWindow().LeaveAndComeBack(dialog.Handle(), tabbedTo);
      Press(dialog.Handle(), VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Input(L"c", L"p", name));
  }
  EXPECT_EQ(tabbedTo, dialog.Control(TFormDialog::kOkButton));
  EXPECT_TRUE(cameBack);
}

// A reminder does not wait: the user may be elsewhere when it shows, and its
// Ok button takes the keys once the user comes to it.
TEST_F(FormDialogTest, AReminderActivatedLaterHasItsButtonFocused) {
  OtherWindow other;
  Reminders reminders(texts);
  ASSERT_TRUE(reminders.Create());
  ASSERT_TRUE(reminders.Show(L"Time for tea"));
  HWND reminder = reminders.OpenWindows().front();
  EXPECT_TRUE(other.LeaveAndComeBack(reminder, GetDlgItem(reminder, TReminderForm::kOkButton)));
  PostMessageW(reminder, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Eventually([&] { return reminders.OpenWindows().empty(); }));
}

TEST_F(FormDialogTest, ButtonsFollowTheLanguage) {
  EXPECT_EQ(TextOf(dialog.Control(TFormDialog::kCancelButton)), L"Cancel");
  texts.ApplyBuiltin(BuiltinLanguage::kRussian);
  EXPECT_EQ(TextOf(dialog.Control(TFormDialog::kCancelButton)), L"Отмена");
  EXPECT_EQ(TextOf(dialog.Control(TFormDialog::kOkButton)), L"Ok");
}

// The question is placed for the scale the dialog is at when it asks.
TEST_F(FormDialogTest, AQuestionFitsAfterAMoveToOneAndAHalfTimesTheScale) {
  MoveToDpi(dialog.Handle(), dialog.Dpi(), dialog.Dpi() * 3 / 2);
  std::vector<std::wstring> faults{L"not shown"};
  RECT label{};
  {
    WhenShown look(dialog.Handle(), [&] {
      faults = ControlsThatDoNotFit(dialog.Handle());
      label = RectIn(dialog.Handle(), Label());
      Press(dialog.Handle(), VK_ESCAPE);
    });
    dialog.Confirm(L"Quillory: Confirmation", L"Delete the sticker \"Shopping list\" and everything it holds?");
  }
  EXPECT_EQ(faults, std::vector<std::wstring>{});
  EXPECT_EQ(label.left, dialog.Scaled(8));
}

// A move to another scale while the dialog is open places its text again for
// the text shown: a prompt stays above its edit, a question in the middle of
// its box.
TEST_F(FormDialogTest, ATextShownKeepsItsPlaceThroughAMoveToAnotherScale) {
  RECT label{}, edit{};
  {
    WhenShown look(dialog.Handle(), [&] {
      MoveToDpi(dialog.Handle(), dialog.Dpi(), dialog.Dpi() * 3 / 2);
      label = RectIn(dialog.Handle(), Label());
      edit = RectIn(dialog.Handle(), Edit());
      Press(dialog.Handle(), VK_ESCAPE);
    });
    std::wstring name = L"Shopping";
    dialog.Input(L"Quillory", L"Name of the shortcut:", name);
  }
  EXPECT_LE(label.bottom, edit.top) << "the prompt lies above the edit";
  {
    WhenShown look(dialog.Handle(), [&] {
      MoveToDpi(dialog.Handle(), dialog.Dpi(), dialog.Dpi() * 2 / 3);
      label = RectIn(dialog.Handle(), Label());
      Press(dialog.Handle(), VK_ESCAPE);
    });
    dialog.Confirm(L"Quillory", L"One line?");
  }
  const int boxMiddle = dialog.Scaled(8) + dialog.Scaled(57) / 2;
  EXPECT_NEAR((label.top + label.bottom) / 2, boxMiddle, 1) << "the question stands in the middle of its box";
  EXPECT_LT(label.bottom - label.top, dialog.Scaled(57) / 2) << "one line, not the whole box";
}

}  // namespace
