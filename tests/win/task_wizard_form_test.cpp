// The task wizard as the user meets it, driven through its buttons and keys:
// the pages each action and event type lead through, a task edited and
// finished, and a task of a kind this version does not know, which can be
// looked at but never comes back changed.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "lang/language_file_win.h"
#include "lang/tmui.h"
#include "manager/task_wizard_form_win.h"
#include "support/program_run_win.h"
#include "support/dialog_fit_win.h"
#include "support/sticker_samples.h"
#include "support/task_wizard_user_win.h"

namespace {

using F = TFormPlan;

constexpr int kActionButtons[] = {F::kShowStickerRadio, F::kHideStickerRadio, F::kDeleteStickerRadio,
                                  F::kShowHintRadio,    F::kShowMessageRadio, F::kTrayMessageRadio};
constexpr std::uint8_t kLaterKind = 3;
constexpr double kSecond = 1.0 / 86400;

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// The controls of a page that take input (its labels do not).
std::vector<HWND> InputsOf(HWND page) {
  std::vector<HWND> inputs;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) inputs.push_back(child);
  return inputs;
}

// What the user does at the wizard, from another thread; what went wrong is
// noted for the test's thread to report.
class WizardUser {
 public:
  explicit WizardUser(HWND wizard) : wizard_(wizard) {}

  HWND Control(int id) const { return ControlById(wizard_, id); }
  int Page() const { return ShownWizardPage(wizard_); }
  std::wstring Text(int id) const { return TextOf(Control(id)); }
  void Click(int id) const { ClickButton(Control(id)); }
  void Next() { Note(ClickForPage(wizard_, F::kNextButton), "Next led nowhere"); }
  void Back() { Note(ClickForPage(wizard_, F::kBackButton), "Back led nowhere"); }
  void Key(WPARAM key) const { Press(wizard_, key); }
  bool Closed() const { return Eventually([&] { return !IsWindowVisible(wizard_); }); }
  // Replaces an edit's text by typing.
  void Type(int id, const std::wstring& text) {
    HWND edit = Control(id);
    PostMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t c : text) PostMessageW(edit, WM_CHAR, c, 0);
    Note(Eventually([&] { return TextOf(edit) == text; }), "typing did not reach the field");
  }

  // Pages from the one shown to the last, each as Next reached it; the
  // buttons are checked on the way.
  std::vector<int> Forward() {
    std::vector<int> pages{Page()};
    while (Text(F::kNextButton) != L"OK" && pages.size() <= kWizardPageCount) {
      CheckButtons();
      Next();
      pages.push_back(Page());
    }
    CheckButtons();
    return pages;
  }
  std::vector<int> Backward() {
    std::vector<int> pages{Page()};
    while (pages.back() > 0 && pages.size() <= kWizardPageCount) {
      Back();
      pages.push_back(Page());
      CheckButtons();
    }
    return pages;
  }

  void Note(bool held, const std::string& fault) {
    if (!held) faults.push_back(fault + " (page " + std::to_string(Page()) + ")");
  }
  std::vector<std::string> faults;

 private:
  // Back goes nowhere from the first page; the last page finishes.
  void CheckButtons() {
    const int page = Page();
    Note((IsWindowEnabled(Control(F::kBackButton)) != FALSE) == (page != kPageAction), "Back is wrongly enabled");
    const bool last = page == kPageSticker || page == kPageTaskName;
    Note(Text(F::kNextButton) == (last ? L"OK" : L"Next"), "Next has the wrong text");
  }

  HWND wizard_;
};

class TaskWizardFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::int32_t id : {10, 20, 30}) store->AddRecord(MakeSticker(id));
    ASSERT_TRUE(wizard.Create());
  }

  // Opens the wizard on the task while `act` plays the user; what Edit says.
  template <typename Act>
  bool EditAs(TaskRecord& task, Act act) {
    WizardUser user(wizard.Handle());
    bool edited = false;
    {
      WhenShown shown(wizard.Handle(), [&] { act(user); });
      edited = wizard.Edit(task);
    }
    for (const std::string& fault : user.faults) ADD_FAILURE() << fault;
    return edited;
  }

  std::wstring Note() const { return texts.Text({L"Plan", L"unknown_kind"}); }

  TMUI texts;
  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();
  TFormPlan wizard{texts, *store};
};

