#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "manager/scheduler.h"
#include "support/sticker_samples.h"

namespace {

constexpr double kSecond = 1.0 / kSecondsPerDay;
constexpr double kCentralEurope = 1, kCentralEuropeSummer = 2;  // hours ahead of universal time

DateTime At(int day, int hour, int minute, int second = 0, int month = 12) {
  return EncodeDateTime({2026, month, day, hour, minute, second});
}

struct FakeClock final : Clock {
  ClockReading reading;
  void Set(DateTime local, double offsetHours = kCentralEurope) { reading = {local, local - offsetHours / 24}; }
  ClockReading Now() const override { return reading; }
};

struct RecordingActions final : SchedulerActions {
  std::vector<std::string> calls;
  int saves = 0;
  bool shown = true;  // whether a reminder reaches the screen
  std::function<void()> duringSave;  // a message loop run by an error box
  void ShowSticker(std::int32_t id) override { calls.push_back("show " + std::to_string(id)); }
  void HideSticker(std::int32_t id) override { calls.push_back("hide " + std::to_string(id)); }
  void DeleteSticker(std::int32_t id) override { calls.push_back("delete " + std::to_string(id)); }
  void ShowBalloon(std::string_view text) override { calls.push_back("balloon " + std::string(text)); }
  bool ShowMessage(std::string_view text) override {
    calls.push_back("message " + std::string(text));
    return shown;
  }
  void SaveTasks() override {
    ++saves;
    if (duringSave) duringSave();
  }
};

using Calls = std::vector<std::string>;

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
  void Change(int slot, const std::function<void(TaskRecord&)>& change) {
    TaskRecord task = store->Task(slot);
    change(task);
    store->WriteTask(slot, task);
  }
  void Start(DateTime local, double offsetHours = kCentralEurope) {
    clock.Set(local, offsetHours);
    scheduler.Start();
  }
  void TickAt(DateTime local, double offsetHours = kCentralEurope) {
    clock.Set(local, offsetHours);
    scheduler.Tick(actions);
  }
  // The message that the system clock changed: the manager recomputes, and
  // the timer's tick may come before or after.
  void TimeChangedTo(DateTime local, double offsetHours = kCentralEurope) {
    clock.Set(local, offsetHours);
    scheduler.ComputeNextEvent();
    scheduler.Tick(actions);
    scheduler.ComputeNextEvent();
  }
  // Ticks every second from `from` to `to`, each `phase` of a second after the
  // full second, as a timer started at some moment does.
  void RunClock(DateTime from, DateTime to, double phase = 0.5, double offsetHours = kCentralEurope) {
    for (DateTime t = from + phase * kSecond; t < to + kSecond * 0.9999; t += kSecond) TickAt(t, offsetHours);
  }

  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();
  FakeClock clock;
  Scheduler scheduler{*store, clock};
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
    Start(c.now);
    EXPECT_EQ(scheduler.Armed(), c.armed) << int(c.kind) << " " << c.when;
    if (!c.armed) continue;
    EXPECT_NEAR(scheduler.NextEvent(), c.next, 1e-9);
    EXPECT_EQ(store->Task(slot).due, 1);
  }
}

TEST_F(SchedulerTest, TasksOfOneMomentFireInSlotOrderAndOnlyTheAutoDeleteOneGoes) {
  const int first = Add(kTaskOnce, At(8, 12, 0), kTaskMessageWindow, "first");
  const int second = Add(kTaskOnce, At(8, 12, 0), kTaskHideSticker);
  Change(second, [](TaskRecord& t) { t.auto_delete = 1; });
  Add(kTaskOnce, At(8, 12, 0, 1), kTaskMessageBalloon, "later");
  Start(At(8, 11, 59, 58));
  RunClock(At(8, 11, 59, 58), At(8, 12, 0));
  EXPECT_EQ(actions.calls, (Calls{"message first", "hide 7"}));
  EXPECT_EQ(store->Task(first).in_use, 1);
  EXPECT_EQ(store->Task(second).in_use, 0);
  EXPECT_EQ(actions.saves, 1);
  RunClock(At(8, 12, 0, 1), At(8, 12, 0, 1));
  EXPECT_EQ(actions.calls.back(), "balloon later");
  EXPECT_EQ(actions.saves, 1);  // nothing blocked or removed
}

