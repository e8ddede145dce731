// The scheduler of a running Quillory.exe with real time: tasks in plan.db
// fire at their moment with their actions, and a task made in the wizard
// reaches the task list and plan.db.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "manager/form_dialog_win.h"
#include "manager/manager_form_win.h"
#include "manager/task_wizard_form_win.h"
#include "store/date_time.h"
#include "store/task_record.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"

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
};

// At one moment: sticker 1 is hidden by a task that then removes itself, a
// message pops up above all windows, and a blocked task leaves sticker 2 be.
TEST_F(Scheduler, DueTasksFireTheirActionsAndAutoDeleteRewritesThePlan) {
  const DateTime moment = SecondsFromNow(6);
  TaskRecord hide = Task(kTaskHideSticker, moment, 1, "hide one");
  hide.auto_delete = 1;
  TaskRecord message = Task(kTaskMessageWindow, moment, kNoTaskSticker, "say");
  message.message.Assign("Stand up and stretch");
  TaskRecord blocked = Task(kTaskHideSticker, moment, 2, "hide two");
  blocked.active = 0;
  WriteBytes(copy.File(L"plan.db"), ImageOf({hide, message, blocked}));
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(Eventually([&] { return WindowOf(1) && WindowOf(2); }));

  ASSERT_TRUE(Eventually([&] { return WindowOf(1) == nullptr; }, 20000));
  EXPECT_NE(WindowOf(2), nullptr);
  // Written at once, as a hide by the user is: the next start keeps it hidden.
  EXPECT_TRUE(Eventually([&] {
    const auto saved = OnDisk();
    return saved.size() == 2 && saved[0].visible == 0 && saved[1].visible == 1;
  }));
  HWND shown = ShownWindow(L"TFormDialog");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(TextOf(ControlById(shown, TFormDialog::kLText)), L"Stand up and stretch");
  EXPECT_TRUE(GetWindowLongW(shown, GWL_EXSTYLE) & WS_EX_TOPMOST);
  ASSERT_TRUE(Eventually([&] { return TaskFile().size() == 2; }));
  const auto left = TaskFile();
  EXPECT_EQ(left[0].name.Str(), "say");
  EXPECT_EQ(left[1].name.Str(), "hide two");
  EXPECT_EQ(left[1].active, 0);
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
  PostMessageW(ControlById(manager, TFormManager::kBAddPlan), BM_CLICK, 0, 0);
  HWND wizard = ShownWindow(L"TFormPlan");
  ASSERT_NE(wizard, nullptr);
  const auto click = [&](int id) { SendMessageW(ControlById(wizard, id), BM_CLICK, 0, 0); };
  HWND title = ControlById(wizard, TFormPlan::kLCapt);
  click(TFormPlan::kBNext);
  EXPECT_EQ(TextOf(title), L"Event");
  click(TFormPlan::kBNext);
  EXPECT_EQ(TextOf(title), L"Start time");
  click(TFormPlan::kCBEveryDay);
  EXPECT_FALSE(IsWindowEnabled(ControlById(wizard, TFormPlan::kDTP)));
  click(TFormPlan::kBNext);
  EXPECT_EQ(TextOf(title), L"Setup additional options");
  click(TFormPlan::kBNext);
  EXPECT_EQ(TextOf(ControlById(wizard, TFormPlan::kBNext)), L"OK");
  EXPECT_EQ(TextOf(ControlById(wizard, TFormPlan::kEText)), L"New Task");
  SendMessageW(ControlById(wizard, TFormPlan::kCBStickers), CB_SETCURSEL, 0, 0);
  PostMessageW(ControlById(wizard, TFormPlan::kBNext), BM_CLICK, 0, 0);
  ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(wizard); }));

  ASSERT_TRUE(Eventually([&] { return TaskFile().size() == 1; }));
  const TaskRecord task = TaskFile().front();
  EXPECT_EQ(task.kind, kTaskDaily);
  EXPECT_EQ(task.action, kTaskShowSticker);
  EXPECT_EQ(task.sticker_id, 5);
  EXPECT_EQ(task.name.Str(), "New Task");
  EXPECT_NEAR(task.follow_up - task.date_time, 5.0 / 1440, 1e-9);
  EXPECT_EQ(SendMessageW(ControlById(manager, TFormManager::kSGPlan), LVM_GETITEMCOUNT, 0, 0), 1);
}

}  // namespace
