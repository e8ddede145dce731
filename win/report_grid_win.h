#pragma once
// A grid made of a report-mode list view that holds no data of its own: the
// form keeps the rows, tells the grid how many there are, answers the texts
// screen readers ask for and draws each row itself. Keyboard, selection and
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

  ReportGrid(HWND list, int rowHeight, int columns, PaintRow paint, CellText text);

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
  // The grid's notifications (drawing, texts); nothing for others.
  std::optional<LRESULT> OnNotify(const NMHDR& header) const;

 private:
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;

  HWND list_;  // not owned: a control of the form
  int columns_;
  UniqueImageList heightSetter_;  // an empty picture list only sets the height of the rows
  PaintRow paint_;
  CellText text_;
};