TEST_F(SchedulerTest, BlockedTasksWaitForUnblockingAndKindThreeNeverFires) {
  const int blocked = Add(kTaskOnce, At(8, 12, 0), kTaskMessageBalloon, "blocked");
  Add(3, At(8, 12, 0), kTaskMessageBalloon, "kind three");
  Change(blocked, [](TaskRecord& t) { t.active = 0; });
  Start(At(8, 11, 0));
  EXPECT_FALSE(scheduler.Armed());
  Change(blocked, [](TaskRecord& t) { t.active = 1; });  // unblocked in the manager
  scheduler.ComputeNextEvent();
  EXPECT_TRUE(scheduler.Armed());
  RunClock(At(8, 11, 59, 59), At(8, 12, 0, 1));
  EXPECT_EQ(actions.calls, (Calls{"balloon blocked"}));
}

// Whatever part of a second the timer ticks at, a moment fires once; a tick
// that reads the moment to the millisecond fires it then.
TEST_F(SchedulerTest, EachMomentFiresOnceWhateverTheTickPhase) {
  for (const double phase : {0.0, 0.001, 0.5, 0.999}) {
    for (const std::uint8_t kind : {kTaskOnce, kTaskDaily, kTaskHourly}) {
      store->ResetTasks(0);
      actions.calls.clear();
      Add(kind, At(8, 12, 0));
      Start(At(8, 11, 59, 50));
      RunClock(At(8, 11, 59, 50), At(8, 12, 0, 10), phase);
      EXPECT_EQ(actions.calls, (Calls{"balloon hi"})) << "phase " << phase << " kind " << int(kind);
    }
  }
  actions.calls.clear();
  TickAt(At(8, 13, 0));
  EXPECT_EQ(actions.calls, (Calls{"balloon hi"}));  // the hourly task at exactly 13:00:00.000
  TickAt(At(8, 13, 0) + kSecond);
  EXPECT_EQ(actions.calls.size(), 1u);
}

// Asleep from 14:00 to 17:00: on waking every task with a moment in between
// fires once, in time order; of the show and hide tasks of one sticker only
// the last acts, so the sticker ends as it would have.
TEST_F(SchedulerTest, AfterASleepEachMissedTaskFiresOnceInTimeOrder) {
  Add(kTaskOnce, At(8, 16, 0), kTaskMessageWindow, "four");
  Add(kTaskOnce, At(8, 15, 0), kTaskMessageWindow, "three");
  Add(kTaskDaily, At(1, 14, 30), kTaskMessageBalloon, "daily");
  Add(kTaskHourly, 0, kTaskMessageBalloon, "hourly");
  Add(kTaskOnce, At(8, 14, 10), kTaskShowSticker);
  const int hide = Add(kTaskOnce, At(8, 15, 30), kTaskHideSticker);
  Change(hide, [](TaskRecord& t) { t.auto_delete = 1; });
  Add(kTaskOnce, At(8, 17, 30), kTaskMessageWindow, "later");
  Start(At(8, 14, 0));
  TickAt(At(8, 17, 0, 0) + kSecond / 2);
  EXPECT_EQ(actions.calls,
            (Calls{"balloon daily", "message three", "hide 7", "message four", "balloon hourly"}));
  EXPECT_EQ(store->Task(hide).in_use, 0);  // its moment passed: it counts as done
  actions.calls.clear();
  RunClock(At(8, 17, 0, 1), At(8, 17, 0, 5));
  EXPECT_TRUE(actions.calls.empty());
}

TEST_F(SchedulerTest, AMissedMomentOlderThanADayFiresNothing) {
  Add(kTaskOnce, At(8, 11, 0), kTaskMessageBalloon, "two days ago");
  Add(kTaskOnce, At(9, 13, 0), kTaskMessageBalloon, "yesterday");
  Add(kTaskDaily, At(1, 9, 0), kTaskMessageBalloon, "daily");
  Start(At(8, 10, 0));
  TickAt(At(10, 12, 0));
  EXPECT_EQ(actions.calls, (Calls{"balloon yesterday", "balloon daily"}));
}

