#include "win/report_grid_win.h"

#include <algorithm>

ReportGrid::ReportGrid(HWND list, int columns, PaintRow paint, CellText text)
    : list_(list),
      columns_(columns),
      paint_(std::move(paint)),
      text_(std::move(text)) {
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (int column = 0; column < columns_; ++column) {
    LVCOLUMNW c{LVCF_WIDTH | LVCF_TEXT};
    c.cx = 10;
    c.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
  }
}

void ReportGrid::SetHeader(std::span<const std::wstring> texts) const {
  for (int column = 0; column < columns_ && column < static_cast<int>(texts.size()); ++column) {
    LVCOLUMNW c{LVCF_TEXT};
    c.pszText = const_cast<wchar_t*>(texts[static_cast<std::size_t>(column)].c_str());
    SendMessageW(list_, LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
  }
}

void ReportGrid::SetColumnWidths(std::span<const int> widths) const {
  for (int column = 0; column < columns_ && column < static_cast<int>(widths.size()); ++column) {
    const int width = widths[static_cast<std::size_t>(column)];
    if (SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0) != width)
      SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
  }
}

void ReportGrid::SetRowCount(int rows) const {
  const int selected = Selected();
  SendMessageW(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOSCROLL);
  if (selected >= rows) Select(-1);
  InvalidateRect(list_, nullptr, FALSE);
}

int ReportGrid::RowCount() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

// A list whose rows just fill it already takes a scroll bar.
bool ReportGrid::Overflows() const { return RowCount() >= SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0); }

int ReportGrid::Selected() const {
  return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// Row -1 clears the selection.
void ReportGrid::Select(int row) const {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (row < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

std::optional<LRESULT> ReportGrid::OnNotify(const NMHDR& header) const {
  if (header.hwndFrom != list_ || header.code != LVN_GETDISPINFOW) return std::nullopt;
  auto& info = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header));
  if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0) {
    const std::wstring text = text_(info.item.iItem, info.item.iSubItem);
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(info.item.cchTextMax - 1));
    std::copy_n(text.c_str(), n, info.item.pszText);
    info.item.pszText[n] = L'\0';
  }
  return 0;
}

// Each row is drawn whole by the form, in the cells the list places.
bool ReportGrid::OnDrawItem(const DRAWITEMSTRUCT& item) const {
  if (item.hwndItem != list_) return false;
  const int row = static_cast<int>(item.itemID);
  std::vector<RECT> cells(static_cast<std::size_t>(columns_), item.rcItem);
  for (int column = 1; column < columns_; ++column) {
    RECT& cell = cells[static_cast<std::size_t>(column)];
    cell = {LVIR_BOUNDS, column};
    SendMessageW(list_, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  }
  if (columns_ > 1) cells[0].right = cells[1].left;
  paint_({item.hDC, row, cells, (item.itemState & ODS_SELECTED) != 0});
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}
