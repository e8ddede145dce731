#include "win/tab_pages_win.h"

#include <commctrl.h>

void TabPages::Create() const {
  HWND tabs = form_.Control(tabControl_);
  SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    TCITEMW item{TCIF_TEXT};
    item.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(tabs, TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&item));
  }
  Relabel();
}

void TabPages::Relabel() const {
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    TCITEMW item{TCIF_TEXT};
    item.pszText = const_cast<wchar_t*>(form_.Texts().TextAt(texts_[page]).c_str());
    SendMessageW(form_.Control(tabControl_), TCM_SETITEMW, page, reinterpret_cast<LPARAM>(&item));
  }
}

void TabPages::Show(int page) const {
  if (page < 0 || page >= static_cast<int>(pages_.size())) page = 0;
  SendMessageW(form_.Control(tabControl_), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  for (std::size_t i = 0; i < pages_.size(); ++i)
    ShowWindow(form_.Control(pages_[i]), static_cast<int>(i) == page ? SW_SHOW : SW_HIDE);
}

int TabPages::Current() const { return static_cast<int>(SendMessageW(form_.Control(tabControl_), TCM_GETCURSEL, 0, 0)); }

bool TabPages::OnNotify(const NMHDR& header) const {
  if (header.idFrom != static_cast<UINT_PTR>(tabControl_) || header.code != TCN_SELCHANGE) return false;
  Show(Current());
  return true;
}

bool TabPages::OnKey(const MSG& message) const {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
  if (GetAncestor(message.hwnd, GA_ROOT) != form_.Handle()) return false;
  const int count = static_cast<int>(pages_.size());
  const int step = (GetKeyState(VK_SHIFT) & 0x8000) ? count - 1 : 1;
  Show((Current() + step) % count);
  return true;
}
