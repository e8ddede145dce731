#include "win/display_dpi_win.h"

#include "win/handles_win.h"

namespace {

// Not in every SDK's headers for older targets; the values are fixed.
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

using GetDpiForSystemCall = UINT(WINAPI*)();
using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiCall = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiCall = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// user32 stays loaded for the program's life; shcore is loaded once and kept.
template <typename Call>
Call User32Call(const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

GetDpiForMonitorCall MonitorDpiCall() {
  static const HMODULE shcore = LoadLibraryW(L"shcore.dll");
  static const auto call = shcore ? reinterpret_cast<GetDpiForMonitorCall>(
                                        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                                  : nullptr;
  return call;
}

int ScreenDpi() {
  const ScopedGetDC screen(nullptr);
  const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : kDefaultDpi;
}

// The system's metrics made for that scale; a system without the call makes
// them for its own scale, and its fonts are grown to the one asked for.
NONCLIENTMETRICSW NonClientMetricsAt(const DisplayScale& scale) {
  static const auto call = User32Call<SystemParametersInfoForDpiCall>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (call && call(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(scale.Dpi())))
    return metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const int systemDpi = ScreenDpi();
  for (LOGFONTW* font : {&metrics.lfMenuFont, &metrics.lfMessageFont})
    font->lfHeight = MulDiv(font->lfHeight, scale.Dpi(), systemDpi);
  return metrics;
}

}  // namespace

DisplayScale SystemScale() {
  static const auto call = User32Call<GetDpiForSystemCall>("GetDpiForSystem");
  return DisplayScale(call ? static_cast<int>(call()) : ScreenDpi());
}

DisplayScale MonitorScaleAt(POINT at) {
  const auto call = MonitorDpiCall();
  UINT x = 0, y = 0;
  if (call && call(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y) == S_OK)
    return DisplayScale(static_cast<int>(x));
  return SystemScale();
}

DisplayScale WindowScale(HWND window) {
  static const auto call = User32Call<GetDpiForWindowCall>("GetDpiForWindow");
  const int dpi = call && window ? static_cast<int>(call(window)) : 0;
  return dpi > 0 ? DisplayScale(dpi) : SystemScale();
}

int SmallIconSize(const DisplayScale& scale) {
  static const auto call = User32Call<GetSystemMetricsForDpiCall>("GetSystemMetricsForDpi");
  return call ? call(SM_CXSMICON, static_cast<UINT>(scale.Dpi())) : GetSystemMetrics(SM_CXSMICON);
}

LOGFONTW MenuFontAt(const DisplayScale& scale) { return NonClientMetricsAt(scale).lfMenuFont; }

LOGFONTW MessageFontAt(const DisplayScale& scale) { return NonClientMetricsAt(scale).lfMessageFont; }

SIZE FrameSizeAt(SIZE client, DWORD style, DWORD exStyle, bool menu, const DisplayScale& scale) {
  static const auto call = User32Call<AdjustWindowRectExForDpiCall>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  if (!call || !call(&frame, style, menu, exStyle, static_cast<UINT>(scale.Dpi())))
    AdjustWindowRectEx(&frame, style, menu, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}
