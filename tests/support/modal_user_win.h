#pragma once
// A user at a modal dialog of the test's own program: the test's thread waits
// inside the dialog while another thread presses its keys and buttons.
// Header only.

#include <windows.h>

#include <thread>

#include "support/wait_win.h"

// Runs `act` on another thread once the dialog shows, as a user would press a
// key only then. A dialog that `act` leaves open is closed, so that a failed
// test ends instead of waiting for ever.
class WhenShown {
 public:
  template <typename Act>
  WhenShown(HWND dialog, Act act)
      : thread_([dialog, act] {
          Eventually([&] { return IsWindowVisible(dialog); });
          act();
          if (!Eventually([&] { return !IsWindowVisible(dialog); })) PostMessageW(dialog, WM_CLOSE, 0, 0);
        }) {}
  ~WhenShown() { thread_.join(); }
  WhenShown(const WhenShown&) = delete;
  WhenShown& operator=(const WhenShown&) = delete;

 private:
  std::thread thread_;
};

// A key pressed in the control that has the focus.
inline void Press(HWND dialog, WPARAM key) {
  HWND focus = FocusIn(dialog);
  PostMessageW(focus ? focus : dialog, WM_KEYDOWN, key, 0);
}

// A click on a button, check box or radio button of the dialog.
inline void ClickButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }
