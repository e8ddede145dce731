#pragma once
// The system clock: one reading of the universal time and the local time the
// current time zone makes of it.

#include "store/clock.h"

class SystemClock final : public Clock {
 public:
  ClockReading Now() const override;
};
