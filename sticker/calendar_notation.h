#pragma once
// The calendar notation of a sticker's body text: "[5.2009/wmc]" and the like.
// A text that, trimmed, starts with "[" and holds "]" and "/" is a calendar;
// the month and year stand between "[" and the first "/", and flag letters
// anywhere in the text (either case) switch features on.

#include <string_view>

#include "store/date_time.h"

struct CalendarFlags {
  bool currentMonth = false;  // n
  bool weekDays = false;      // w
  bool title = false;         // m
  bool ringToday = false;     // c
  bool underlineToday = false;  // u
  bool vertical = false;      // v
};

struct CalendarMonth {
  int year;
  int month;  // 1..12
};

bool IsCalendar(std::string_view text);
CalendarFlags CalendarFlagsOf(std::string_view text);
// The month a calendar text shows: today's with "n", else the written one; a
// month outside 1..12 or a year 0 or beyond 9999 shows December 1899, the
// month of the date value -1.
CalendarMonth CalendarMonthOf(std::string_view text, const CivilTime& today);
