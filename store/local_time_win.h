#pragma once
// The current local date and time as a date-time value.

#include <windows.h>

#include "store/date_time.h"

inline DateTime LocalNow() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return EncodeDateTime({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
}
