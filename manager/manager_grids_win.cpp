// The manager's two grids: what each row shows, in which colours, and how
// the columns share the grid's width.

#include <windows.h>

#include <algorithm>
#include <span>

#include "lang/text_id.h"
#include "manager/manager_form_win.h"
#include "sticker/calendar_title.h"
#include "store/local_time_win.h"
#include "win/kit_class_win.h"
#include "win/text_convert_win.h"

namespace {

struct RowColours {
  COLORREF text, back;
};
constexpr RowColours kShown{0x006633, 0xE0FFE0}, kHidden{0x660000, 0xFFE0E0}, kDue{0x0000CC, 0xE0E0FF};
constexpr int kCalendarGlyph = 26, kDueGlyph = 13, kInactiveGlyph = 2, kEarlierGlyph = 4, kUpcomingGlyph = 5;
constexpr int kColourColumnWidth = 24, kStatusColumnWidth = 20, kIdColumnWidth = 2, kNumberPadding = 16;
constexpr int kTimeColumnPadding = 12;
constexpr wchar_t kNumberHeader[] = L"\u2116";  // the numero sign
// Where a row's swatch, pictures and texts stand in their cells.
constexpr int kSwatchInsetX = 3, kSwatchInsetY = 2, kCellInset = 2, kTextBesidePicture = 20;
// Drawn digits can come out a little wider than measured: the time keeps
// clear of the grid's edge by more than its 2 pixels.
constexpr int kTimeRightMargin = 6;
constexpr UINT kEllipsis = DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;

void FillRow(HDC dc, std::span<const RECT> cells, COLORREF colour) {
  FillSolid(dc, {cells.front().left, cells.front().top, cells.back().right, cells.front().bottom}, colour);
}

RowColours Selected(RowColours colours, bool selected) {
  return selected ? RowColours{GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)} : colours;
}

void DrawCellText(HDC dc, RECT cell, int left, const std::wstring& text, UINT flags) {
  cell.left += left;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell, flags);
}

void DrawRowNumber(HDC dc, const RECT& cell, int row) {
  DrawCellText(dc, cell, 0, std::to_wstring(row + 1), DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// The widest of the texts in the window's font.
int TextWidth(HWND window, std::span<const std::wstring> texts) {
  const ScopedGetDC dc(window);
  const ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const std::wstring& text : texts) {
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  return widest;
}

// A task whose sticker was deleted says so after its name.
std::wstring TaskName(const TaskRow& row, const TextSource& texts) {
  std::wstring name = WideFromAnsi(row.name);
  if (row.stickerGone) name += L' ' + texts.TextAt(TextIndex(L"Manager", L"sticker_gone"));
  return name;
}

bool SystemLess(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) == CSTR_LESS_THAN;
}

}  // namespace

