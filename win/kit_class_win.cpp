#include "win/kit_class_win.h"

#include "win/window_base_win.h"

void RegisterKitClass(const KitClassArgs& args) {
  WNDCLASSEXW wc{sizeof(wc)};
  wc.style = args.style;
  wc.lpfnWndProc = args.procedure;
  wc.cbWndExtra = args.extraBytes;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = args.background;
  wc.lpszClassName = args.name;
  RegisterClassOnce(wc);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  const COLORREF previous = SetDCBrushColor(dc, colour);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, previous);
}

void NotifyParent(HWND control, WORD code) {
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}
