#include "sticker/calendar_title.h"

#include <array>

#include "lang/text_id.h"

namespace {
constexpr std::array<TextId, 12> kMonthNames{
    TextId(L"Setting", L"m1"), TextId(L"Setting", L"m2"),  TextId(L"Setting", L"m3"),  TextId(L"Setting", L"m4"),
    TextId(L"Setting", L"m5"), TextId(L"Setting", L"m6"),  TextId(L"Setting", L"m7"),  TextId(L"Setting", L"m8"),
    TextId(L"Setting", L"m9"), TextId(L"Setting", L"m10"), TextId(L"Setting", L"m11"), TextId(L"Setting", L"m12")};
}  // namespace

std::wstring CalendarTitle(const CalendarMonth& month, const TMUI& texts) {
  return texts.Text(kMonthNames[static_cast<std::size_t>(month.month - 1)]) + L' ' + std::to_wstring(month.year);
}
