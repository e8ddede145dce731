#pragma once
// Date-time values: days since 30 December 1899 as a double, the time of day
// as the fraction.

#include <cstdint>

using DateTime = double;

struct CivilTime {
  int year, month, day;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

inline constexpr double kUnixEpochDays = 25569.0;  // 1970-01-01 as a DateTime
inline constexpr double kSecondsPerDay = 86400.0;

DateTime EncodeDateTime(const CivilTime& time);
// The civil time of a value, rounded to the nearest millisecond first so that
// a value encoded from whole seconds never decodes one second early.
CivilTime DecodeDateTime(DateTime value);
