#include "support/dialog_fit_win.h"

#include <string>

#include "win/caption_fitting_win.h"
#include "win/handles_win.h"

namespace {

std::wstring Describe(HWND control, const RECT& r, const wchar_t* fault) {
  wchar_t name[64] = {}, text[128] = {};
  GetClassNameW(control, name, 64);
  GetWindowTextW(control, text, 128);
  return std::wstring(name) + L" \"" + text + L"\" at (" + std::to_wstring(r.left) + L", " + std::to_wstring(r.top) +
         L", " + std::to_wstring(r.right) + L", " + std::to_wstring(r.bottom) + L") " + fault;
}

bool Shows(HWND control) { return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0; }

bool HasClass(HWND control, const wchar_t* wanted) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return lstrcmpiW(name, wanted) == 0;
}

// An etched line runs from edge to edge; the system makes it a little longer
// than asked, and the dialog's edge cuts it.
bool IsRule(HWND control) {
  const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
  return HasClass(control, L"Static") && (type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT);
}

// Buttons and labels show their own text; the box of a check box or radio
// button takes its share of the width.
bool TextFits(HWND control) {
  const bool label = HasClass(control, L"Static");
  const bool button =
      HasClass(control, L"Button") || HasClass(control, kCheckBoxClass) || HasClass(control, kRadioButtonClass);
  if (!label && !button) return true;
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  // A picture button's text is its hint, not shown on it.
  if (button && ((style & (BS_BITMAP | BS_ICON)) || (style & BS_TYPEMASK) == BS_OWNERDRAW)) return true;
  if (label && (style & SS_TYPEMASK) > SS_RIGHT) return true;  // a picture or a frame
  const int length = GetWindowTextLengthW(control);
  if (length == 0) return true;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  RECT client{};
  GetClientRect(control, &client);
  const ScopedGetDC dc(control);
  const ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  const UINT type = static_cast<UINT>(style & BS_TYPEMASK);
  const bool boxed = !label && type >= BS_CHECKBOX && type != BS_GROUPBOX && type != BS_USERBUTTON &&
                     type <= BS_AUTORADIOBUTTON;
  const int box = boxed ? GetSystemMetrics(SM_CXMENUCHECK) : 0;
  const bool wraps = label ? !(style & SS_LEFTNOWORDWRAP) : (style & BS_MULTILINE) != 0;
  RECT needed{0, 0, client.right - box, 0};
  DrawTextW(dc.Get(), text.c_str(), length, &needed, DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
  if (type == BS_GROUPBOX && !label) return needed.right <= client.right;
  return needed.right <= client.right - box && needed.bottom <= client.bottom;
}

}  // namespace

// The frame is measured at the present scale: the system's own frame does not
// change under a message sent by hand.
void MoveToDpi(HWND dialog, int from, int to) {
  RECT window{}, client{};
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &client);
  RECT suggested{0, 0, MulDiv(client.right, to, from), MulDiv(client.bottom, to, from)};
  AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), GetMenu(dialog) != nullptr,
                     static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
  OffsetRect(&suggested, window.left - suggested.left, window.top - suggested.top);
  SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

RECT RectIn(HWND dialog, HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::vector<std::wstring> ControlsThatDoNotFit(HWND dialog) {
  struct Walk {
    HWND dialog;
    RECT client;
    std::vector<std::wstring> faults;
  } walk{dialog, {}, {}};
  GetClientRect(dialog, &walk.client);
  EnumChildWindows(
      dialog,
      [](HWND control, LPARAM context) -> BOOL {
        auto& w = *reinterpret_cast<Walk*>(context);
        if (!Shows(control) || IsRule(control)) return TRUE;
        const RECT r = RectIn(w.dialog, control);
        if (r.left < 0 || r.top < 0 || r.right > w.client.right || r.bottom > w.client.bottom)
          w.faults.push_back(Describe(control, r, L"lies outside the dialog"));
        else if (!TextFits(control))
          w.faults.push_back(Describe(control, r, L"is too small for its text"));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.faults;
}
