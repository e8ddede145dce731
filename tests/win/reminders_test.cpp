// The scheduler's reminders on screen: each in a window of its own that no
// question of the program hides, replaces or disables, several at once, and
// gone only when the user closes one.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/scheduler_actions_win.h"
#include "app/tray_icon_win.h"
#include "lang/tmui.h"
#include "lang/button_texts.h"
#include "win/form_dialog_win.h"
#include "manager/reminders_win.h"
#include "manager/task_wizard_form_win.h"
#include "store/task_record.h"
#include "store/tmassiv.h"
#include "support/dialog_fit_win.h"
#include "support/sticker_windows_win.h"
#include "support/wait_win.h"

namespace {

constexpr DWORD kDeadlineMs = 5000;

// The same on the windows' own thread, which must keep handling messages.
bool PumpUntil(const std::function<bool()>& condition) {
  const ULONGLONG end = GetTickCount64() + kDeadlineMs;
  while (!condition()) {
    if (GetTickCount64() >= end) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (RouteDialogKey(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);  // wakes at once for a message
  }
  return true;
}

// Runs work on the test's thread from inside whatever message loop it is in
// (a dialog's modal loop, say), as the scheduler's timer does.
class LoopCaller {
 public:
  LoopCaller() {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      if (message != kRun) return DefWindowProcW(window, message, wParam, lParam);
      (*reinterpret_cast<const std::function<void()>*>(lParam))();
      return 0;
    };
    wc.lpszClassName = L"ReminderTestCaller";
    RegisterClassOnce(wc);
    window_.Reset(CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
  }
  // From another thread; returns once the work is done.
  void Run(const std::function<void()>& work) const {
    SendMessageW(window_.Get(), kRun, 0, reinterpret_cast<LPARAM>(&work));
  }

 private:
  static constexpr UINT kRun = WM_APP + 7;
  UniqueWindow window_;
};

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

RECT RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

POINT CentreOf(HWND window) {
  const RECT r = RectOf(window);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool Topmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class RemindersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(reminders.Create());
    ASSERT_TRUE(tray.Create());
  }
  HWND Label(HWND reminder) const { return GetDlgItem(reminder, TReminderForm::kTextLabel); }
  HWND Ok(HWND reminder) const { return GetDlgItem(reminder, TReminderForm::kOkButton); }

  TMUI texts;
  Reminders reminders{texts};
  TTrayIconAdv tray{nullptr, nullptr};
  ProgramSchedulerActions actions{{nullptr, &tray, &reminders, [] { return true; }}};
};

// What the user sees of a reminder that fired while a dialog waited, and how
// the dialog stood meanwhile.
struct SeenDuringDialog {
  bool shownReported = false;
  bool visible = false, enabled = false, topmost = false;
  std::wstring text, caption;
  bool dialogStillOpen = false;
  bool dismissed = false;
  bool dialogOpenAfterwards = false;
};

// How the user closes the reminder: a real click on Ok, Enter, Esc.
enum class Dismiss { kClickOk, kEnter, kEscape };

struct DialogCase {
  const char* name;
  // Shown before the dialog opens (the dialog's modal run must not disable
  // it) or while it waits (the dialog must not swallow it).
  bool reminderFirst;
  Dismiss dismiss;
  // Opens the dialog and waits in it; returns its window through `window`
  // before waiting.
  std::function<void(TFormDialog&, TFormPlan&, HWND& window)> open;
};

void OpenWizard(TFormDialog&, TFormPlan& wizard, HWND& window) {
  window = wizard.Handle();
  TaskRecord task = NewTask(0);
  wizard.Edit(task);
}

TEST_F(RemindersTest, AReminderShowsWhateverDialogWaitsAndTheUserCanCloseIt) {
  Tmassiv store;
  TFormDialog dialog{texts, kOkText, kCancelText};
  TFormPlan wizard{texts, store};
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(wizard.Create());
  const DialogCase cases[] = {
      {"confirmation", false, Dismiss::kEnter,
       [](TFormDialog& d, TFormPlan&, HWND& w) {
         w = d.Handle();
         d.Confirm(L"Quillory: Confirmation", L"Delete the sticker?");
       }},
      {"name prompt", true, Dismiss::kClickOk,
       [](TFormDialog& d, TFormPlan&, HWND& w) {
         w = d.Handle();
         std::wstring name = L"Shopping list";
         d.Input(L"Create ShortCut", L"Name of the shortcut:", name);
       }},
      {"task wizard", false, Dismiss::kEscape, OpenWizard},
      {"task wizard", true, Dismiss::kClickOk, OpenWizard},
  };
  const LoopCaller caller;
  for (const DialogCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.reminderFirst ? ", reminder first" : ", reminder while it waits"));
    HWND modal = nullptr;
    SeenDuringDialog seen;
    HWND reminder = nullptr;
    const auto fire = [&] {
      actions.ShowBalloon("A balloon too");  // comes and goes without waiting for any dialog
      seen.shownReported = actions.ShowMessage("Water the plants");
      if (!reminders.OpenWindows().empty()) reminder = reminders.OpenWindows().back();
    };
    if (c.reminderFirst) fire();
    std::thread user([&] {
      if (!Eventually([&] { return modal && IsWindowVisible(modal); })) return;
      if (!c.reminderFirst) caller.Run(fire);
      seen.dialogStillOpen = IsWindowVisible(modal);
      if (!reminder) return;
      seen.visible = IsWindowVisible(reminder);
      seen.enabled = IsWindowEnabled(reminder);
      seen.topmost = Topmost(reminder);
      seen.text = TextOf(Label(reminder));
      seen.caption = TextOf(reminder);
      if (c.dismiss == Dismiss::kClickOk) ClickWithMouse(CentreOf(Ok(reminder)));
      if (c.dismiss == Dismiss::kEnter) PressKeys({VK_RETURN});
      if (c.dismiss == Dismiss::kEscape) PressKeys({VK_ESCAPE});
      seen.dismissed = Eventually([&] { return !IsWindow(reminder); });
      seen.dialogOpenAfterwards = IsWindowVisible(modal);
      PostMessageW(modal, WM_CLOSE, 0, 0);
    });
    c.open(dialog, wizard, modal);
    user.join();

