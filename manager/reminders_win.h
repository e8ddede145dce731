#pragma once
// The scheduler's reminders on screen, each in a window of its own: several
// can show at once, none gives way to another or to a question of the
// program, and each stays until the user closes it. The windows are owned
// here; a closed one is freed once its handlers have returned.

#include <memory>
#include <string>
#include <vector>

#include "manager/reminder_form_win.h"
#include "win/window_base_win.h"

class Reminders final : public WindowBase {
 public:
  explicit Reminders(TextSource& texts) : texts_(texts) {}

  // The hidden window that hears of closed reminders.
  [[nodiscard]] bool Create();
  // A new window with the text, in the first free place of the cascade; true
  // once it is on screen.
  bool Show(const std::wstring& text);
  // The reminders on screen, oldest first.
  std::vector<HWND> OpenWindows() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Shown {
    std::unique_ptr<TReminderForm> form;
    int place;
  };
  POINT TopLeftOf(int place, SIZE size) const;
  void OnClosed(TReminderForm* form);
  void ReleaseClosed();

  TextSource& texts_;
  std::vector<Shown> open_;
  std::vector<std::unique_ptr<TReminderForm>> closed_;  // gone, waiting to be freed
};
