#include "win/control_page_win.h"

#include "win/kit_class_win.h"
#include "win/no_throw.h"

namespace {

LRESULT CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return NoThrow<LRESULT>(0, [&]() -> LRESULT {
    if (message == WM_NCCREATE) MakeContainer(page);
    if (const auto forwarded = ForwardToParent(page, message, wParam, lParam)) return *forwarded;
    return DefWindowProcW(page, message, wParam, lParam);
  });
}

}  // namespace

void RegisterControlPageClass() {
  RegisterKitClass({.name = kControlPageClass,
                    .procedure = &PageProcedure,
                    .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
}

void MakeContainer(HWND container) {
  SetWindowLongPtrW(container, GWL_EXSTYLE, GetWindowLongPtrW(container, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  SetWindowLongPtrW(container, GWL_STYLE, GetWindowLongPtrW(container, GWL_STYLE) | WS_CLIPCHILDREN);
}

std::optional<LRESULT> ForwardToParent(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return SendMessageW(GetParent(container), message, wParam, lParam);
    default:
      return std::nullopt;
  }
}
