#include "manager/scheduler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

using Millis = std::int64_t;

constexpr Millis kMillisPerSecond = 1000;
constexpr Millis kMillisPerHour = 3600 * kMillisPerSecond;
constexpr Millis kMillisPerDay = 24 * kMillisPerHour;
// A missed moment older than this is no longer worth a reminder.
constexpr Millis kCatchUpLimit = kMillisPerDay;
// The universal time may be nudged back a little by time synchronisation;
// only a larger step back counts as a clock set back.
constexpr Millis kClockSetBack = 2 * kMillisPerSecond;
constexpr Millis kNoMoment = INT64_MIN;

// Whole milliseconds, so that a moment and a tick reading the same
// millisecond compare equal whatever the rounding of the doubles.
Millis ToMillis(DateTime value) { return std::llround(value * static_cast<double>(kMillisPerDay)); }
DateTime FromMillis(Millis value) { return static_cast<double>(value) / static_cast<double>(kMillisPerDay); }

Millis FloorTo(Millis value, Millis unit) {
  const Millis rest = value % unit;
  return value - (rest < 0 ? rest + unit : rest);
}

// The time of day of a daily task, also for a value before 1899.
Millis TimeOfDay(DateTime value) { return ToMillis(std::fabs(value - std::trunc(value))) % kMillisPerDay; }

bool Schedulable(const TaskRecord& task) { return task.in_use && task.active; }
bool ShowsOrHides(const TaskRecord& task) {
  return task.action == kTaskShowSticker || task.action == kTaskHideSticker;
}

class TickGuard {
 public:
  explicit TickGuard(bool& ticking) : ticking_(ticking) { ticking_ = true; }
  ~TickGuard() { ticking_ = false; }
  TickGuard(const TickGuard&) = delete;
  TickGuard& operator=(const TickGuard&) = delete;

 private:
  bool& ticking_;
};

}  // namespace

bool LatestTaskMoment(const TaskRecord& task, Millis upTo, Millis& moment) {
  switch (task.kind) {
    case kTaskOnce:
      moment = ToMillis(task.date_time);
      return moment <= upTo;
    case kTaskDaily:
      moment = FloorTo(upTo, kMillisPerDay) + TimeOfDay(task.date_time);
      if (moment > upTo) moment -= kMillisPerDay;
      return true;
    case kTaskHourly:
      moment = FloorTo(upTo, kMillisPerHour);
      return true;
    default:
      return false;
  }
}

void Scheduler::Start() {
  const ClockReading now = clock_.Now();
  checkedLocal_ = ToMillis(now.local);
  checkedUniversal_ = ToMillis(now.universal);
  ComputeNextEvent();
}

void Scheduler::ComputeNextEvent() { ComputeNextEventAfter(checkedLocal_); }

// The next moment of each task is its latest one a day (or an hour) on, when
// that lies after `after`.
void Scheduler::ComputeNextEventAfter(Millis after) {
  const Millis tomorrow = FloorTo(after, kMillisPerDay) + kMillisPerDay;
  Millis next = 0;
  bool found = false;
  std::array<Millis, kTaskSlotCount> moments{};
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    const TaskRecord& task = store_.Task(slot);
    store_.SetTaskDue(slot, false);
    if (!Schedulable(task)) continue;
    const Millis ahead = after + (task.kind == kTaskHourly ? kMillisPerHour : kMillisPerDay);
    Millis& moment = moments[static_cast<std::size_t>(slot)];
    if (!LatestTaskMoment(task, ahead, moment) || moment <= after) moment = kNoMoment;
    if (moment == kNoMoment || (task.kind != kTaskHourly && moment >= tomorrow)) continue;
    if (!found || moment < next) next = moment;
    found = true;
  }
  for (int slot = 0; slot < kTaskSlotCount && found; ++slot)
    if (moments[static_cast<std::size_t>(slot)] == next) store_.SetTaskDue(slot, true);
  armed_ = found;
  if (found) nextEvent_ = FromMillis(next);
}

