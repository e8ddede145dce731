#pragma once
// A grid made of a report-mode list view that holds no data of its own: the
// form keeps the rows, tells the grid how many there are, answers the texts
// screen readers ask for and draws each row itself (the list is owner-drawn,
// LVS_OWNERDATA | LVS_OWNERDRAWFIXED). Keyboard, selection and
// the header behave as in any Windows list.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "win/handles_win.h"

class ReportGrid {
 public:
  struct RowPaint {
    HDC dc;
    int row;
    std::span<const RECT> cells;  // one per column, in the list's client pixels
    bool selected;
  };
  using PaintRow = std::function<void(const RowPaint&)>;
  // The text of a cell, for screen readers and the list's own search.
  using CellText = std::function<std::wstring(int row, int column)>;

  // The list's rows are as high as its parent answers WM_MEASUREITEM.
  ReportGrid(HWND list, int columns, PaintRow paint, CellText text);

  void SetHeader(std::span<const std::wstring> texts) const;
  void SetColumnWidths(std::span<const int> widths) const;
  // Sets the number of rows and repaints; a selection beyond the rows goes.
  void SetRowCount(int rows) const;
  int RowCount() const;
  // Whether the rows are more than the grid shows at once, so that it has or
  // is about to get a vertical scroll bar.
  bool Overflows() const;
  int Selected() const;  // -1 when no row is selected
  void Select(int row) const;
  HWND Handle() const { return list_; }
  // The texts screen readers ask for; nothing for other notifications.
  std::optional<LRESULT> OnNotify(const NMHDR& header) const;
  // The drawing of this grid's rows; false for other controls.
  bool OnDrawItem(const DRAWITEMSTRUCT& item) const;

 private:
  HWND list_;  // not owned: a control of the form
  int columns_;
  PaintRow paint_;
  CellText text_;
};