    EXPECT_TRUE(seen.shownReported);
    EXPECT_TRUE(seen.dialogStillOpen);
    EXPECT_TRUE(seen.visible);
    EXPECT_TRUE(seen.enabled);
    EXPECT_TRUE(seen.topmost);
    EXPECT_EQ(seen.text, L"Water the plants");
    EXPECT_EQ(seen.caption, L"Scheduler");
    EXPECT_TRUE(seen.dismissed);
    EXPECT_TRUE(seen.dialogOpenAfterwards);  // closing the reminder answers nothing of the dialog
    EXPECT_TRUE(reminders.OpenWindows().empty());
  }
}

// Two due together both show, in places of their own; one closed leaves the
// other, and its place is the next one's.
TEST_F(RemindersTest, SeveralShowAtOnceEachInItsOwnPlaceUntilClosed) {
  ASSERT_TRUE(actions.ShowMessage("Stand up and stretch"));
  ASSERT_TRUE(actions.ShowMessage("Call the dentist"));
  const std::vector<HWND> two = reminders.OpenWindows();
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(TextOf(Label(two[0])), L"Stand up and stretch");
  EXPECT_EQ(TextOf(Label(two[1])), L"Call the dentist");
  const RECT first = RectOf(two[0]), second = RectOf(two[1]);
  EXPECT_FALSE(SameRect(first, second));
  EXPECT_GT(second.top, first.top);  // the first one's caption stays in sight
  for (HWND reminder : two) {
    EXPECT_TRUE(IsWindowVisible(reminder));
    EXPECT_TRUE(Topmost(reminder));
  }

  PostMessageW(two[0], WM_CLOSE, 0, 0);  // the close box
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(two[0]); }));
  ASSERT_EQ(reminders.OpenWindows(), std::vector<HWND>{two[1]});
  EXPECT_TRUE(IsWindowVisible(two[1]));

  ASSERT_TRUE(actions.ShowMessage("Take the pills"));
  ASSERT_EQ(reminders.OpenWindows().size(), 2u);
  EXPECT_TRUE(SameRect(RectOf(reminders.OpenWindows()[1]), first));

  for (HWND reminder : reminders.OpenWindows()) PostMessageW(Ok(reminder), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return reminders.OpenWindows().empty(); }));
}

