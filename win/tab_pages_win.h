#pragma once
// A tab control and its pages (one container control per tab): the tabs are
// made and named from the text table, one page shows at a time, and
// Ctrl+Tab / Ctrl+Shift+Tab go through them as in any tabbed dialog.

#include <windows.h>

#include <span>

#include "win/dialog_base_win.h"

class TabPages {
 public:
  // `pages` and `texts` (positions in the text table) have one entry per tab.
  TabPages(const DialogBase& form, int tabControl, std::span<const int> pages, std::span<const int> texts)
      : form_(form), tabControl_(tabControl), pages_(pages), texts_(texts) {}

  // Makes the tabs; the tab control goes below its pages.
  void Create() const;
  void Relabel() const;
  void Show(int page) const;
  int Current() const;
  // The tab control's change of tab; true when it was one.
  bool OnNotify(const NMHDR& header) const;
  // Ctrl+Tab within the form; true when it was one.
  bool OnKey(const MSG& message) const;

 private:
  const DialogBase& form_;
  int tabControl_;
  std::span<const int> pages_;
  std::span<const int> texts_;
};
