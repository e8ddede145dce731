// The scheduler of a running Quillory.exe with real time: tasks in plan.db
// fire at their moment with their actions, and a task made in the wizard
// reaches the task list and plan.db.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "manager/reminder_form_win.h"
#include "manager/manager_form_win.h"
#include "manager/task_wizard_form_win.h"
#include "store/date_time.h"
#include "store/task_record.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"
#include "win/file_io_win.h"

namespace {

DateTime SecondsFromNow(int seconds) {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return EncodeDateTime({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond}) + seconds / kSecondsPerDay;
}

TaskRecord Task(TaskAction action, DateTime when, std::int32_t sticker, const char* name) {
  TaskRecord task = NewTask(when);
  task.action = action;
  task.sticker_id = sticker;
  task.name.Assign(name);
  return task;
}

std::vector<std::uint8_t> ImageOf(const std::vector<TaskRecord>& tasks) {
  std::vector<std::uint8_t> image(tasks.size() * kTaskRecordSize);
  std::memcpy(image.data(), tasks.data(), image.size());
  return image;
}

std::vector<TaskRecord> TasksIn(const std::vector<std::uint8_t>& image) {
  std::vector<TaskRecord> tasks(image.size() / kTaskRecordSize);
  std::memcpy(tasks.data(), image.data(), tasks.size() * kTaskRecordSize);
  return tasks;
}

std::wstring TextOf(HWND control) {
  wchar_t text[256] = {};
  SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

class Scheduler : public StickerProgram {
 protected:
  // The tasks in plan.db; none while there is no such file.
  std::vector<TaskRecord> TaskFile() {
    const std::wstring path = copy.File(L"plan.db");
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    return TasksIn(ReadBytes(path));
  }
  std::vector<HWND> Reminders() { return TopLevelWindows({L"TReminderForm", Pid(), true}); }
};

// At one moment: sticker 1 is hidden by a task that then removes itself, two
// reminders pop up above all windows, each in its own window, and a blocked
// task leaves sticker 2 be.
TEST_F(Scheduler, DueTasksFireTheirActionsAndAutoDeleteRewritesThePlan) {
  const DateTime moment = SecondsFromNow(6);
  TaskRecord hide = Task(kTaskHideSticker, moment, 1, "hide one");
  hide.auto_delete = 1;
  TaskRecord stretch = Task(kTaskMessageWindow, moment, kNoTaskSticker, "say");
  stretch.message.Assign("Stand up and stretch");
  TaskRecord water = Task(kTaskMessageWindow, moment, kNoTaskSticker, "say too");
  water.message.Assign("Water the plants");
  TaskRecord blocked = Task(kTaskHideSticker, moment, 2, "hide two");
  blocked.active = 0;
  WriteBytes(copy.File(L"plan.db"), ImageOf({hide, stretch, water, blocked}));
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(Eventually([&] { return WindowOf(1) && WindowOf(2); }));

  ASSERT_TRUE(Eventually([&] { return WindowOf(1) == nullptr; }, 20000));
  EXPECT_NE(WindowOf(2), nullptr);
  // Written at once, as a hide by the user is: the next start keeps it hidden.
  EXPECT_TRUE(Eventually([&] {
    const auto saved = OnDisk();
    return saved.size() == 2 && saved[0].visible == 0 && saved[1].visible == 1;
  }));
  ASSERT_TRUE(Eventually([&] { return Reminders().size() == 2; }));
  std::vector<std::wstring> said;
  for (HWND reminder : Reminders()) {
    said.push_back(TextOf(ControlById(reminder, TReminderForm::kTextLabel)));
    EXPECT_TRUE(GetWindowLongW(reminder, GWL_EXSTYLE) & WS_EX_TOPMOST);
  }
  std::sort(said.begin(), said.end());
  EXPECT_EQ(said, (std::vector<std::wstring>{L"Stand up and stretch", L"Water the plants"}));
  ASSERT_TRUE(Eventually([&] { return TaskFile().size() == 3; }));
  const auto left = TaskFile();
  EXPECT_EQ(left[0].name.Str(), "say");
  EXPECT_EQ(left[2].name.Str(), "hide two");
  EXPECT_EQ(left[2].active, 0);
}

// A reminder that falls due while the settings dialog waits shows above it,
// takes the keyboard and closes with Enter; the dialog stays open.
TEST_F(Scheduler, AReminderDueWhileTheSettingsDialogIsOpenCanBeClosed) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  HWND settings = OpenSettingsOf(sticker);
  ASSERT_NE(settings, nullptr);
  // The task comes once the dialog is open, as from another computer: on a
  // slow start a task due at a fixed time could fall due before the dialog
  // opened, and the dialog would then rightly come above its reminder.
  TaskRecord tea = Task(kTaskMessageWindow, SecondsFromNow(3), kNoTaskSticker, "tea");
  tea.message.Assign("Time for tea");
  ASSERT_EQ(WriteFileAtomically(copy.File(L"plan.db"), ImageOf({tea})), 0u);

  ASSERT_TRUE(Eventually([&] { return Reminders().size() == 1; }, 20000));
  HWND reminder = Reminders().front();
  EXPECT_TRUE(IsWindowEnabled(reminder));
  EXPECT_TRUE(IsWindowVisible(settings));
  ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == reminder; }));
  PressKeys({VK_RETURN});
  EXPECT_TRUE(Eventually([&] { return Reminders().empty(); }));
  EXPECT_TRUE(IsWindowVisible(settings));
}

