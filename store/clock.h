#pragma once
// The time the program reads: the scheduler for its moments, calendars for
// today. Local time alone cannot tell the hour that repeats when daylight
// saving ends from a clock set back by the user: in the first the universal
// time keeps going forward, in the second it goes back too. So every reading
// carries both, taken at the same instant.

#include "store/date_time.h"

struct ClockReading {
  DateTime local = 0;
  DateTime universal = 0;
};

class Clock {
 public:
  virtual ClockReading Now() const = 0;

 protected:
  ~Clock() = default;
};
