#pragma once
// What each of the kit's own dialog controls (task panel, control page,
// caption-fitting check box and radio button, colour box) is built on: its
// class, its state, its painting and its notices to the parent.

#include <windows.h>

#include <memory>
#include <string>

#include "win/no_throw.h"

struct KitClassArgs {
  const wchar_t* name;
  WNDPROC procedure;
  int extraBytes = 0;  // KitState<...>::kExtraBytes for a control with state
  UINT style = 0;
  HBRUSH background = nullptr;
};
// A kit class with the arrow cursor, registered once.
void RegisterKitClass(const KitClassArgs& args);

// The state of one kit control lives behind a pointer in its window's first
// extra bytes: made at WM_NCCREATE, freed at WM_NCDESTROY. A state names its
// class in kClassName.
template <typename State>
class KitState {
 public:
  static constexpr int kExtraBytes = sizeof(State*);

  // The state of `window`, or null when it is not a control of this class.
  static State* Of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return lstrcmpiW(name, State::kClassName) == 0 ? Stored(window) : nullptr;
  }

  // The procedure of the class: `Handle` sees every message once the state
  // exists; no exception leaves it.
  template <LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return NoThrow<LRESULT>(0, [&]() -> LRESULT {
      if (message == WM_NCCREATE) Attach(window);
      if (message == WM_NCDESTROY) {
        Detach(window);
        return DefWindowProcW(window, message, wParam, lParam);
      }
      State* state = Stored(window);
      return state ? Handle(window, *state, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
    });
  }

 private:
  static State* Stored(HWND window) { return reinterpret_cast<State*>(GetWindowLongPtrW(window, 0)); }
  static void Attach(HWND window) {
    SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(std::make_unique<State>().release()));
  }
  static void Detach(HWND window) {
    const std::unique_ptr<State> freed(Stored(window));
    SetWindowLongPtrW(window, 0, 0);
  }
};

// BeginPaint and EndPaint around a window's painting.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~ScopedPaint() { EndPaint(window_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;  // not owned
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// WM_PAINT and WM_PRINTCLIENT both draw through `paint(dc)`.
template <typename Paint>
LRESULT PaintFor(HWND window, UINT message, WPARAM wParam, Paint paint) {
  if (message == WM_PRINTCLIENT) {
    paint(reinterpret_cast<HDC>(wParam));
  } else {
    ScopedPaint scope(window);
    paint(scope.Get());
  }
  return 0;
}

// Fills the rectangle with one colour, without making a brush.
void FillSolid(HDC dc, const RECT& r, COLORREF colour);

// Tells the parent that the control changed: WM_COMMAND with the control's id
// and `code`, lParam the control.
void NotifyParent(HWND control, WORD code);

std::wstring WindowText(HWND window);
