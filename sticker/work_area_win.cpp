#include "sticker/work_area_win.h"

#include <windows.h>

namespace {
ScreenRect RectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

ScreenRect CurrentWorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return RectOf(r);
}

// Never empty: without an answer from the system the primary work area stands
// for the whole screen.
std::vector<Monitor> CurrentMonitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM list) -> BOOL {
        MONITORINFO info{sizeof(info)};
        if (GetMonitorInfoW(monitor, &info))
          reinterpret_cast<std::vector<Monitor>*>(list)->push_back({RectOf(info.rcMonitor), RectOf(info.rcWork)});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) monitors.push_back({CurrentWorkArea(), CurrentWorkArea()});
  return monitors;
}
