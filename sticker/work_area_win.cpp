#include "sticker/work_area_win.h"

#include <windows.h>

WorkArea CurrentWorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}
