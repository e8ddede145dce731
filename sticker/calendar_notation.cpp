#include "sticker/calendar_notation.h"

#include <cctype>
#include <charconv>

namespace {

constexpr CalendarMonth kFallbackMonth{1899, 12};
constexpr int kLastYear = 9999;

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsSeparator(char c) { return c == '.' || c == ',' || c == '\\' || c == '/' || c == '-'; }

// A whole decimal number, blanks around it allowed; nothing else.
bool ReadNumber(std::string_view text, int& value) {
  text = Trimmed(text);
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool IsCalendar(std::string_view text) {
  text = Trimmed(text);
  return !text.empty() && text.front() == '[' && text.find(']') != std::string_view::npos &&
         text.find('/') != std::string_view::npos;
}

CalendarFlags CalendarFlagsOf(std::string_view text) {
  CalendarFlags flags;
  for (const char c : text) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
      case 'n': flags.currentMonth = true; break;
      case 'w': flags.weekDays = true; break;
      case 'm': flags.title = true; break;
      case 'c': flags.ringToday = true; break;
      case 'u': flags.underlineToday = true; break;
      case 'v': flags.vertical = true; break;
      default: break;
    }
  }
  return flags;
}

CalendarMonth CalendarMonthOf(std::string_view text, const CivilTime& today) {
  if (CalendarFlagsOf(text).currentMonth) return {today.year, today.month};
  text = Trimmed(text);
  const std::size_t open = text.find('['), slash = text.find('/', open + 1);
  if (open == std::string_view::npos || slash == std::string_view::npos) return kFallbackMonth;
  const std::string_view written = text.substr(open + 1, slash - open - 1);
  std::size_t separator = 0;
  while (separator < written.size() && !IsSeparator(written[separator])) ++separator;
  int month = 0, year = 0;
  if (separator == written.size() || !ReadNumber(written.substr(0, separator), month) ||
      !ReadNumber(written.substr(separator + 1), year))
    return kFallbackMonth;
  if (month < 1 || month > 12 || year < 1 || year > kLastYear) return kFallbackMonth;
  return {year, month};
}
