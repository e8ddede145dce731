#include "win/layered_window_win.h"

void UpdateLayeredPicture(HWND window, const DibPicture32& premultiplied, int alpha) {
  const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
  if (!(style & WS_EX_LAYERED)) SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
  DibDrawingContext source(premultiplied.Bitmap());
  SIZE size{premultiplied.Width(), premultiplied.Height()};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
  // The size given sizes the window too: no move of its own is needed.
  UpdateLayeredWindow(window, nullptr, nullptr, &size, source.Get(), &origin, 0, &blend, ULW_ALPHA);
}
