#include "win/window_dpi_win.h"

#include "pixels/picture_scale.h"
#include "win/handles_win.h"

namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiCall = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// user32 stays loaded for the program's life, so what it hands out stays valid.
template <typename Call>
Call User32Call(const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int SystemDpi() {
  const ScopedGetDC screen(nullptr);
  const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kDefaultDpi;
}

int WindowDpi(HWND window) {
  static const auto call = User32Call<GetDpiForWindowCall>("GetDpiForWindow");
  const int dpi = call && window ? static_cast<int>(call(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

SIZE FrameSizeAtDpi(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi) {
  static const auto call = User32Call<AdjustWindowRectExForDpiCall>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  if (!call || !call(&frame, style, menu, exStyle, static_cast<UINT>(dpi))) AdjustWindowRectEx(&frame, style, menu, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

LOGFONTW MessageFontAtDpi(int dpi) {
  static const auto call = User32Call<SystemParametersInfoForDpiCall>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (call && call(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi)))
    return metrics.lfMessageFont;
  // The system's metrics are made for its own scale.
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
  return metrics.lfMessageFont;
}