// Each action and event type, and the way back along the same pages.
struct RouteCase {
  const char* name;
  int action;
  bool hourly;
  std::vector<int> route;
  // Back on the first page, the action chosen again: the start time returns
  // to the route even while the hourly type stays chosen.
  std::vector<int> routeAfterChoosingAgain;
};

TEST_F(TaskWizardFormTest, NextAndBackWalkThePagesTheActionAndEventTypeChoose) {
  const RouteCase cases[] = {
      {"show sticker at a time", kTaskShowSticker, false, {0, 1, 2, 4, 5}, {0, 1, 2, 4, 5}},
      {"remove sticker hourly", kTaskDeleteSticker, true, {0, 1, 4, 5}, {0, 1, 2, 4, 5}},
      {"text message at a time", kTaskMessageWindow, false, {0, 1, 2, 3, 4, 6}, {0, 1, 2, 3, 4, 6}},
      {"tray hint hourly", kTaskMessageBalloon, true, {0, 1, 3, 4, 6}, {0, 1, 2, 3, 4, 6}},
  };
  for (const RouteCase& c : cases) {
    SCOPED_TRACE(c.name);
    TaskRecord task = NewTask(46010.5);
    std::vector<int> forward, backward, again;
    const bool edited = EditAs(task, [&](WizardUser& user) {
      user.Click(kActionButtons[c.action]);
      user.Next();
      user.Click(c.hourly ? F::kEveryHourRadio : F::kDateTimeRadio);
      user.Back();
      forward = user.Forward();
      backward = user.Backward();
      user.Click(kActionButtons[c.action]);
      again = user.Forward();
      user.Next();
    });
    EXPECT_EQ(forward, c.route);
    std::vector<int> reversed(c.route.rbegin(), c.route.rend());
    EXPECT_EQ(backward, reversed);
    EXPECT_EQ(again, c.routeAfterChoosingAgain);
    ASSERT_TRUE(edited);
    EXPECT_EQ(task.action, c.action);
    EXPECT_EQ(task.kind, c.hourly ? kTaskHourly : kTaskOnce);
  }
}

