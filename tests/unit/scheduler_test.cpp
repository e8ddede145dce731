#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "manager/scheduler.h"
#include "support/sticker_samples.h"

namespace {

DateTime At(int day, int hour, int minute, int second = 0) {
  return EncodeDateTime({2026, 12, day, hour, minute, second});
}

struct RecordingActions final : SchedulerActions {
  std::vector<std::string> calls;
  int saves = 0;
  void ShowSticker(std::int32_t id) override { calls.push_back("show " + std::to_string(id)); }
  void HideSticker(std::int32_t id) override { calls.push_back("hide " + std::to_string(id)); }
  void DeleteSticker(std::int32_t id) override { calls.push_back("delete " + std::to_string(id)); }
  void ShowBalloon(std::string_view text) override { calls.push_back("balloon " + std::string(text)); }
  bool ShowMessage(std::string_view text) override {
    calls.push_back("message " + std::string(text));
    return true;
  }
  void SaveTasks() override { ++saves; }
};

class SchedulerTest : public ::testing::Test {
 protected:
  SchedulerTest() { store->AddRecord(MakeSticker(7)); }

  // A task in the next free slot; returns the slot.
  int Add(std::uint8_t kind, DateTime when, std::uint8_t action = kTaskMessageBalloon, const char* message = "hi") {
    TaskRecord task = NewTask(when);
    task.kind = kind;
    task.action = action;
    task.sticker_id = action <= kTaskStickerBalloon ? 7 : kNoTaskSticker;
    task.message.Assign(message);
    const int slot = store->FirstFreeTaskSlot();
    store->WriteTask(slot, task);
    return slot;
  }
  // Ticks every second from half a second after `from` to half a second
  // after `to`, as a timer does.
  void RunClock(DateTime from, DateTime to) {
    constexpr double kSecond = 1.0 / kSecondsPerDay;
    for (DateTime t = from + kSecond / 2; t <= to + kSecond; t += kSecond) scheduler.Tick(t, actions);
  }

  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();
  Scheduler scheduler{*store};
  RecordingActions actions;
};

TEST_F(SchedulerTest, TheNextEventIsTheEarliestMomentLaterToday) {
  struct Case {
    std::uint8_t kind;
    DateTime when;
    DateTime now;
    bool armed;
    DateTime next;
  };
  const Case cases[] = {
      {kTaskOnce, At(8, 23, 59, 59), At(8, 23, 0), true, At(8, 23, 59, 59)},
      {kTaskOnce, At(8, 9, 0), At(8, 10, 0), false, 0},          // passed
      {kTaskOnce, At(9, 9, 0), At(8, 10, 0), false, 0},          // a later day
      {kTaskOnce, At(9, 0, 0), At(8, 23, 59, 59), false, 0},     // tomorrow's midnight is not today
      {kTaskDaily, At(1, 18, 0), At(8, 10, 0), true, At(8, 18, 0)},
      {kTaskDaily, At(1, 9, 0), At(8, 10, 0), false, 0},         // fires tomorrow
      {kTaskHourly, 0, At(8, 14, 20), true, At(8, 15, 0)},
      {kTaskHourly, 0, At(8, 23, 30), true, At(9, 0, 0)},
      {3, At(8, 18, 0), At(8, 10, 0), false, 0},
  };
  for (const Case& c : cases) {
    store->ResetTasks(0);
    const int slot = Add(c.kind, c.when);
    scheduler.Start(c.now);
    EXPECT_EQ(scheduler.Armed(), c.armed) << int(c.kind) << " " << c.when;
    if (!c.armed) continue;
    EXPECT_NEAR(scheduler.NextEvent(), c.next, 1e-9);
    EXPECT_EQ(store->Task(slot).due, 1);
  }
}

TEST_F(SchedulerTest, TasksOfOneMomentFireInSlotOrderAndOnlyTheAutoDeleteOneGoes) {
  const int first = Add(kTaskOnce, At(8, 12, 0), kTaskMessageWindow, "first");
  const int second = Add(kTaskOnce, At(8, 12, 0), kTaskHideSticker);
  TaskRecord task = store->Task(second);
  task.auto_delete = 1;
  store->WriteTask(second, task);
  Add(kTaskOnce, At(8, 12, 0, 1), kTaskMessageBalloon, "later");
  scheduler.Start(At(8, 11, 59, 58));
  RunClock(At(8, 11, 59, 58), At(8, 12, 0));
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"message first", "hide 7"}));
  EXPECT_EQ(store->Task(first).in_use, 1);
  EXPECT_EQ(store->Task(second).in_use, 0);
  EXPECT_EQ(actions.saves, 1);
  RunClock(At(8, 12, 0, 1), At(8, 12, 0, 1));
  EXPECT_EQ(actions.calls.back(), "balloon later");
  EXPECT_EQ(actions.saves, 1);  // nothing blocked or removed
}

