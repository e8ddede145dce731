#include "win/window_base_win.h"

#include "win/no_throw.h"

namespace {

WNDCLASSEXW WindowClass(const wchar_t* className, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW wc{sizeof(wc)};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  wc.hbrBackground = background;
  return wc;
}

}  // namespace

void RegisterClassOnce(WNDCLASSEXW wc) {
  wc.cbSize = sizeof(wc);
  wc.hInstance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{sizeof(existing)};
  if (!GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) RegisterClassExW(&wc);
}

WindowBase::~WindowBase() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool WindowBase::CreateWindowFor(const WindowCreateArgs& a) {
  RegisterClassOnce(WindowClass(a.className, &WindowBase::Procedure, a.background));
  return CreateWindowExW(a.exStyle, a.className, a.title, a.style, a.x, a.y, a.width, a.height, a.parent, nullptr,
                         GetModuleHandleW(nullptr), this) != nullptr;
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  ++self->activeHandlers_;
  const LRESULT result = NoThrow<LRESULT>(0, [&] { return self->HandleMessage(message, wParam, lParam); });
  --self->activeHandlers_;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->OnDestroyed();
  } else if (!self->window_ && self->activeHandlers_ == 0) {
    self->OnHandlersReturned();
  }
  return result;
}
