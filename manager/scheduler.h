#pragma once
// The scheduler: fires the tasks of the task table at their moments. Every
// check covers the stretch of local time since the one before, so a check
// that comes late (after a sleep, a clock set forward, a busy program) still
// fires what fell inside it: each task once, for its latest moment there, in
// time order. Moments more than a day old are let go. The clock and the
// actions come from the program through interfaces.

#include <cstdint>
#include <string_view>

#include "store/clock.h"
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
  // May run a message loop (an error box), in which the timer ticks again.
  virtual void SaveTasks() = 0;

 protected:
  ~SchedulerActions() = default;
};

class Scheduler {
 public:
  Scheduler(Tmassiv& store, const Clock& clock) : store_(store), clock_(clock) {}

  // At the manager's creation: moments before this reading never fire.
  void Start();
  // Marks the tasks of the next moment due (the manager's list colours them)
  // and arms the scheduler when a task has a moment in the rest of the day
  // (or an hourly task exists).
  void ComputeNextEvent();

  struct TickResult {
    bool fired = false;        // tasks fired: the lists changed
    bool dateChanged = false;  // a new day since the last check
  };
  // The timer's second, a change of the system clock, a resume from sleep:
  // fires what fell due since the last check. A tick that starts while one
  // runs does nothing; what comes due meanwhile fires with the next tick.
  TickResult Tick(SchedulerActions& actions);

  bool Armed() const { return armed_; }
  DateTime NextEvent() const { return nextEvent_; }

 private:
  using Millis = std::int64_t;
  struct Due {
    Millis moment;
    int slot;
  };

  bool FireBetween(Millis after, Millis upTo, SchedulerActions& actions);
  bool Carry(const TaskRecord& task, bool superseded, SchedulerActions& actions);
  void ComputeNextEventAfter(Millis after);

  Tmassiv& store_;
  const Clock& clock_;
  Millis checkedLocal_ = 0;      // moments up to here were handled
  Millis checkedUniversal_ = 0;  // the universal time of the last check
  DateTime nextEvent_ = 0;
  bool armed_ = false;
  bool ticking_ = false;
};

// The latest moment of a task at or before `upTo` (local milliseconds):
// once-tasks their stored moment, daily tasks their time of day today or
// yesterday, hourly tasks the last full hour; false for a kind the scheduler
// does not know or a once-task still to come.
bool LatestTaskMoment(const TaskRecord& task, std::int64_t upTo, std::int64_t& moment);
