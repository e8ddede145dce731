#include "sticker/sticker_title_win.h"

#include "sticker/calendar_title.h"
#include "store/local_time_win.h"
#include "store/text_utils.h"
#include "win/text_convert_win.h"

namespace {
// The start of a long first line, as much as a shortcut's name proposes.
constexpr std::size_t kWindowTitleLength = 64;
}  // namespace

std::wstring StickerTitle(const StickerRecord& record, const TMUI& texts, std::size_t length, const CivilTime& today) {
  const std::string_view text = GetStickerText(record);
  if (IsCalendar(text)) return CalendarTitle(CalendarMonthOf(text, today), texts);
  return TextPreview(WideFromAnsi(text), length);
}

std::wstring StickerTitle(const StickerRecord& record, const TMUI& texts, std::size_t length) {
  return StickerTitle(record, texts, length, DecodeDateTime(LocalNow()));
}

std::wstring StickerWindowTitle(const StickerRecord& record, const TMUI& texts, const CivilTime& today) {
  const std::string_view caption = record.caption.line_text.View();
  if (caption.find_first_not_of(" \t") != std::string_view::npos) return WideFromAnsi(caption);
  return StickerTitle(record, texts, kWindowTitleLength, today);
}
