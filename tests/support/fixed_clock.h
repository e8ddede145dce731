#pragma once
// A clock that reads what the test set it to, the universal time equal to
// the local one.

#include "store/clock.h"

struct FixedClock final : Clock {
  explicit FixedClock(DateTime now = 0) : local(now) {}
  DateTime local;
  ClockReading Now() const override { return {local, local}; }
};
