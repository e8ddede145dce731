#include "manager/scheduler.h"

#include <cmath>

namespace {

constexpr double kHoursPerDay = 24.0;

DateTime Day(DateTime value) { return std::trunc(value); }

bool Schedulable(const TaskRecord& task) { return task.in_use && task.active; }

}  // namespace

bool TaskMoment(const TaskRecord& task, DateTime now, DateTime& moment) {
  const DateTime today = Day(now);
  switch (task.kind) {
    case kTaskOnce:
      moment = task.date_time;
      return true;
    case kTaskDaily:
      moment = today + std::fabs(task.date_time - std::trunc(task.date_time));
      return true;
    case kTaskHourly:
      moment = today + (std::trunc((now - today) * kHoursPerDay) + 1) / kHoursPerDay;
      return true;
    default:
      return false;
  }
}

void Scheduler::Start(DateTime now) {
  nextEvent_ = now;
  lastCheck_ = Day(now);
  armed_ = false;
  ComputeNextEvent(now);
}

void Scheduler::ComputeNextEvent(DateTime now) {
  const DateTime tomorrow = Day(now) + 1;
  bool found = false;
  DateTime next = 0;
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    const TaskRecord& task = store_.Task(slot);
    if (!Schedulable(task)) continue;
    store_.SetTaskDue(slot, false);
    DateTime moment = 0;
    if (!TaskMoment(task, now, moment)) continue;
    if (task.kind != kTaskHourly && !(now <= moment && moment < tomorrow)) continue;
    if (!found || moment < next) next = moment;
    found = true;
  }
  for (int slot = 0; slot < kTaskSlotCount && found; ++slot) {
    DateTime moment = 0;
    if (Schedulable(store_.Task(slot)) && TaskMoment(store_.Task(slot), now, moment) && moment == next)
      store_.SetTaskDue(slot, true);
  }
  armed_ = found;
  if (found) nextEvent_ = next;
  lastCheck_ = now;
}

// A task set for exactly 00:00:00 is never inside the day before, and is
// already past when the new day's first computation comes: the change of date
// makes it due.
void Scheduler::MarkMidnightTasksDue(DateTime today) {
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    const TaskRecord& task = store_.Task(slot);
    DateTime moment = 0;
    if (Schedulable(task) && task.kind != kTaskHourly && TaskMoment(task, today, moment) && moment == today)
      store_.SetTaskDue(slot, true);
  }
}

// The change of date is seen before anything fires: an hourly event at
// midnight computes the new day's first event, and the date-change step
// must still come.
Scheduler::TickResult Scheduler::Tick(DateTime now, SchedulerActions& actions) {
  TickResult result;
  result.dateChanged = Day(lastCheck_) != Day(now);
  if (result.dateChanged) MarkMidnightTasksDue(Day(now));
  if ((armed_ && now >= nextEvent_) || result.dateChanged) {
    FireDueTasks(actions);
    ComputeNextEvent(now);
    result.fired = true;
  }
  return result;
}

void Scheduler::FireDueTasks(SchedulerActions& actions) {
  bool changed = false;
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    const TaskRecord& task = store_.Task(slot);
    if (!Schedulable(task) || task.kind > kTaskHourly || !task.due) continue;
    Fire(slot, actions);
    TaskRecord after = store_.Task(slot);  // read again: the action may have changed the table
    if (after.auto_block) after.active = 0;
    if (after.auto_delete) after.in_use = 0;
    if (after.auto_block || after.auto_delete) {
      store_.WriteTask(slot, after);
      changed = true;
    }
  }
  if (changed) actions.SaveTasks();
}

void Scheduler::Fire(int slot, SchedulerActions& actions) {
  const TaskRecord task = store_.Task(slot);
  if (task.sticker_id != kNoTaskSticker && task.action <= kTaskStickerBalloon) {
    const int sticker = store_.FindSticker(task.sticker_id);
    if (sticker < 0) return;
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
    return;
  }
  if (task.action == kTaskMessageWindow) {
    store_.SetTaskDue(slot, false);
    actions.ShowMessage(task.message.View());
  } else if (task.action == kTaskMessageBalloon) {
    actions.ShowBalloon(task.message.View());
  }
}
