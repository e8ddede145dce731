#include "win/layered_window_win.h"

void UpdateLayeredPicture(HWND window, const DibPicture32& premultiplied, int alpha) {
  const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
  if (!(style & WS_EX_LAYERED)) SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
  RECT r{};
  GetWindowRect(window, &r);
  if (r.right - r.left != premultiplied.Width() || r.bottom - r.top != premultiplied.Height())
    SetWindowPos(window, nullptr, 0, 0, premultiplied.Width(), premultiplied.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  DibDrawingContext source(premultiplied.Bitmap());
  SIZE size{premultiplied.Width(), premultiplied.Height()};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
  UpdateLayeredWindow(window, nullptr, nullptr, &size, source.Get(), &origin, 0, &blend, ULW_ALPHA);
}