// Whatever the text's length, all of it and the button fit the window, and
// the window fits the screen.
TEST_F(RemindersTest, TheTextAndTheButtonFitTheWindow) {
  const std::string texts[] = {
      "Tea",
      "A reminder long enough to need several lines: the quarterly report goes out on Friday, "
      "and the figures from the northern office are still missing, so ask them today.",
      "One\r\nTwo\r\nThree\r\nFour\r\nFive\r\nSix\r\nSeven",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    ASSERT_TRUE(actions.ShowMessage(text));
    HWND reminder = reminders.OpenWindows().back();
    RECT client{}, label{}, button{};
    GetClientRect(reminder, &client);
    GetWindowRect(Label(reminder), &label);
    GetWindowRect(Ok(reminder), &button);
    MapWindowPoints(nullptr, reminder, reinterpret_cast<POINT*>(&label), 2);
    MapWindowPoints(nullptr, reminder, reinterpret_cast<POINT*>(&button), 2);

    RECT needed{0, 0, label.right - label.left, 0};
    {
      const ScopedGetDC dc(Label(reminder));
      const ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(Label(reminder), WM_GETFONT, 0, 0)));
      const std::wstring wide = TextOf(Label(reminder));
      DrawTextW(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &needed,
                DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    }
    EXPECT_GE(label.bottom - label.top, needed.bottom);
    EXPECT_GE(button.top, label.bottom);
    EXPECT_GE(label.left, 0);
    EXPECT_LE(label.right, client.right);
    EXPECT_LE(button.bottom, client.bottom);
    EXPECT_LE(button.right, client.right);
    const RECT window = RectOf(reminder);
    EXPECT_GE(window.top, 0);
    EXPECT_LE(window.bottom, GetSystemMetrics(SM_CYSCREEN));
  }
}

TEST_F(RemindersTest, AReminderSpeaksTheCurrentLanguage) {
  texts.ApplyBuiltin(BuiltinLanguage::kRussian);
  ASSERT_TRUE(actions.ShowMessage("Tea"));
  HWND reminder = reminders.OpenWindows().back();
  EXPECT_EQ(TextOf(reminder), L"Планировщик");
  EXPECT_EQ(TextOf(Ok(reminder)), L"Ok");
  texts.ApplyBuiltin(BuiltinLanguage::kEnglish);
  EXPECT_EQ(TextOf(reminder), L"Scheduler");
  EXPECT_EQ(TextOf(Label(reminder)), L"Tea");
}

// A reminder on a monitor of another scale is laid out again in its font.
TEST_F(RemindersTest, AMoveToAnotherScaleLaysTheReminderOutAgain) {
  ASSERT_TRUE(actions.ShowMessage("A reminder long enough to need two lines when the font grows by half again"));
  HWND reminder = reminders.OpenWindows().back();
  const RECT before = RectOf(reminder);
  const int dpi = DialogDpiOf(Ok(reminder));
  MoveToDpi(reminder, dpi, dpi * 3 / 2);
  EXPECT_EQ(ControlsThatDoNotFit(reminder), std::vector<std::wstring>{});
  const RECT after = RectOf(reminder);
  EXPECT_GT(after.right - after.left, (before.right - before.left) * 5 / 4);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

}  // namespace
