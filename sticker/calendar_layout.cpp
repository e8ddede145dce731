#include "sticker/calendar_layout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWeekDays = 7;
constexpr int kHeaderGap = 4;         // below the title and the week-day line
constexpr int kWeekDaysMargin = 28;   // around the joined week-day names
constexpr int kNotepadExtraWidth = 16;
// Today's ring stands inside its cell; the line under the number one pixel
// right of centre and one below the cell.
constexpr int kRingInsetAcross = 2, kRingInsetDown = 3, kLineShift = 1;
constexpr double kVerticalSpread = 1.2, kHeaderSpread = 1.3, kLineSpread = 1.3;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// round(a * b / c) for the cell edges.
int Edge(int index, int length, int parts) {
  return static_cast<int>(std::lround(static_cast<double>(index) * length / parts));
}

}  // namespace

int DaysInMonth(int year, int month) {
  if (month == 2) return IsLeapYear(year) ? 29 : 28;
  const bool odd = month % 2 == 1;
  return (month <= 7) == odd ? 31 : 30;
}

int WeekDayOf(int year, int month, int day) {
  const long days = static_cast<long>(std::floor(EncodeDateTime({year, month, day})));
  return static_cast<int>(((days + 5) % kWeekDays + kWeekDays) % kWeekDays);  // 30 Dec 1899 was a Saturday
}

CalendarPage CalendarPageOf(std::string_view text, const CivilTime& today) {
  CalendarPage page;
  page.flags = CalendarFlagsOf(text);
  page.month = CalendarMonthOf(text, today);
  page.firstWeekDay = WeekDayOf(page.month.year, page.month.month, 1);
  page.days = DaysInMonth(page.month.year, page.month.month);
  page.rows = (page.firstWeekDay + page.days - 1) / kWeekDays + 1;
  return page;
}

int DayInCell(const CalendarPage& page, int row, int column) {
  const int day = row * kWeekDays + column - (page.firstWeekDay - 1);
  return day >= 1 && day <= page.days ? day : 0;
}

CalendarSize SizeOfCalendar(const CalendarPage& page, const CalendarMetrics& m) {
  CalendarSize size;
  if (!page.flags.vertical) {
    size.width = std::max(kWeekDays * m.numberWidth + 8 * m.numberWidth / 2, m.weekDaysWidth + m.scale.Px(kWeekDaysMargin));
    size.height = (page.rows + 1) * m.numberHeight;
    if (page.flags.weekDays) size.height += m.lineHeight + m.scale.Px(kHeaderGap);
    if (page.flags.title) size.height += m.lineHeight + m.scale.Px(kHeaderGap);
    return size;
  }
  size.width = static_cast<int>(m.numberWidth * kVerticalSpread * (page.rows + 1));
  size.height = static_cast<int>(m.numberHeight * kWeekDays * kVerticalSpread);
  if (page.flags.weekDays) size.width += static_cast<int>(m.widestWeekDay * kHeaderSpread);
  if (page.flags.title) {
    size.height += m.lineHeight + m.scale.Px(kHeaderGap);
    size.width = std::max(size.width, m.titleWidth);
  }
  return size;
}

CalendarPlan PlanCalendar(const CalendarPage& page, const CalendarMetrics& m, const LayoutRect& area) {
  CalendarPlan plan;
  LayoutRect grid = area;
  const int gap = m.scale.Px(kHeaderGap);
  if (page.flags.title) {
    plan.title = {area.left, grid.top, area.right, grid.top + m.titleHeight};
    grid.top += m.titleHeight + gap;
  }
  const bool vertical = page.flags.vertical;
  if (page.flags.weekDays) {
    const int header = vertical ? static_cast<int>(m.widestWeekDay * kHeaderSpread) : m.weekDayHeight;
    for (int d = 0; d < kWeekDays; ++d) {
      if (vertical) {
        const int height = grid.Height();
        plan.weekDayBoxes.push_back({grid.left, grid.top + Edge(d, height, kWeekDays), grid.left + header,
                                     grid.top + Edge(d + 1, height, kWeekDays)});
      } else {
        const int width = grid.Width();
        plan.weekDayBoxes.push_back({grid.left + Edge(d, width, kWeekDays), grid.top,
                                     grid.left + Edge(d + 1, width, kWeekDays), grid.top + header});
      }
    }
    (vertical ? grid.left : grid.top) += header + (vertical ? 0 : gap);
  }
  const int across = vertical ? page.rows : kWeekDays, down = vertical ? kWeekDays : page.rows;
  for (int row = 0; row < page.rows; ++row)
    for (int column = 0; column < kWeekDays; ++column) {
      const int day = DayInCell(page, row, column);
      if (day == 0) continue;
      const int x = vertical ? row : column, y = vertical ? column : row;
      plan.cells.push_back({{grid.left + Edge(x, grid.Width(), across), grid.top + Edge(y, grid.Height(), down),
                             grid.left + Edge(x + 1, grid.Width(), across), grid.top + Edge(y + 1, grid.Height(), down)},
                            day, column, row});
    }
  return plan;
}

bool MarksToday(const CalendarPage& page, const CalendarCell& cell, const CivilTime& today) {
  return (page.flags.ringToday || page.flags.underlineToday) && today.year == page.month.year &&
         today.month == page.month.month && today.day == cell.day;
}

LayoutRect TodayRing(const LayoutRect& cell, const DisplayScale& scale) {
  const int across = scale.Px(kRingInsetAcross), down = scale.Px(kRingInsetDown);
  return {cell.left + across, cell.top + down, cell.right - across, cell.bottom - down};
}

LayoutLine TodayLine(const LayoutRect& cell, int numberWidth, const DisplayScale& scale) {
  const int length = static_cast<int>(std::lround(numberWidth * kLineSpread));
  const int side = (cell.Width() - length) / 2;
  const int shift = scale.Px(kLineShift);
  return {cell.left + side + shift, cell.right - side + shift, cell.bottom + shift};
}

void FitCalendar(StickerLayout& layout, const CalendarSize& size, bool notepad) {
  const DisplayScale& scale = layout.scale;
  const int maxRight = scale.Px(kMaxContentRight), maxBottom = scale.Px(kMaxContentBottom);
  const int extra = notepad ? scale.Px(kNotepadExtraWidth) : 0;
  layout.content.right = std::min(layout.content.left + size.width + extra, maxRight);
  layout.content.bottom = std::min(layout.content.top + size.height, maxBottom);
  layout.title.right = std::min(layout.title.left + size.width, maxRight);  // title-bar styles frame this
  layout.title.bottom = std::min(layout.title.top + size.height, maxBottom);
}
