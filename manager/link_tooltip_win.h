#pragma once
// A standard tooltip that its owner window shows and hides itself (a tracking
// tooltip), for hints that depend on where the pointer is in the window.

#include <windows.h>

#include <string>

#include "win/handles_win.h"

class LinkTooltip {
 public:
  // Creates the hidden tooltip; false when the system gives none.
  [[nodiscard]] bool Create(HWND owner);
  // Shows the text with the tooltip's top left corner at a screen point.
  void Show(const std::wstring& text, POINT screen);
  void Hide();

 private:
  UniqueWindow tooltip_;
  HWND owner_ = nullptr;  // not owned
};