TEST_F(SchedulerTest, BlockedTasksWaitForTheNextComputationAndKindThreeNeverFires) {
  const int blocked = Add(kTaskOnce, At(8, 12, 0), kTaskMessageBalloon, "blocked");
  Add(3, At(8, 12, 0), kTaskMessageBalloon, "kind three");
  TaskRecord task = store->Task(blocked);
  task.active = 0;
  store->WriteTask(blocked, task);
  scheduler.Start(At(8, 11, 0));
  EXPECT_FALSE(scheduler.Armed());
  task.active = 1;  // unblocked in the manager, which computes at once
  store->WriteTask(blocked, task);
  scheduler.ComputeNextEvent(At(8, 11, 30));
  RunClock(At(8, 11, 59, 59), At(8, 12, 0, 1));
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"balloon blocked"}));
}

TEST_F(SchedulerTest, AClockSetForwardPastAMomentSkipsIt) {
  Add(kTaskOnce, At(8, 10, 30));
  scheduler.Start(At(8, 10, 0));
  EXPECT_TRUE(scheduler.Armed());
  scheduler.ComputeNextEvent(At(8, 11, 0));  // the system clock was changed
  RunClock(At(8, 11, 0), At(8, 11, 0, 5));
  EXPECT_TRUE(actions.calls.empty());
}

TEST_F(SchedulerTest, AnActionForAStickerThatIsGoneStillAutoBlocks) {
  const int slot = Add(kTaskOnce, At(8, 12, 0), kTaskShowSticker);
  TaskRecord task = store->Task(slot);
  task.auto_block = 1;
  store->WriteTask(slot, task);
  store->DeleteSticker(7);
  scheduler.Start(At(8, 11, 59, 59));
  RunClock(At(8, 12, 0), At(8, 12, 0));
  EXPECT_TRUE(actions.calls.empty());
  EXPECT_EQ(store->Task(slot).active, 0);
  EXPECT_EQ(store->Task(slot).in_use, 1);
  EXPECT_EQ(actions.saves, 1);
}

// A daily task whose time passed fires the next day; a once-task that passed
// while the program was not running never fires.
TEST_F(SchedulerTest, PassedMomentsWaitForTheirNextDayOrNeverComeBack) {
  Add(kTaskDaily, At(1, 9, 0), kTaskMessageBalloon, "daily");
  Add(kTaskOnce, At(8, 8, 0), kTaskMessageBalloon, "missed");
  scheduler.Start(At(8, 10, 0));
  RunClock(At(8, 23, 59, 58), At(9, 0, 0, 2));
  EXPECT_TRUE(actions.calls.empty());
  EXPECT_NEAR(scheduler.NextEvent(), At(9, 9, 0), 1e-9);
  RunClock(At(9, 8, 59, 59), At(9, 9, 0, 1));
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"balloon daily"}));
}

// Reminders for exactly midnight fire when the date changes, with no hourly
// task to carry them, and only once with one.
TEST_F(SchedulerTest, TasksAtMidnightFireWhenTheDateChanges) {
  for (bool withHourly : {false, true}) {
    store->ResetTasks(0);
    actions.calls.clear();
    Add(kTaskOnce, At(9, 0, 0), kTaskMessageBalloon, "once");
    Add(kTaskDaily, At(1, 0, 0), kTaskMessageBalloon, "daily");
    if (withHourly) Add(kTaskHourly, 0, kTaskMessageBalloon, "hourly");
    scheduler.Start(At(8, 23, 59, 57));
    RunClock(At(8, 23, 59, 57), At(9, 0, 0, 3));
    std::vector<std::string> expected{"balloon once", "balloon daily"};
    if (withHourly) expected.push_back("balloon hourly");
    EXPECT_EQ(actions.calls, expected) << withHourly;
  }
}

}  // namespace
