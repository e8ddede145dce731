#pragma once
// The scheduler: fires the tasks of the task table at their moments. It
// never scans for overdue work: it computes one next-event moment within the
// current day (or the next full hour for hourly tasks), waits for it, fires
// every task that belongs to that moment, and computes the next one. The
// clock is passed in; the actions go to the program through an interface.

#include <cstdint>
#include <string_view>

#include "store/tmassiv.h"

// What firing tasks asks of the program.
class SchedulerActions {
 public:
  // Shows the sticker unless its window is open already.
  virtual void ShowSticker(std::int32_t id) = 0;
  // Closes the sticker's window and marks it hidden, or frees its slot; both
  // are written at once, as when the user does it.
  virtual void HideSticker(std::int32_t id) = 0;
  virtual void DeleteSticker(std::int32_t id) = 0;
  // A tray balloon with the text (ANSI bytes), titled with the program's name.
  virtual void ShowBalloon(std::string_view text) = 0;
  // A reminder window of its own with the text (ANSI bytes), above all
  // windows until the user closes it; true once it is on screen.
  virtual bool ShowMessage(std::string_view text) = 0;
  virtual void SaveTasks() = 0;

 protected:
  ~SchedulerActions() = default;
};

class Scheduler {
 public:
  explicit Scheduler(Tmassiv& store) : store_(store) {}

  // At the manager's creation: the last check is today, then the first
  // computation.
  void Start(DateTime now);
  // Marks the tasks of the next event due and arms the scheduler when any
  // task has a moment in the rest of the day (or an hourly task exists).
  void ComputeNextEvent(DateTime now);

  struct TickResult {
    bool fired = false;        // tasks fired and the next event was computed
    bool dateChanged = false;  // the date changed since the last computation
  };
  // The timer's second: fires what is due; after a change of date also what
  // was due at the new day's 00:00:00.
  TickResult Tick(DateTime now, SchedulerActions& actions);
  // Fires every due task in slot order; auto-block and auto-delete apply and
  // save the task file.
  void FireDueTasks(SchedulerActions& actions);

  bool Armed() const { return armed_; }
  DateTime NextEvent() const { return nextEvent_; }

 private:
  void MarkMidnightTasksDue(DateTime today);
  void Fire(int slot, SchedulerActions& actions);

  Tmassiv& store_;
  DateTime nextEvent_ = 0;
  DateTime lastCheck_ = 0;
  bool armed_ = false;
};

// The moment of a task on the day of `now`: once-tasks their stored moment,
// daily tasks today at their time of day, hourly tasks the next full hour;
// false for a kind the scheduler does not know.
bool TaskMoment(const TaskRecord& task, DateTime now, DateTime& moment);
