#include "manager/manager_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <utility>

namespace {

constexpr double kHoursPerDay = 24.0;

std::wstring TwoDigits(int value) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%02d", value);
  return text;
}

std::wstring ClockText(const CivilTime& t) {
  return TwoDigits(t.hour) + L':' + TwoDigits(t.minute) + L':' + TwoDigits(t.second);
}

// The time of day of a value, also for a value before 1899.
double TimeOfDay(DateTime value) { return std::fabs(value - std::trunc(value)); }

}  // namespace

std::vector<StickerRow> StickerRows(const Tmassiv& store, const CivilTime& today) {
  std::vector<StickerRow> rows;
  rows.reserve(static_cast<std::size_t>(store.CountStickers()));
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    const StickerRecord& r = store.Sticker(slot);
    if (!r.in_use) continue;
    const std::string_view text(r.text, std::min<std::size_t>(r.text_length, kStickerTextCapacity));
    std::optional<CalendarMonth> calendar;
    if (IsCalendar(text)) calendar = CalendarMonthOf(text, today);
    rows.push_back({r.id, r.visible != 0, r.floating != 0, r.color, calendar, text, r.caption.line_text.View()});
  }
  return rows;
}

std::wstring StickerSortKey(std::wstring_view start, std::int32_t id) {
  return std::wstring(start.substr(0, kSortKeyLength)) + L"||" + std::to_wstring(id);
}

void SortStickerRows(std::vector<StickerRow>& rows, const std::vector<std::wstring>& starts,
                     const std::function<bool(const std::wstring&, const std::wstring&)>& less) {
  std::vector<std::wstring> keys;
  keys.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) keys.push_back(StickerSortKey(rows[i].calendar ? L"" : starts[i], rows[i].id));
  const auto before = [&](std::size_t a, std::size_t b) {
    const std::optional<CalendarMonth>&x = rows[a].calendar, &y = rows[b].calendar;
    if (x.has_value() != y.has_value()) return x.has_value();
    if (x && (x->year != y->year || x->month != y->month))
      return std::pair(x->year, x->month) < std::pair(y->year, y->month);
    return less(keys[a], keys[b]);
  };
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), before);
  std::vector<StickerRow> sorted;
  sorted.reserve(rows.size());
  for (const std::size_t i : order) sorted.push_back(rows[i]);
  rows = std::move(sorted);
}

std::string TaskFlags(const TaskRecord& task, DateTime now) {
  std::string flags;
  if (task.active) flags += 'a';
  if (task.active && task.due) flags += 'f';
  const double today = std::trunc(now);
  bool upcoming = true;
  if (task.kind != kTaskHourly) {
    const DateTime moment = task.kind == kTaskDaily ? today + TimeOfDay(task.date_time) : task.date_time;
    upcoming = !(moment < now) && moment < today + 1;
  }
  flags += upcoming ? 'c' : 'b';
  flags += std::to_string(task.action);
  return flags;
}

std::wstring TaskTimeText(const TaskRecord& task, DateTime now, const TaskTimeWords& words) {
  switch (task.kind) {
    case kTaskOnce: {
      const CivilTime t = DecodeDateTime(task.date_time);
      return TwoDigits(t.day) + L'.' + TwoDigits(t.month) + L'.' + std::to_wstring(t.year) + L", " + ClockText(t);
    }
    case kTaskDaily:
      return std::wstring(words.everyDay) + L' ' + ClockText(DecodeDateTime(TimeOfDay(task.date_time)));
    case kTaskHourly: {
      CivilTime next{};
      next.hour = (DecodeDateTime(now).hour + 1) % static_cast<int>(kHoursPerDay);
      return std::wstring(words.everyHour) + L" (" + ClockText(next) + L')';
    }
    default:
      return {};
  }
}

std::vector<TaskRow> TaskRows(const Tmassiv& store, DateTime now, const TaskTimeWords& words) {
  std::vector<TaskRow> rows;
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    const TaskRecord& task = store.Task(slot);
    if (!task.in_use) continue;
    const std::string flags = TaskFlags(task, now);
    const bool due = flags.find('f') != std::string::npos;
    const bool upcoming = flags.find('c') != std::string::npos;
    const bool stickerGone = task.action <= kTaskStickerBalloon && store.FindSticker(task.sticker_id) < 0;
    rows.push_back({slot, TaskTimeText(task, now, words), task.active != 0, due, upcoming, task.name.View(),
                    task.sticker_id, stickerGone});
  }
  return rows;
}
