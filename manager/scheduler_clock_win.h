#pragma once
// The system clock for the scheduler: one reading of the universal time and
// the local time the current time zone makes of it.

#include "manager/scheduler_clock.h"

class SystemSchedulerClock final : public SchedulerClock {
 public:
  ClockReading Now() const override;
};
