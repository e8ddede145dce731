#pragma once
// The base of every window of the program: registers the class once, binds
// the object to its window at WM_NCCREATE and routes messages to it. No
// exception leaves a window procedure.

#include <windows.h>

// Registers the class (wc.lpszClassName) for this module unless it is there
// already; the module's instance is filled in.
void RegisterClassOnce(WNDCLASSEXW wc);

struct WindowCreateArgs {
  const wchar_t* className = nullptr;
  const wchar_t* title = L"";
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  HWND parent = nullptr;
  HBRUSH background = nullptr;  // of the class, when this creates it
};

class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase();

  HWND Handle() const { return window_; }
  // True while one of the window's handlers runs (a modal loop inside a
  // handler can dispatch further messages): the object must not be freed then.
  bool Busy() const { return activeHandlers_ > 0; }

 protected:
  [[nodiscard]] bool CreateWindowFor(const WindowCreateArgs& args);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called once the window is gone; the object stays.
  virtual void OnDestroyed() {}
  // Called when the last running handler of a window that is gone returns.
  virtual void OnHandlersReturned() {}

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  int activeHandlers_ = 0;
};