// The wizard lives for the whole run: a task it showed read-only before
// leaves nothing of that behind.
TEST_F(TaskWizardFormTest, AKnownTaskIsEditableAndFinishingHandsItBackEdited) {
  TaskRecord later = NewTask(46010.5);
  later.kind = kLaterKind;
  EditAs(later, [](WizardUser& user) { user.Key(VK_ESCAPE); });

  TaskRecord message = NewTask(46010 + 18.5 / 24);
  message.action = kTaskMessageWindow;
  message.message.Assign("Water the plants");
  message.name.Assign("Plants");
  std::wstring title;
  bool allUsable = true;
  const auto usable = [&](WizardUser& user) {
    if (user.Page() < 0) return;
    for (HWND input : InputsOf(user.Control(kWizardPanels[user.Page()])))
      if (input != user.Control(F::kDatePicker)) allUsable = allUsable && IsWindowEnabled(input);
  };
  ASSERT_TRUE(EditAs(message, [&](WizardUser& user) {
    title = user.Text(F::kSubtitleLabel);
    usable(user);
    user.Next();
    usable(user);
    user.Next();
    usable(user);
    user.Note(IsWindowEnabled(user.Control(F::kDatePicker)), "a task once has its date fixed");
    user.Next();
    user.Type(F::kMessageEdit, L"Water the plants twice");
    user.Next();
    usable(user);
    user.Click(F::kAutoDeleteCheck);
    user.Next();
    user.Type(F::kOtherNameEdit, L"Garden");
    user.Key(VK_RETURN);
    user.Note(user.Closed(), "Enter on the last page did not finish");
  }));
  EXPECT_EQ(title, L"Action");
  EXPECT_TRUE(allUsable);
  EXPECT_EQ(message.action, kTaskMessageWindow);
  EXPECT_EQ(message.kind, kTaskOnce);
  EXPECT_NEAR(message.date_time, 46010 + 18.5 / 24, kSecond);
  EXPECT_NEAR(message.follow_up, message.date_time + 5.0 / 1440, kSecond);
  EXPECT_EQ(message.message.Str(), "Water the plants twice");
  EXPECT_EQ(message.name.Str(), "Garden");
  EXPECT_EQ(message.auto_delete, 1);
  EXPECT_EQ(message.active, 1);
  EXPECT_EQ(message.sticker_id, kNoTaskSticker);

  TaskRecord daily = NewTask(46010 + 7.25 / 24);
  daily.kind = kTaskDaily;
  daily.sticker_id = 30;
  daily.name.Assign("Morning");
  bool dateFixed = false;
  std::wstring name;
  ASSERT_TRUE(EditAs(daily, [&](WizardUser& user) {
    user.Click(F::kHideStickerRadio);
    user.Click(F::kBlockCheck);
    user.Next();
    user.Next();
    dateFixed = !IsWindowEnabled(user.Control(F::kDatePicker)) && IsWindowEnabled(user.Control(F::kTimePicker));
    user.Next();
    user.Next();
    name = user.Text(F::kTaskNameEdit);
    HWND stickers = user.Control(F::kStickerList);
    PostMessageW(stickers, WM_KEYDOWN, VK_UP, 0);  // from the third sticker to the second
    user.Note(Eventually([&] { return SendMessageW(stickers, CB_GETCURSEL, 0, 0) == 1; }), "Up did not choose");
    user.Next();
  }));
  EXPECT_TRUE(dateFixed);  // only its time of day counts
  EXPECT_EQ(name, L"Morning");
  EXPECT_EQ(daily.action, kTaskHideSticker);
  EXPECT_EQ(daily.kind, kTaskDaily);
  EXPECT_NEAR(daily.date_time - std::floor(daily.date_time), 7.25 / 24, kSecond);
  EXPECT_EQ(daily.sticker_id, 20);
  EXPECT_EQ(daily.active, 0);
  EXPECT_EQ(daily.name.Str(), "Morning");
}

// However the user leaves it, a task from a later version (or a damaged
// file) comes back byte for byte as it went in.
enum class Leave { kFinishWithNext, kFinishWithEnter, kCancel, kEscape, kCloseBox };

struct LaterTaskCase {
  const char* name;
  std::uint8_t kind;
  std::uint8_t action;
  Leave leave;
};

TEST_F(TaskWizardFormTest, ATaskOfAnUnknownKindIsShownReadOnlyAndNeverHandedBackChanged) {
  const LaterTaskCase cases[] = {
      {"finished with Next", kLaterKind, kTaskShowSticker, Leave::kFinishWithNext},
      {"finished with Enter", 200, kTaskMessageWindow, Leave::kFinishWithEnter},
      {"Cancel", kLaterKind, kTaskMessageBalloon, Leave::kCancel},
      {"Esc", kLaterKind, kTaskHideSticker, Leave::kEscape},
      {"close box", kLaterKind, kTaskMessageWindow, Leave::kCloseBox},
  };
  for (const LaterTaskCase& c : cases) {
    SCOPED_TRACE(c.name);
    TaskRecord task = NewTask(46010.5);
    task.kind = c.kind;
    task.action = c.action;
    task.sticker_id = 20;
    task.name.Assign("From a later version");
    task.message.Assign("Unchanged");
    const TaskRecord before = task;
    std::vector<std::wstring> notes;
    std::vector<HWND> usable, tabbedTo;
    const bool edited = EditAs(task, [&](WizardUser& user) {
      // Tab goes round the buttons that still work, never into the task.
      for (int press = 0; press < 6; ++press) {
        HWND from = FocusIn(user.Control(F::kNextButton));
        user.Key(VK_TAB);
        Eventually([&] { return FocusIn(user.Control(F::kNextButton)) != from; });
        tabbedTo.push_back(FocusIn(user.Control(F::kNextButton)));
      }
      const std::vector<int> pages = user.Forward();
      user.Backward();
      for (int page : pages) {
        notes.push_back(user.Text(F::kSubtitleLabel));
        for (HWND input : InputsOf(user.Control(kWizardPanels[page])))
          if (IsWindowEnabled(input)) usable.push_back(input);
        if (page != pages.back()) user.Next();
      }
      if (IsWindowEnabled(user.Control(F::kBlockCheck))) usable.push_back(user.Control(F::kBlockCheck));
      switch (c.leave) {
        case Leave::kFinishWithNext: user.Next(); break;
        case Leave::kFinishWithEnter: user.Key(VK_RETURN); break;
        case Leave::kCancel: user.Click(F::kCancelButton); break;
        case Leave::kEscape: user.Key(VK_ESCAPE); break;
        case Leave::kCloseBox: PostMessageW(wizard.Handle(), WM_CLOSE, 0, 0); break;
      }
      user.Note(user.Closed(), "the wizard stayed open");
    });
    EXPECT_FALSE(edited);
    EXPECT_EQ(std::memcmp(&task, &before, sizeof task), 0);
    EXPECT_GE(notes.size(), 5u);
    for (const std::wstring& note : notes) EXPECT_EQ(note, Note());
    EXPECT_TRUE(usable.empty()) << usable.size() << " controls would change the task";
    for (HWND focus : tabbedTo)
      EXPECT_TRUE(focus == wizard.Control(F::kNextButton) || focus == wizard.Control(F::kCancelButton)) << TextOf(focus);
  }
}

