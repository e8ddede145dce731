#include "win/display_dpi_win.h"

#include "win/handles_win.h"

namespace {

// Not in every SDK's headers for older targets; the values are fixed.
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

using GetDpiForSystemCall = UINT(WINAPI*)();
using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
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
  return screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : kDefaultDpi;
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
  return call ? DisplayScale(static_cast<int>(call(window))) : SystemScale();
}

int SmallIconSize(const DisplayScale& scale) {
  static const auto call = User32Call<GetSystemMetricsForDpiCall>("GetSystemMetricsForDpi");
  return call ? call(SM_CXSMICON, static_cast<UINT>(scale.Dpi())) : GetSystemMetrics(SM_CXSMICON);
}

LOGFONTW MenuFontAt(const DisplayScale& scale) {
  static const auto call = User32Call<SystemParametersInfoForDpiCall>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (!call || !call(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(scale.Dpi())))
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  return metrics.lfMenuFont;
}
