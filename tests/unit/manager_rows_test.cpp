#include <gtest/gtest.h>

#include <cwctype>
#include <memory>

#include "manager/manager_rows.h"
#include "support/sticker_samples.h"

namespace {

constexpr TaskTimeWords kWords{L"Daily at", L"Hourly"};

DateTime At(int year, int month, int day, int hour, int minute, int second = 0) {
  return EncodeDateTime({year, month, day, hour, minute, second});
}

TaskRecord Task(std::uint8_t kind, DateTime when, bool active = true, bool due = false) {
  TaskRecord task = NewTask(when);
  task.kind = kind;
  task.active = active ? 1 : 0;
  task.due = due ? 1 : 0;
  task.action = kTaskMessageBalloon;
  return task;
}

// Now is 14:20 on 8 December 2026.
const DateTime kNow = At(2026, 12, 8, 14, 20);

TEST(TaskRows, FlagsTellActiveDueAndWhetherTheMomentIsStillAheadToday) {
  struct Case {
    TaskRecord task;
    const char* flags;
  };
  const Case cases[] = {
      {Task(kTaskOnce, At(2026, 12, 8, 18, 0)), "ac5"},           // later today
      {Task(kTaskOnce, At(2026, 12, 8, 9, 0)), "ab5"},            // passed
      {Task(kTaskOnce, At(2026, 12, 9, 9, 0)), "ab5"},            // a later day
      {Task(kTaskDaily, At(2001, 1, 1, 20, 0)), "ac5"},           // only the time of day counts
      {Task(kTaskDaily, At(2031, 1, 1, 8, 0)), "ab5"},
      {Task(kTaskHourly, 0, true, true), "afc5"},
      {Task(kTaskOnce, At(2026, 12, 8, 18, 0), false, true), "c5"},  // blocked: never due
  };
  for (const Case& c : cases) EXPECT_EQ(TaskFlags(c.task, kNow), c.flags);
}

TEST(TaskRows, TimeTextsOfOnceDailyAndHourlyTasks) {
  EXPECT_EQ(TaskTimeText(Task(kTaskOnce, At(2027, 3, 5, 7, 4, 9)), kNow, kWords), L"05.03.2027, 07:04:09");
  EXPECT_EQ(TaskTimeText(Task(kTaskDaily, At(2001, 1, 1, 8, 30)), kNow, kWords), L"Daily at 08:30:00");
  EXPECT_EQ(TaskTimeText(Task(kTaskHourly, 0), kNow, kWords), L"Hourly (15:00:00)");
  EXPECT_EQ(TaskTimeText(Task(kTaskHourly, 0), At(2026, 12, 8, 23, 59), kWords), L"Hourly (00:00:00)");
  EXPECT_EQ(TaskTimeText(Task(3, kNow), kNow, kWords), L"");
}

TEST(TaskRows, RowsAreTheUsedSlotsInSlotOrder) {
  auto store = std::make_unique<Tmassiv>();
  store->WriteTask(4, Task(kTaskHourly, 0, true, true));
  store->WriteTask(1, Task(kTaskOnce, At(2026, 12, 8, 9, 0), false));
  const auto rows = TaskRows(*store, kNow, kWords);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].slot, 1);
  EXPECT_FALSE(rows[0].active);
  EXPECT_EQ(rows[1].slot, 4);
  EXPECT_TRUE(rows[1].due);
  EXPECT_TRUE(rows[1].upcoming);
}

// Only a sticker action can lose its sticker; the message tasks need none.
TEST(TaskRows, ATaskWhoseStickerWasDeletedIsMarked) {
  auto store = std::make_unique<Tmassiv>();
  store->AddRecord(MakeSticker(3));
  const struct {
    std::uint8_t action;
    std::int32_t sticker;
    bool gone;
  } cases[] = {{kTaskShowSticker, 3, false}, {kTaskHideSticker, 4, true}, {kTaskStickerBalloon, 4, true},
               {kTaskDeleteSticker, kNoTaskSticker, true}, {kTaskMessageWindow, kNoTaskSticker, false}};
  for (int slot = 0; slot < static_cast<int>(std::size(cases)); ++slot) {
    TaskRecord task = Task(kTaskOnce, kNow);
    task.action = cases[slot].action;
    task.sticker_id = cases[slot].sticker;
    store->WriteTask(slot, task);
  }
  const auto rows = TaskRows(*store, kNow, kWords);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].stickerGone, cases[i].gone) << i;
}

