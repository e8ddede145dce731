#pragma once
// TFormDialog: the program's own question and name prompt, one window for the
// whole run. Confirm asks and waits; Input asks for one line of text. The
// scheduler's reminders have windows of their own (TReminderForm), so that a
// question never hides or replaces one.

#include <span>
#include <string>

#include "win/dialog_base_win.h"

class TFormDialog final : public DialogBase {
 public:
  // The buttons show the texts at `okText` and `cancelText`.
  TFormDialog(TextSource& texts, int okText, int cancelText);

  [[nodiscard]] bool Create();
  // True when Ok was pressed.
  bool Confirm(const std::wstring& caption, const std::wstring& text);
  // The edit starts with `text` and, on Ok, leaves its content there.
  bool Input(const std::wstring& caption, const std::wstring& prompt, std::wstring& text);

  // Control ids; Enter and Esc are Ok and Cancel.
  static constexpr int kTextLabel = 100, kTextEdit = 101, kOkButton = IDOK, kCancelButton = IDCANCEL;

 private:
  void BOKClick() { EndDialog(1); }
  void BNOClick() { EndDialog(0); }
  void Prepare(const std::wstring& caption, const std::wstring& text, bool input);
  // The text where its kind stands: a question centred in its box, a prompt
  // above the edit; measured in the dialog's font at its scale.
  void PlaceText();
  void Relabel() override;
  void OnDpiChanged() override { PlaceText(); }

  int okText_, cancelText_;
  bool input_ = false;  // the text shown is a prompt

  static std::span<const ControlRow> Controls();
};
