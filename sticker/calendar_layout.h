#pragma once
// The month calendar of a calendar sticker: its arithmetic (days, week-days
// from Monday 0, rows of weeks, the day in each cell), its size from measured
// text extents, and the places of its cells and today's mark.

#include <vector>

#include "sticker/calendar_notation.h"
#include "sticker/content_layout.h"

int DaysInMonth(int year, int month);
// Monday 0 .. Sunday 6.
int WeekDayOf(int year, int month, int day);

struct CalendarPage {
  CalendarFlags flags;
  CalendarMonth month;
  int firstWeekDay;  // of the 1st
  int days;
  int rows;  // weeks the month touches
};
CalendarPage CalendarPageOf(std::string_view text, const CivilTime& today);
// The day of the cell of week `row` and week-day `column`, or 0 for an empty cell.
int DayInCell(const CalendarPage& page, int row, int column);

// Text extents measured in the sticker's fonts.
struct CalendarMetrics {
  int numberWidth, numberHeight;  // "28" in the body font
  int lineHeight;                 // "Wt" in the body font
  int weekDaysWidth;              // the seven names joined, in the body font
  int widestWeekDay;              // the widest name at the body size - 1
  int titleWidth;                 // month and year in the title font (size + 1, bold italic)
  int weekDayHeight, titleHeight; // of a name and of the title in their own fonts
  DisplayScale scale;             // the fonts' scale: gaps and marks grow with it
};
struct CalendarSize {
  int width, height;
};
CalendarSize SizeOfCalendar(const CalendarPage& page, const CalendarMetrics& m);

struct CalendarCell {
  LayoutRect rect;
  int day;  // 1.. ; cells without a day are not listed
  int column, row;  // week-day and week
};
struct CalendarPlan {
  LayoutRect title;                     // empty without a title
  std::vector<LayoutRect> weekDayBoxes;  // seven, Monday first, or none
  std::vector<CalendarCell> cells;
};
// Where everything goes inside `area` (the calendar's rectangle).
CalendarPlan PlanCalendar(const CalendarPage& page, const CalendarMetrics& m, const LayoutRect& area);

// Whether the cell's day is today and the page marks today.
bool MarksToday(const CalendarPage& page, const CalendarCell& cell, const CivilTime& today);
// Today's marks: the ring inset 2 and 3 pixels; the line under the number,
// round(number width x 1.3) long, centred, one pixel below the cell.
LayoutRect TodayRing(const LayoutRect& cell, const DisplayScale& scale = {});
// The calendar's size takes the measured text's place in the content and in
// the title-bar styles' text rectangle, each keeping its left and top;
// notepad styles add 16 to the content's width; the size limits apply.
void FitCalendar(StickerLayout& layout, const CalendarSize& size, bool notepad);

struct LayoutLine {
  int x1, x2, y;
};
LayoutLine TodayLine(const LayoutRect& cell, int numberWidth, const DisplayScale& scale = {});