bool IgnoringCase(const std::wstring& a, const std::wstring& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](wchar_t x, wchar_t y) { return std::towlower(x) < std::towlower(y); });
}

// What the manager sorts by: the text of every row (a calendar's is unused).
std::vector<std::wstring> Starts(const std::vector<StickerRow>& rows) {
  std::vector<std::wstring> starts;
  for (const StickerRow& row : rows) starts.emplace_back(row.text.begin(), row.text.end());
  return starts;
}

std::vector<std::int32_t> Ids(const std::vector<StickerRow>& rows) {
  std::vector<std::int32_t> ids;
  for (const StickerRow& row : rows) ids.push_back(row.id);
  return ids;
}

TEST(StickerRows, SortingIgnoresCaseAndTiesGoByTheIdsDecimalText) {
  auto store = std::make_unique<Tmassiv>();
  for (auto [id, text] : {std::pair{9, "Shopping list 1"}, {12, "shopping list 2"}, {5, "apples"}, {7, "[3.2025/m]"}}) {
    StickerRecord r = MakeSticker(id);
    SetStickerText(r, text);
    store->AddRecord(r);
  }
  auto rows = StickerRows(*store, {2026, 12, 8});
  ASSERT_EQ(rows.size(), 4u);
  ASSERT_TRUE(rows[3].calendar.has_value());
  EXPECT_EQ(rows[3].calendar->month, 3);
  EXPECT_TRUE(rows[3].shown);
  EXPECT_FALSE(rows[3].floating);
  EXPECT_EQ(StickerSortKey(L"Shopping list 1", 9), L"Shopping l||9");  // ten characters of the text
  SortStickerRows(rows, Starts(rows), IgnoringCase);
  EXPECT_EQ(Ids(rows), (std::vector<std::int32_t>{7, 5, 12, 9}));  // the calendar first
}

// Calendars go by the month they show, whatever its name; the same month
// twice goes by the ids' decimal text. A long month name is no reason to
// lose the year.
TEST(StickerRows, CalendarsAreSortedByYearThenMonthBeforeTheNotes) {
  auto store = std::make_unique<Tmassiv>();
  const std::pair<std::int32_t, const char*> stickers[] = {
      {1, "[9.2026/m]"}, {6, "apples"}, {2, "[3.2025/]"}, {3, "[12.2025/wm]"}, {4, "[9.2025/]"},
      {5, "[n/]"},       {10, "[09-2025/c]"}, {7, "[8.2026/]"}};
  for (auto [id, text] : stickers) {
    StickerRecord r = MakeSticker(id);
    SetStickerText(r, text);
    store->AddRecord(r);
  }
  auto rows = StickerRows(*store, {2026, 12, 8});
  SortStickerRows(rows, Starts(rows), IgnoringCase);
  EXPECT_EQ(Ids(rows), (std::vector<std::int32_t>{2, 10, 4, 3, 7, 1, 5, 6}));
}

TEST(CalendarNotation, TheMonthOfACalendarTextOrTheFallbackMonth) {
  const CivilTime today{2026, 12, 8};
  struct Case {
    const char* text;
    bool calendar;
    int year, month;
  };
  const Case cases[] = {
      {"[5.2009/]", true, 2009, 5},     {"  [05-2009/wmc]", true, 2009, 5}, {"[3,2025/]", true, 2025, 3},
      {"[3\\2025/]", true, 2025, 3},    {"[13.2009/]", true, 1899, 12},    {"[5.0/]", true, 1899, 12},
      {"[x.2009/]", true, 1899, 12},    {"[5.2009/N]", true, 2026, 12},    {"[5.2009]", false, 0, 0},
      {"note [5.2009/]", false, 0, 0},  {"", false, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsCalendar(c.text), c.calendar) << c.text;
    if (!c.calendar) continue;
    const CalendarMonth month = CalendarMonthOf(c.text, today);
    EXPECT_EQ(month.year, c.year) << c.text;
    EXPECT_EQ(month.month, c.month) << c.text;
  }
}

}  // namespace
