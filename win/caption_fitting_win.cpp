#include "win/caption_fitting_win.h"

#include "pixels/picture_scale.h"
#include "win/dialog_base_win.h"
#include "win/handles_win.h"
#include "win/kit_class_win.h"
#include "win/no_throw.h"
#include "win/window_base_win.h"

namespace {

constexpr wchar_t kButtonClass[] = L"BUTTON";
constexpr int kBoxAndGap = 24;  // the check mark or radio circle and the space after it, at 100 %
constexpr int kBorders = 4;     // border widths around the text, each way

WNDPROC ButtonProcedure() {
  static const WNDPROC procedure = [] {
    WNDCLASSEXW button{sizeof(button)};
    GetClassInfoExW(nullptr, kButtonClass, &button);
    return button.lpfnWndProc;
  }();
  return procedure;
}

SIZE TextExtent(HWND control, const std::wstring& text) {
  const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
  ScopedGetDC screen(nullptr);
  ScopedSelectObject selected(screen.Get(), font ? font : GetStockObject(SYSTEM_FONT));
  SIZE extent{};
  GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  return extent;
}

void FitCaption(HWND control, const std::wstring& text) {
  const SIZE extent = TextExtent(control, text);
  const int boxAndGap = ScaleToDpi(kBoxAndGap, DialogDpiOf(control));
  SetWindowPos(control, nullptr, 0, 0, extent.cx + kBorders * GetSystemMetrics(SM_CXBORDER) + boxAndGap,
               extent.cy + kBorders * GetSystemMetrics(SM_CYBORDER), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK CaptionFittingProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return NoThrow<LRESULT>(0, [&] {
    if (message == WM_SETTEXT) {
      const wchar_t* text = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      if (text != WindowText(control)) FitCaption(control, text);
    }
    const LRESULT result = CallWindowProcW(ButtonProcedure(), control, message, wParam, lParam);
    // A new font (the dialog's, at a new scale) measures the caption anew.
    if (message == WM_SETFONT) FitCaption(control, WindowText(control));
    return result;
  });
}

// The system's button under another name, with our procedure in front of its own.
void RegisterButtonSuperclass(const wchar_t* name) {
  WNDCLASSEXW wc{sizeof(wc)};
  if (!GetClassInfoExW(nullptr, kButtonClass, &wc)) return;
  wc.lpfnWndProc = &CaptionFittingProcedure;
  wc.lpszClassName = name;
  wc.style &= ~CS_GLOBALCLASS;
  RegisterClassOnce(wc);
}

}  // namespace

void RegisterCaptionFittingClasses() {
  RegisterButtonSuperclass(kCheckBoxClass);
  RegisterButtonSuperclass(kRadioButtonClass);
}