// The note is all the caption line says of such a task: the whole of it must
// show, in every language the program comes with.
void ExpectNoteFits(const TMUI& texts, const TFormPlan& wizard, const char* language) {
  HWND label = wizard.Control(F::kSubtitleLabel);
  RECT box{};
  GetClientRect(label, &box);
  RECT needed = box;
  const ScopedGetDC dc(label);
  const ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  const std::wstring& note = texts.Text({L"Plan", L"unknown_kind"});
  DrawTextW(dc.Get(), note.c_str(), static_cast<int>(note.size()), &needed,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
  EXPECT_LE(needed.bottom, box.bottom) << language;
  EXPECT_LE(needed.right, box.right) << language;
}

std::wstring ShippedLanguage(const wchar_t* name) { return BuiltProgramFolder() + L"Languages\\" + name; }

TEST_F(TaskWizardFormTest, TheNoteFitsItsLine) {
  ExpectNoteFits(texts, wizard, "English");
  texts.ApplyBuiltin(BuiltinLanguage::kRussian);
  ExpectNoteFits(texts, wizard, "Russian");
  ApplyLanguageFile(texts, ShippedLanguage(L"German.lng"));
  ExpectNoteFits(texts, wizard, "German");
}

// Runs only with Wine in a Russian locale (see the test list in the build).
using RussianLocaleTaskWizardForm = TaskWizardFormTest;

TEST_F(RussianLocaleTaskWizardForm, TheNoteFitsItsLineInUkrainian) {
  ApplyLanguageFile(texts, ShippedLanguage(L"Ukrainian.lng"));
  ASSERT_EQ(texts.Text({L"Plan", L"Button_next"}), L"\u0414\u0430\u043B\u0456");  // Далі: the file was read
  ExpectNoteFits(texts, wizard, "Ukrainian");
}

TEST_F(TaskWizardFormTest, EveryControlFitsAtItsScaleAndAtOneAndAHalfTimesIt) {
  EXPECT_EQ(ControlsThatDoNotFit(wizard.Handle()), std::vector<std::wstring>{});
  HWND title = wizard.Control(TFormPlan::kTitleLabel);
  const auto height = [](HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return std::abs(font.lfHeight);
  };
  const int before = height(title);
  MoveToDpi(wizard.Handle(), wizard.Dpi(), wizard.Dpi() * 3 / 2);
  EXPECT_EQ(ControlsThatDoNotFit(wizard.Handle()), std::vector<std::wstring>{});
  // The bold title was made again at the new scale.
  EXPECT_NEAR(height(title), before * 3 / 2, 1);
}

}  // namespace