// Set forward, a step over a moment fires it once, with the tick or with
// the time-change message, whichever comes first. Set back, the step fires
// nothing, and the clock's moments come again as it passes them.
TEST_F(SchedulerTest, ClockStepsFireWhatTheyStepOverOnce) {
  Add(kTaskOnce, At(8, 12, 0), kTaskMessageBalloon, "noon");
  Start(At(8, 11, 59, 59));
  TimeChangedTo(At(8, 12, 0, 1));
  TickAt(At(8, 12, 0, 1) + kSecond / 2);
  EXPECT_EQ(actions.calls, (Calls{"balloon noon"}));
  RunClock(At(8, 12, 0, 2), At(8, 12, 10));
  TimeChangedTo(At(8, 11, 50));
  EXPECT_EQ(actions.calls.size(), 1u);
  RunClock(At(8, 11, 59, 58), At(8, 12, 0, 2));
  EXPECT_EQ(actions.calls, (Calls{"balloon noon", "balloon noon"}));
}

// Europe, 25 October 2026: at 03:00 summer time the clocks go back to 02:00.
// The repeated hour fires nothing twice, the hourly task included.
TEST_F(SchedulerTest, TheHourRepeatedInAutumnFiresOnce) {
  const auto at = [](int hour, int minute, int second = 0) { return At(25, hour, minute, second, 10); };
  Add(kTaskHourly, 0, kTaskMessageBalloon, "hourly");
  Add(kTaskDaily, at(2, 15), kTaskMessageBalloon, "daily");
  Add(kTaskOnce, at(2, 30), kTaskMessageBalloon, "once");
  Start(at(1, 59, 50), kCentralEuropeSummer);
  RunClock(at(1, 59, 50), at(2, 59, 59), 0.5, kCentralEuropeSummer);
  EXPECT_EQ(actions.calls, (Calls{"balloon hourly", "balloon daily", "balloon once"}));
  TimeChangedTo(at(2, 0), kCentralEurope);
  RunClock(at(2, 0), at(3, 0, 5), 0.5, kCentralEurope);
  EXPECT_EQ(actions.calls, (Calls{"balloon hourly", "balloon daily", "balloon once", "balloon hourly"}));
}

// Europe, 29 March 2026: at 02:00 the clocks go forward to 03:00. Moments in
// the skipped hour fire at the first tick after it, in time order.
TEST_F(SchedulerTest, AMomentInTheHourSkippedInSpringFiresRightAfterIt) {
  const auto at = [](int hour, int minute, int second = 0) { return At(29, hour, minute, second, 3); };
  Add(kTaskOnce, at(2, 30), kTaskMessageBalloon, "once");
  Add(kTaskDaily, at(2, 15), kTaskMessageBalloon, "daily");
  Start(at(1, 59, 55));
  RunClock(at(1, 59, 55), at(1, 59, 59));
  EXPECT_TRUE(actions.calls.empty());
  TimeChangedTo(at(3, 0), kCentralEuropeSummer);
  EXPECT_EQ(actions.calls, (Calls{"balloon daily", "balloon once"}));
  RunClock(at(3, 0, 1), at(3, 0, 5), 0.5, kCentralEuropeSummer);
  EXPECT_EQ(actions.calls.size(), 2u);
}

TEST_F(SchedulerTest, AFullTableCaughtUpFiresEveryTaskOnceInTimeOrder) {
  for (int slot = 0; slot < kTaskSlotCount; ++slot)
    Add(kTaskOnce, At(8, 16, 0) - slot * 30 * kSecond, kTaskMessageBalloon, std::to_string(slot).c_str());
  Start(At(8, 13, 0));
  TickAt(At(8, 16, 0, 1));
  Calls expected;
  for (int slot = kTaskSlotCount - 1; slot >= 0; --slot) expected.push_back("balloon " + std::to_string(slot));
  EXPECT_EQ(actions.calls, expected);
}

