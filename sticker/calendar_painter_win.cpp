#include "sticker/calendar_painter_win.h"

#include <algorithm>

#include "lang/text_id.h"
#include "sticker/calendar_title.h"
#include "sticker/sticker_font_win.h"

namespace {

constexpr std::array<TextId, 7> kWeekDayNames{
    TextId(L"Setting", L"wd1"), TextId(L"Setting", L"wd2"), TextId(L"Setting", L"wd3"), TextId(L"Setting", L"wd4"),
    TextId(L"Setting", L"wd5"), TextId(L"Setting", L"wd6"), TextId(L"Setting", L"wd7")};
constexpr wchar_t kNumberSample[] = L"28", kLineSample[] = L"Wt";
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;

SIZE Extent(HDC dc, HFONT font, std::wstring_view text) {
  const ScopedSelectObject selection(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

RECT Shifted(const LayoutRect& r, int x, int y) { return {r.left + x, r.top + y, r.right + x, r.bottom + y}; }

void DrawCentred(HDC dc, HFONT font, const std::wstring& text, RECT r) {
  const ScopedSelectObject selection(dc, font);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, kCentred);
}

}  // namespace

CalendarPainter::CalendarPainter(const StickerRecord& record, HFONT body, std::string_view text, const TMUI& texts,
                                 const CivilTime& today, const DisplayScale& scale)
    : page_(CalendarPageOf(text, today)),
      today_(today),
      body_(body),
      small_(MakeStickerFont(record.body.font_name, std::max(1, record.body.font_size - 1),
                             (record.font_style & 1) != 0, (record.font_style & 2) != 0, scale)),
      title_(MakeStickerFont(record.body.font_name, record.body.font_size + 1, true, true, scale)),
      titleText_(CalendarTitle(page_.month, texts)) {
  for (std::size_t d = 0; d < weekDays_.size(); ++d) weekDays_[d] = texts.Text(kWeekDayNames[d]);
  metrics_.scale = scale;
  Measure();
}

void CalendarPainter::Measure() {
  const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const SIZE number = Extent(dc.Get(), body_, kNumberSample);
  metrics_.numberWidth = number.cx;
  metrics_.numberHeight = number.cy;
  metrics_.lineHeight = Extent(dc.Get(), body_, kLineSample).cy;
  std::wstring joined;
  for (const std::wstring& name : weekDays_) {
    joined += name;
    const SIZE small = Extent(dc.Get(), small_.Get(), name);
    metrics_.widestWeekDay = std::max(metrics_.widestWeekDay, static_cast<int>(small.cx));
    metrics_.weekDayHeight = std::max(metrics_.weekDayHeight, static_cast<int>(small.cy));
  }
  metrics_.weekDaysWidth = Extent(dc.Get(), body_, joined).cx;
  const SIZE title = Extent(dc.Get(), title_.Get(), titleText_);
  metrics_.titleWidth = title.cx;
  metrics_.titleHeight = title.cy;
}

void CalendarPainter::Draw(HDC dc, int left, int top) const {
  const CalendarSize size = Size();
  const CalendarPlan plan = PlanCalendar(page_, metrics_, {0, 0, size.width, size.height});
  if (page_.flags.title) DrawCentred(dc, title_.Get(), titleText_, Shifted(plan.title, left, top));
  for (std::size_t d = 0; d < plan.weekDayBoxes.size(); ++d)
    DrawCentred(dc, small_.Get(), weekDays_[d], Shifted(plan.weekDayBoxes[d], left, top));
  const UniquePen pen(CreatePen(PS_SOLID, metrics_.scale.Px(1), GetTextColor(dc)));
  const ScopedSelectObject penSelection(dc, pen.Get());
  const ScopedSelectObject brushSelection(dc, GetStockObject(NULL_BRUSH));
  for (const CalendarCell& cell : plan.cells) {
    DrawCentred(dc, body_, std::to_wstring(cell.day), Shifted(cell.rect, left, top));
    if (!MarksToday(page_, cell, today_)) continue;
    if (page_.flags.underlineToday) {
      const LayoutLine line = TodayLine(cell.rect, metrics_.numberWidth, metrics_.scale);
      MoveToEx(dc, line.x1 + left, line.y + top, nullptr);
      LineTo(dc, line.x2 + left, line.y + top);
    } else {
      const LayoutRect ring = TodayRing(cell.rect, metrics_.scale);
      Rectangle(dc, ring.left + left, ring.top + top, ring.right + left, ring.bottom + top);
    }
  }
}
