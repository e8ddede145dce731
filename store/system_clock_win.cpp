#include "store/system_clock_win.h"

#include <windows.h>

namespace {

DateTime FromSystemTime(const SYSTEMTIME& t) {
  return EncodeDateTime({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
}

}  // namespace

// The local time is derived from the same universal reading, so the two can
// never straddle a tick of the clock.
ClockReading SystemClock::Now() const {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  SYSTEMTIME universal{};
  FileTimeToSystemTime(&now, &universal);
  SYSTEMTIME local{};
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) GetLocalTime(&local);
  return {FromSystemTime(local), FromSystemTime(universal)};
}