// The text on one line: its line breaks shown as blanks.
std::wstring TFormManager::StickerName(const StickerRow& row) const {
  if (row.calendar) return CalendarTitle(*row.calendar, *a_.texts);
  std::wstring name = WideFromAnsi(row.text);
  std::replace_if(name.begin(), name.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
  return name;
}

void TFormManager::SortStickers() {
  std::vector<std::wstring> starts;
  starts.reserve(stickerRows_.size());
  for (const StickerRow& row : stickerRows_)
    starts.push_back(WideFromAnsi(row.text.substr(0, 4 * kSortKeyLength)).substr(0, kSortKeyLength));
  SortStickerRows(stickerRows_, starts, SystemLess);
}

// The selection stays on the same sticker when it is still listed.
void TFormManager::RefillStickers() {
  const auto selected = SelectedSticker();
  stickerRows_ = StickerRows(*a_.store, DecodeDateTime(LocalNow()));
  FilterStickerRows();
  if (SortByName()) SortStickers();
  stickerGrid_->SetRowCount(static_cast<int>(stickerRows_.size()));
  if (selected) {
    const auto found = std::find_if(stickerRows_.begin(), stickerRows_.end(),
                                    [&](const StickerRow& row) { return row.id == *selected; });
    if (found != stickerRows_.end()) stickerGrid_->Select(static_cast<int>(found - stickerRows_.begin()));
  }
  FitColumns(*stickerGrid_, Scaled(kColourColumnWidth), Scaled(kIdColumnWidth));
  UpdateStickerStates();
}

void TFormManager::RefillTasks() {
  const std::wstring everyDay = Texts().TextAt(TextIndex(L"Plan", L"grid_everyday"));
  const std::wstring everyHour = Texts().TextAt(TextIndex(L"Plan", L"grid_everyhour"));
  taskRows_ = TaskRows(*a_.store, LocalNow(), {everyDay, everyHour});
  taskGrid_->SetRowCount(static_cast<int>(taskRows_.size()));
  std::vector<std::wstring> times{Texts().TextAt(TextIndex(L"Plan", L"grid_time"))};
  for (const TaskRow& row : taskRows_) times.push_back(row.time);
  FitColumns(*taskGrid_, Scaled(kStatusColumnWidth), TextWidth(taskGrid_->Handle(), times) + Scaled(kTimeColumnPadding));
  UpdateTaskStates();
}

// Column 0 fits the largest row number, the name column takes what is left.
// The room of a scroll bar is kept free once the rows outgrow the grid, even
// before the grid shows the bar.
void TFormManager::FitColumns(const ReportGrid& grid, int pictureColumn, int lastColumn) const {
  RECT client{};
  GetClientRect(grid.Handle(), &client);
  if (grid.Overflows() && !(GetWindowLongW(grid.Handle(), GWL_STYLE) & WS_VSCROLL))
    client.right -= GetSystemMetrics(SM_CXVSCROLL);
  const std::wstring count[] = {std::to_wstring(grid.RowCount() + 1), kNumberHeader};  // the header fits too
  const int number = TextWidth(grid.Handle(), count) + Scaled(kNumberPadding);
  const int name = std::max(0, static_cast<int>(client.right) - number - pictureColumn - lastColumn);
  const int widths[] = {number, pictureColumn, name, lastColumn};
  grid.SetColumnWidths(widths);
}

void TFormManager::SetGridHeaders() const {
  const std::wstring stickers[] = {kNumberHeader, L"", Texts().TextAt(TextIndex(L"Tray", L"mSticks")), L""};
  stickerGrid_->SetHeader(stickers);
  const std::wstring tasks[] = {kNumberHeader, L"", Texts().TextAt(TextIndex(L"Plan", L"grid_name")),
                                Texts().TextAt(TextIndex(L"Plan", L"grid_time"))};
  taskGrid_->SetHeader(tasks);
}

void TFormManager::PaintStickerRow(const ReportGrid::RowPaint& p) const {
  if (p.row < 0 || p.row >= static_cast<int>(stickerRows_.size())) return;
  const StickerRow& row = stickerRows_[static_cast<std::size_t>(p.row)];
  const RowColours colours = Selected(row.shown ? kShown : kHidden, p.selected);
  FillRow(p.dc, p.cells, colours.back);
  SetBkMode(p.dc, TRANSPARENT);
  SetTextColor(p.dc, colours.text);
  DrawRowNumber(p.dc, p.cells[0], p.row);
  const RECT& swatch = p.cells[1];
  {
    const UniqueBrush fill(CreateSolidBrush(row.colour));
    const ScopedSelectObject brush(p.dc, fill.Get());
    const UniquePen outline(CreatePen(row.floating ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0)));
    const ScopedSelectObject pen(p.dc, outline.Get());
    SetBkMode(p.dc, OPAQUE);
    SetBkColor(p.dc, colours.back);
    const int insetX = Scaled(kSwatchInsetX), insetY = Scaled(kSwatchInsetY);
    Rectangle(p.dc, swatch.left + insetX, swatch.top + insetY, swatch.right - insetX, swatch.bottom - insetY);
    SetBkMode(p.dc, TRANSPARENT);
  }
  const int inset = Scaled(kCellInset);
  int textLeft = inset;
  if (row.calendar) {
    ImageList_Draw(a_.menuGlyphs->List(Dpi()), kCalendarGlyph, p.dc, p.cells[2].left + inset, p.cells[2].top, ILD_TRANSPARENT);
    textLeft = Scaled(kTextBesidePicture);
  }
  DrawCellText(p.dc, p.cells[2], textLeft, StickerName(row), kEllipsis);
}

void TFormManager::PaintTaskRow(const ReportGrid::RowPaint& p) const {
  if (p.row < 0 || p.row >= static_cast<int>(taskRows_.size())) return;
  const TaskRow& row = taskRows_[static_cast<std::size_t>(p.row)];
  const RowColours colours = Selected(row.due ? kDue : row.active ? kShown : kHidden, p.selected);
  FillRow(p.dc, p.cells, colours.back);
  SetBkMode(p.dc, TRANSPARENT);
  SetTextColor(p.dc, colours.text);
  DrawRowNumber(p.dc, p.cells[0], p.row);
  const int status = !row.active ? kInactiveGlyph : row.upcoming ? kUpcomingGlyph : kEarlierGlyph;
  const int inset = Scaled(kCellInset);
  ImageList_Draw(a_.menuGlyphs->List(Dpi()), status, p.dc, p.cells[1].left + inset, p.cells[1].top + inset, ILD_TRANSPARENT);
  int textLeft = inset;
  if (row.due) {
    ImageList_Draw(a_.menuGlyphs->List(Dpi()), kDueGlyph, p.dc, p.cells[2].left + inset, p.cells[2].top + inset, ILD_TRANSPARENT);
    textLeft = Scaled(kTextBesidePicture);
  }
  DrawCellText(p.dc, p.cells[2], textLeft, TaskName(row, Texts()), kEllipsis);
  RECT time = p.cells[3];
  time.right -= Scaled(kTimeRightMargin);
  DrawCellText(p.dc, time, 0, row.time, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
}

std::wstring TFormManager::StickerCellText(int row, int column) const {
  if (row < 0 || row >= static_cast<int>(stickerRows_.size())) return {};
  if (column == 0) return std::to_wstring(row + 1);
  return column == 2 ? StickerName(stickerRows_[static_cast<std::size_t>(row)]) : std::wstring();
}

std::wstring TFormManager::TaskCellText(int row, int column) const {
  if (row < 0 || row >= static_cast<int>(taskRows_.size())) return {};
  const TaskRow& task = taskRows_[static_cast<std::size_t>(row)];
  switch (column) {
    case 0:
      return std::to_wstring(row + 1);
    case 2:
      return TaskName(task, Texts());
    case 3:
      return task.time;
    default:
      return {};
  }
}
