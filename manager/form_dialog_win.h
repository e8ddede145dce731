#pragma once
// TFormDialog: the program's own question, message and name prompt, one
// window for the whole run. Confirm asks and waits; Message shows a text above
// all windows and returns at once; Input asks for one line of text.

#include <array>
#include <string>

#include "win/dialog_base_win.h"

class TFormDialog final : public DialogBase {
 public:
  explicit TFormDialog(TextSource& texts);

  [[nodiscard]] bool Create();
  // True when Ok was pressed.
  bool Confirm(const std::wstring& caption, const std::wstring& text);
  void Message(const std::wstring& caption, const std::wstring& text);
  // The edit starts with `text` and, on Ok, leaves its content there.
  bool Input(const std::wstring& caption, const std::wstring& prompt, std::wstring& text);

  // Control ids; Enter and Esc are Ok and Cancel.
  static constexpr int kLText = 100, kEText = 101, kBOK = IDOK, kBNO = IDCANCEL;

 private:
  void BOKClick() { EndDialog(1); }
  void BNOClick() { EndDialog(0); }
  void Prepare(const std::wstring& caption, const std::wstring& text, bool input);

  static const std::array<ControlRow, 4> kControls;
};
