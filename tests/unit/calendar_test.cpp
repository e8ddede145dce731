#include <gtest/gtest.h>

#include <set>

#include "sticker/calendar_layout.h"

namespace {

constexpr CivilTime kToday{2026, 12, 8};
constexpr CalendarMetrics kMetrics{.numberWidth = 12, .numberHeight = 13, .lineHeight = 13, .weekDaysWidth = 100,
                                   .widestWeekDay = 20, .titleWidth = 110, .weekDayHeight = 12, .titleHeight = 15};

TEST(CalendarPages, TheNotationChoosesTheMonthAndTheFeatures) {
  const CalendarPage plain = CalendarPageOf("[5.2009/]", kToday);
  EXPECT_EQ(plain.month.year, 2009);
  EXPECT_EQ(plain.month.month, 5);
  EXPECT_FALSE(plain.flags.weekDays || plain.flags.title || plain.flags.ringToday || plain.flags.vertical);
  EXPECT_EQ(plain.firstWeekDay, 4);  // 1 May 2009 was a Friday
  const CalendarPage full = CalendarPageOf(" [05-2009/WmC]", kToday);
  EXPECT_TRUE(full.flags.weekDays && full.flags.title && full.flags.ringToday);
  EXPECT_EQ(full.month.month, 5);
  EXPECT_EQ(CalendarPageOf("[13.2009/]", kToday).month.year, 1899);  // the fallback month, December 1899
  EXPECT_EQ(CalendarPageOf("[13.2009/]", kToday).rows, 5);
}

TEST(CalendarPages, DaysRowsAndLeapYears) {
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2026, 7), 31);
  EXPECT_EQ(DaysInMonth(2026, 8), 31);
  EXPECT_EQ(DaysInMonth(2026, 9), 30);
  EXPECT_EQ(CalendarPageOf("[8.2021/]", kToday).rows, 6);  // 31 days from a Sunday
  EXPECT_EQ(CalendarPageOf("[2.2021/]", kToday).rows, 4);  // 28 days from a Monday
  EXPECT_EQ(WeekDayOf(1899, 12, 30), 5);
  EXPECT_EQ(WeekDayOf(2026, 12, 8), 1);
}

// Every day of a year sits in one cell, under its own week-day.
TEST(CalendarPages, EveryCellOfAYearHoldsTheRightDay) {
  for (int month = 1; month <= 12; ++month) {
    const CalendarPage page = CalendarPageOf("[" + std::to_string(month) + ".2024/]", kToday);
    std::set<int> days;
    for (int row = 0; row < page.rows; ++row)
      for (int column = 0; column < 7; ++column) {
        const int day = DayInCell(page, row, column);
        if (day == 0) continue;
        EXPECT_TRUE(days.insert(day).second);
        EXPECT_EQ(WeekDayOf(2024, month, day), column) << month << "/" << day;
      }
    EXPECT_EQ(static_cast<int>(days.size()), page.days) << month;
  }
}

TEST(CalendarSizes, HorizontalAndVerticalFromTheMeasuredText) {
  const CalendarPage may = CalendarPageOf("[5.2009/]", kToday);  // 5 weeks
  ASSERT_EQ(may.rows, 5);
  EXPECT_EQ(SizeOfCalendar(may, kMetrics).width, 7 * 12 + 48);
  EXPECT_EQ(SizeOfCalendar(may, kMetrics).height, 6 * 13);
  CalendarMetrics longNames = kMetrics;
  longNames.weekDaysWidth = 150;  // the joined names are wider, whether shown or not
  EXPECT_EQ(SizeOfCalendar(may, longNames).width, 150 + 28);
  const CalendarPage named = CalendarPageOf("[5.2009/wm]", kToday);
  EXPECT_EQ(SizeOfCalendar(named, kMetrics).height, 6 * 13 + 2 * 17);
  const CalendarPage vertical = CalendarPageOf("[5.2009/v]", kToday);
  EXPECT_EQ(SizeOfCalendar(vertical, kMetrics).width, static_cast<int>(12 * 1.2 * 6));
  EXPECT_EQ(SizeOfCalendar(vertical, kMetrics).height, static_cast<int>(13 * 7 * 1.2));
  const CalendarPage verticalNamed = CalendarPageOf("[5.2009/vwm]", kToday);
  EXPECT_EQ(SizeOfCalendar(verticalNamed, kMetrics).width, static_cast<int>(12 * 1.2 * 6) + 26);
  EXPECT_EQ(SizeOfCalendar(verticalNamed, kMetrics).height, static_cast<int>(13 * 7 * 1.2) + 17);
  CalendarMetrics longTitle = kMetrics;
  longTitle.titleWidth = 300;
  EXPECT_EQ(SizeOfCalendar(verticalNamed, longTitle).width, 300);
}

TEST(CalendarPlans, CellsTileTheGridAndTodayIsMarkedOnlyInItsMonth) {
  const CalendarPage page = CalendarPageOf("[12.2026/wmc]", kToday);
  const CalendarSize size = SizeOfCalendar(page, kMetrics);
  const CalendarPlan plan = PlanCalendar(page, kMetrics, {10, 20, 10 + size.width, 20 + size.height});
  ASSERT_EQ(plan.cells.size(), 31u);
  EXPECT_EQ(plan.weekDayBoxes.size(), 7u);
  EXPECT_EQ(plan.title.top, 20);
  const CalendarCell& first = plan.cells.front();
  EXPECT_EQ(first.day, 1);
  EXPECT_EQ(first.column, 1);  // a Tuesday
  EXPECT_EQ(plan.cells[5].day, 6);  // the first Sunday ends at the right edge
  EXPECT_EQ(plan.cells[5].rect.right, 10 + size.width);
  EXPECT_EQ(plan.cells.back().rect.bottom, 20 + size.height);
  int marked = 0;
  for (const CalendarCell& cell : plan.cells) marked += MarksToday(page, cell, kToday) ? 1 : 0;
  EXPECT_EQ(marked, 1);
  EXPECT_FALSE(MarksToday(CalendarPageOf("[12.2026/wm]", kToday), plan.cells[7], kToday));
  EXPECT_FALSE(MarksToday(CalendarPageOf("[11.2026/c]", kToday), plan.cells[7], kToday));
  EXPECT_EQ(TodayRing({0, 0, 20, 16}), (LayoutRect{2, 3, 18, 13}));
  const LayoutLine line = TodayLine({0, 0, 20, 16}, 12);  // 16 long
  EXPECT_EQ(line.x1, 3);
  EXPECT_EQ(line.x2, 19);
  EXPECT_EQ(line.y, 17);
}

}  // namespace