// A hidden sticker shown by a task a few seconds ahead, closed by the test
// at once: a second firing of the same moment would open it again.
TEST_F(Scheduler, ATaskFiresExactlyOnceWithRealTime) {
  constexpr DWORD kLongerThanTwoTicks = 3000;
  WriteBytes(copy.File(L"plan.db"), ImageOf({Task(kTaskShowSticker, SecondsFromNow(3), 1, "show one")}));
  Start({Placed(1, 100, 100, false)});
  ASSERT_EQ(WindowOf(1), nullptr);
  ASSERT_TRUE(Eventually([&] { return WindowOf(1) != nullptr; }, 15000));
  Command(WindowOf(1), kStickerCommandClose);
  ASSERT_TRUE(Eventually([&] { return WindowOf(1) == nullptr; }));
  EXPECT_FALSE(Eventually([&] { return WindowOf(1) != nullptr; }, kLongerThanTwoTicks));
}

// Through the pages as a user clicks them: Show sticker, a time of day,
// Daily, no options, the name and the first sticker; OK.
TEST_F(Scheduler, AWizardMadeDailyTaskReachesTheListAndThePlan) {
  Start({Placed(5, 100, 100)});
  Instance(kInstanceShowManager, kInstanceShowManager);
  HWND manager = ShownWindow(L"TFormManager");
  ASSERT_NE(manager, nullptr);
  PostMessageW(ControlById(manager, TFormManager::kNewTaskButton), BM_CLICK, 0, 0);
  HWND wizard = ShownWindow(L"TFormPlan");
  ASSERT_NE(wizard, nullptr);
  const auto click = [&](int id) { SendMessageW(ControlById(wizard, id), BM_CLICK, 0, 0); };
  HWND title = ControlById(wizard, TFormPlan::kSubtitleLabel);
  click(TFormPlan::kNextButton);
  EXPECT_EQ(TextOf(title), L"Event");
  click(TFormPlan::kNextButton);
  EXPECT_EQ(TextOf(title), L"Start time");
  click(TFormPlan::kEveryDayCheck);
  EXPECT_FALSE(IsWindowEnabled(ControlById(wizard, TFormPlan::kDatePicker)));
  click(TFormPlan::kNextButton);
  EXPECT_EQ(TextOf(title), L"Additional options");
  click(TFormPlan::kNextButton);
  EXPECT_EQ(TextOf(ControlById(wizard, TFormPlan::kNextButton)), L"OK");
  EXPECT_EQ(TextOf(ControlById(wizard, TFormPlan::kTaskNameEdit)), L"New Task");
  SendMessageW(ControlById(wizard, TFormPlan::kStickerList), CB_SETCURSEL, 0, 0);
  PostMessageW(ControlById(wizard, TFormPlan::kNextButton), BM_CLICK, 0, 0);
  ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(wizard); }));

  ASSERT_TRUE(Eventually([&] { return TaskFile().size() == 1; }));
  const TaskRecord task = TaskFile().front();
  EXPECT_EQ(task.kind, kTaskDaily);
  EXPECT_EQ(task.action, kTaskShowSticker);
  EXPECT_EQ(task.sticker_id, 5);
  EXPECT_EQ(task.name.Str(), "New Task");
  EXPECT_NEAR(task.follow_up - task.date_time, 5.0 / 1440, 1e-9);
  EXPECT_EQ(SendMessageW(ControlById(manager, TFormManager::kTaskGrid), LVM_GETITEMCOUNT, 0, 0), 1);
}

}  // namespace
