#pragma once
// A calendar sticker's month drawn with GDI: measured in the sticker's body
// font (names a point smaller, the title a point larger, bold and italic) and
// drawn in the text colour of the device context it is given, so that the
// same call draws the colour picture and, in white, the mask.

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "lang/tmui.h"
#include "sticker/calendar_layout.h"
#include "store/sticker_record.h"
#include "win/handles_win.h"

class CalendarPainter {
 public:
  // `body` is the body font made for `scale`; the painter's own fonts are too.
  CalendarPainter(const StickerRecord& record, HFONT body, std::string_view text, const TMUI& texts,
                  const CivilTime& today, const DisplayScale& scale);

  CalendarSize Size() const { return SizeOfCalendar(page_, metrics_); }
  // Draws the month with its top-left corner at (left, top).
  void Draw(HDC dc, int left, int top) const;

 private:
  void Measure();

  CalendarPage page_;
  CivilTime today_;
  HFONT body_;  // not owned
  UniqueFont small_, title_;
  std::array<std::wstring, 7> weekDays_;
  std::wstring titleText_;
  CalendarMetrics metrics_{};
};
