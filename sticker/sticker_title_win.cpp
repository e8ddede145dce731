#include "sticker/sticker_title_win.h"

#include "sticker/calendar_title.h"
#include "store/local_time_win.h"
#include "store/text_utils.h"
#include "win/text_convert_win.h"

std::wstring StickerTitle(const StickerRecord& record, const TMUI& texts, std::size_t length) {
  const std::string_view text = GetStickerText(record);
  if (IsCalendar(text)) return CalendarTitle(CalendarMonthOf(text, DecodeDateTime(LocalNow())), texts);
  return TextPreview(WideFromAnsi(text), length);
}