// A clock set back (the universal time went back too) lets its moments come
// again as the clock passes them. The hour repeated when daylight saving
// ends goes back in local time only: its moments fired the first time, so
// nothing fires until the local time is past the last check again.
Scheduler::TickResult Scheduler::Tick(SchedulerActions& actions) {
  TickResult result;
  if (ticking_) return result;
  const TickGuard guard(ticking_);
  const ClockReading now = clock_.Now();
  const Millis local = ToMillis(now.local);
  const Millis universal = ToMillis(now.universal);
  result.dateChanged = FloorTo(local, kMillisPerDay) != FloorTo(checkedLocal_, kMillisPerDay);
  if (universal < checkedUniversal_ - kClockSetBack) checkedLocal_ = local;
  checkedUniversal_ = universal;
  if (local > checkedLocal_) {
    const Millis after = checkedLocal_;
    checkedLocal_ = local;  // first: whatever the actions do, these moments are handled
    result.fired = FireBetween(after, local, actions);
  }
  if (result.fired || result.dateChanged) ComputeNextEvent();
  return result;
}

// Each task fires once for its latest moment in (after, upTo], in time order
// (slot order within one moment). Of several show and hide tasks for one
// sticker only the last acts: the sticker ends as it would have.
bool Scheduler::FireBetween(Millis after, Millis upTo, SchedulerActions& actions) {
  std::array<Due, kTaskSlotCount> due{};
  std::size_t count = 0;
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    const TaskRecord& task = store_.Task(slot);
    Millis moment = 0;
    if (Schedulable(task) && LatestTaskMoment(task, upTo, moment) && moment > after && upTo - moment <= kCatchUpLimit)
      due[count++] = {moment, slot};
  }
  if (count == 0) return false;
  std::sort(due.begin(), due.begin() + static_cast<std::ptrdiff_t>(count),
            [](const Due& a, const Due& b) { return a.moment != b.moment ? a.moment < b.moment : a.slot < b.slot; });
  bool changed = false;
  for (std::size_t i = 0; i < count; ++i) {
    const TaskRecord task = store_.Task(due[i].slot);  // an earlier action may have changed the table
    if (!Schedulable(task)) continue;
    const bool superseded = ShowsOrHides(task) && std::any_of(due.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                                              due.begin() + static_cast<std::ptrdiff_t>(count),
                                                              [&](const Due& later) {
                                                                const TaskRecord& other = store_.Task(later.slot);
                                                                return ShowsOrHides(other) &&
                                                                       other.sticker_id == task.sticker_id;
                                                              });
    if (!Carry(task, superseded, actions)) continue;
    TaskRecord after = store_.Task(due[i].slot);
    if (after.auto_block) after.active = 0;
    if (after.auto_delete) after.in_use = 0;
    if (after.auto_block || after.auto_delete) {
      store_.WriteTask(due[i].slot, after);
      changed = true;
    }
  }
  if (changed) actions.SaveTasks();
  return true;
}

// False when nothing happened: the task's sticker is gone (the manager marks
// the task) or its reminder could not be shown; nothing is blocked or
// removed then, so that no task goes unseen.
bool Scheduler::Carry(const TaskRecord& task, bool superseded, SchedulerActions& actions) {
  if (task.action <= kTaskStickerBalloon) {
    const int sticker = store_.FindSticker(task.sticker_id);
    if (sticker < 0) return false;
    if (superseded) return true;
    switch (task.action) {
      case kTaskShowSticker:
        actions.ShowSticker(task.sticker_id);
        break;
      case kTaskHideSticker:
        actions.HideSticker(task.sticker_id);
        break;
      case kTaskDeleteSticker:
        actions.DeleteSticker(task.sticker_id);
        break;
      default:
        actions.ShowBalloon(GetStickerText(store_.Sticker(sticker)));
        break;
    }
  } else if (task.action == kTaskMessageWindow) {
    return actions.ShowMessage(task.message.View());
  } else if (task.action == kTaskMessageBalloon) {
    actions.ShowBalloon(task.message.View());
  }
  return true;
}
