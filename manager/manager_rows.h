#pragma once
// What the manager's two lists show, row by row: the stickers (in slot order
// or sorted by name) and the used task slots, with the flags that decide a
// row's colours, pictures and the commands it allows.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pixels/colour.h"
#include "sticker/calendar_notation.h"
#include "store/tmassiv.h"

struct StickerRow {
  std::int32_t id;
  bool shown;
  bool floating;
  Colour colour;
  std::optional<CalendarMonth> calendar;  // set when the body text is a calendar
  std::string_view text;                  // the body text, in the store's ANSI bytes
  std::string_view caption;               // the caption, ANSI bytes too
};

// The used sticker slots in slot order.
std::vector<StickerRow> StickerRows(const Tmassiv& store, const CivilTime& today);

// The sort key of a row whose name starts with `start` (the first ten
// characters of the text): ties of the start go by the decimal text of the
// id, so id 12 comes before id 9.
std::wstring StickerSortKey(std::wstring_view start, std::int32_t id);
inline constexpr std::size_t kSortKeyLength = 10;
// Orders the rows by name, stably. Calendars come first, in the order of the
// months they show (year, then month), as dates go before words in a sorted
// list; the other rows follow by their keys made from `starts` (one per row,
// ignored for calendars) with the given comparison (the system's
// case-insensitive one in the program). Calendars of one month go by id as
// above.
void SortStickerRows(std::vector<StickerRow>& rows, const std::vector<std::wstring>& starts,
                     const std::function<bool(const std::wstring&, const std::wstring&)>& less);

struct TaskRow {
  int slot;
  std::wstring time;
  bool active;
  bool due;       // active and due
  bool upcoming;  // "c": later today, or hourly
  std::string_view name;  // ANSI bytes
  std::int32_t stickerId;
  bool stickerGone;  // a sticker action whose sticker was deleted: it does nothing
};

struct TaskTimeWords {
  std::wstring_view everyDay;   // "Daily at"
  std::wstring_view everyHour;  // "Hourly"
};

// "a" active, "f" active and due, then "b" (passed, or a later day) or "c"
// (later today, or hourly), then the action number.
std::string TaskFlags(const TaskRecord& task, DateTime now);
// "dd.mm.yyyy, hh:nn:ss" once, "<daily> hh:nn:ss" daily, "<hourly> (hh:00:00)"
// of the next full hour hourly; nothing for a kind the scheduler ignores.
std::wstring TaskTimeText(const TaskRecord& task, DateTime now, const TaskTimeWords& words);
// The used task slots in slot order, all read against one `now`.
std::vector<TaskRow> TaskRows(const Tmassiv& store, DateTime now, const TaskTimeWords& words);
