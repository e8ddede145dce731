#pragma once
// TReminderForm: one reminder of the scheduler on screen. It stays above all
// windows and enabled while any other dialog of the program waits, and goes
// only when the user closes it (Ok, Enter, Esc or the close box), so that a
// reminder is never lost to whatever else the program was asking.

#include <functional>
#include <span>
#include <string>

#include "win/dialog_base_win.h"

class TReminderForm final : public DialogBase {
 public:
  // `onClosed` runs once the window is gone, and again when its last handler
  // has returned: the owner frees the object only when it is not Busy().
  TReminderForm(TextSource& texts, std::function<void(TReminderForm*)> onClosed);

  [[nodiscard]] bool Create();
  // Shows the text with the window's top left corner at `topLeft`, activated
  // so that the keyboard reaches it; true once it is on screen.
  bool Show(const std::wstring& text, POINT topLeft);
  // The window's size for the text, in screen pixels.
  SIZE SizeFor(const std::wstring& text) const;

  static constexpr int kTextLabel = 100, kOkButton = IDOK;

 private:
  void BOKClick() { Close(); }
  void OnCancel() override { Close(); }
  void OnDpiChanged() override;
  void Close();
  void OnDestroyed() override { onClosed_(this); }
  void OnHandlersReturned() override { onClosed_(this); }
  // Lays the text and the button out in the dialog font, so that they fit
  // whatever the font's size at the display's scale.
  void Layout(const std::wstring& text) const;

  std::function<void(TReminderForm*)> onClosed_;
  static std::span<const ControlRow> Controls();
};