// An error box over a failed save runs a message loop in which the timer
// ticks: that tick does nothing, and what came due meanwhile fires after.
TEST_F(SchedulerTest, ATickDuringTheActionsOfAnotherDoesNothing) {
  const int blocking = Add(kTaskOnce, At(8, 12, 0), kTaskMessageWindow, "first");
  Change(blocking, [](TaskRecord& t) { t.auto_block = 1; });
  Add(kTaskDaily, At(1, 12, 0), kTaskMessageBalloon, "second");
  Add(kTaskOnce, At(8, 12, 0, 1), kTaskMessageBalloon, "meanwhile");
  actions.duringSave = [&] {
    for (int second = 1; second <= 3; ++second) TickAt(At(8, 12, 0, second) + kSecond / 2);
  };
  Start(At(8, 11, 59, 59));
  TickAt(At(8, 12, 0) + kSecond / 2);
  EXPECT_EQ(actions.calls, (Calls{"message first", "balloon second"}));
  actions.duringSave = nullptr;
  TickAt(At(8, 12, 0, 4) + kSecond / 2);
  EXPECT_EQ(actions.calls, (Calls{"message first", "balloon second", "balloon meanwhile"}));
}

// Its sticker deleted, a task does nothing at all: not blocked, not removed,
// and never acting on another sticker.
TEST_F(SchedulerTest, ATaskWhoseStickerIsGoneDoesNothing) {
  const int slot = Add(kTaskOnce, At(8, 12, 0), kTaskShowSticker);
  Change(slot, [](TaskRecord& t) { t.auto_block = t.auto_delete = 1; });
  store->DeleteSticker(7);
  store->AddRecord(MakeSticker(8));
  Start(At(8, 11, 59, 59));
  RunClock(At(8, 12, 0), At(8, 12, 0));
  EXPECT_TRUE(actions.calls.empty());
  EXPECT_EQ(store->Task(slot).active, 1);
  EXPECT_EQ(store->Task(slot).in_use, 1);
  EXPECT_EQ(actions.saves, 0);
}

// An auto-delete reminder goes only once the user could see it.
TEST_F(SchedulerTest, AReminderThatCouldNotBeShownIsNeitherBlockedNorDeleted) {
  const int slot = Add(kTaskOnce, At(8, 12, 0), kTaskMessageWindow);
  Change(slot, [](TaskRecord& t) { t.auto_block = t.auto_delete = 1; });
  actions.shown = false;
  Start(At(8, 11, 59, 59));
  RunClock(At(8, 12, 0), At(8, 12, 0));
  EXPECT_EQ(actions.calls, (Calls{"message hi"}));
  EXPECT_EQ(store->Task(slot).in_use, 1);
  EXPECT_EQ(store->Task(slot).active, 1);
  EXPECT_EQ(actions.saves, 0);
}

// A daily task whose time passed fires the next day; a once-task that passed
// while the program was not running never fires.
TEST_F(SchedulerTest, PassedMomentsWaitForTheirNextDayOrNeverComeBack) {
  Add(kTaskDaily, At(1, 9, 0), kTaskMessageBalloon, "daily");
  Add(kTaskOnce, At(8, 8, 0), kTaskMessageBalloon, "missed");
  Start(At(8, 10, 0));
  RunClock(At(8, 23, 59, 58), At(9, 0, 0, 2));
  EXPECT_TRUE(actions.calls.empty());
  EXPECT_NEAR(scheduler.NextEvent(), At(9, 9, 0), 1e-9);
  RunClock(At(9, 8, 59, 59), At(9, 9, 0, 1));
  EXPECT_EQ(actions.calls, (Calls{"balloon daily"}));
}

// Reminders for exactly midnight fire when the date changes, with or
// without an hourly task, and only once.
TEST_F(SchedulerTest, TasksAtMidnightFireWhenTheDateChanges) {
  for (bool withHourly : {false, true}) {
    store->ResetTasks(0);
    actions.calls.clear();
    Add(kTaskOnce, At(9, 0, 0), kTaskMessageBalloon, "once");
    Add(kTaskDaily, At(1, 0, 0), kTaskMessageBalloon, "daily");
    if (withHourly) Add(kTaskHourly, 0, kTaskMessageBalloon, "hourly");
    Start(At(8, 23, 59, 57));
    RunClock(At(8, 23, 59, 57), At(9, 0, 0, 3));
    Calls expected{"balloon once", "balloon daily"};
    if (withHourly) expected.push_back("balloon hourly");
    EXPECT_EQ(actions.calls, expected) << withHourly;
  }
}

}  // namespace
