#include "win/form_dialog_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "win/handles_win.h"

namespace {

constexpr int kClientWidth = 313, kClientHeight = 113;
// Where the text stands: a question fills its box, centred both
// ways; a prompt is one line above the edit.
constexpr RECT kQuestionBox{8, 8, 8 + 297, 8 + 57};
constexpr int kPromptLeft = 13, kPromptTop = 16, kPromptWidth = 281;
constexpr int kEditTop = 40, kEditHeight = 23;


// The height the text takes at this width in the control's font.
int TextHeight(HWND control, const std::wstring& text, int width) {
  const ScopedGetDC dc(control);
  const ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT r{0, 0, width, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return r.bottom;
}

}  // namespace

std::span<const ControlRow> TFormDialog::Controls() {
  static constexpr auto kControls = std::to_array<ControlRow>({
      {L"LText", TFormDialog::kTextLabel, WC_STATICW, 8, 8, 297, 57, SS_CENTER | SS_NOPREFIX, kNoText, nullptr},
      {L"E_text", TFormDialog::kTextEdit, WC_EDITW, kPromptLeft, kEditTop, 287, kEditHeight,
       WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kNoText, nullptr},
      {L"BOK", TFormDialog::kOkButton, WC_BUTTONW, 150, 80, 75, 25, BS_DEFPUSHBUTTON | WS_TABSTOP,
       kNoText, &Handler<&TFormDialog::BOKClick>},
      {L"BNO", TFormDialog::kCancelButton, WC_BUTTONW, 231, 80, 75, 25, BS_PUSHBUTTON | WS_TABSTOP,
       kNoText, &Handler<&TFormDialog::BNOClick>},
  });
  return kControls;
}

TFormDialog::TFormDialog(TextSource& texts, int okText, int cancelText)
    : DialogBase(texts, Controls()), okText_(okText), cancelText_(cancelText) {}

void TFormDialog::Relabel() {
  DialogBase::Relabel();
  SetControlText(kOkButton, Texts().TextAt(okText_));
  SetControlText(kCancelButton, Texts().TextAt(cancelText_));
}

bool TFormDialog::Create() {
  return DialogBase::Create({.className = L"TFormDialog", .clientWidth = kClientWidth, .clientHeight = kClientHeight});
}

void TFormDialog::Prepare(const std::wstring& caption, const std::wstring& text, bool input) {
  SetWindowTextW(Handle(), caption.c_str());
  SetControlText(kTextLabel, text);
  input_ = input;
  PlaceText();
  ShowControl(kTextEdit, input);
  FocusOnShow(input ? kTextEdit : kOkButton);
}

void TFormDialog::PlaceText() {
  HWND label = Control(kTextLabel);
  const std::wstring text = ControlText(kTextLabel);
  const LONG style = GetWindowLongW(label, GWL_STYLE) & ~static_cast<LONG>(SS_CENTER);
  if (input_) {
    const int height = std::max(Scaled(13), TextHeight(label, text, Scaled(kPromptWidth)));
    SetWindowLongW(label, GWL_STYLE, style);
    MoveWindow(label, Scaled(kPromptLeft), Scaled(kPromptTop), Scaled(kPromptWidth),
               std::min(height, Scaled(kEditTop - kPromptTop)), TRUE);
  } else {
    const int left = Scaled(kQuestionBox.left), top = Scaled(kQuestionBox.top);
    const int boxWidth = Scaled(kQuestionBox.right) - left, boxHeight = Scaled(kQuestionBox.bottom) - top;
    const int height = std::min(boxHeight, TextHeight(label, text, boxWidth));
    SetWindowLongW(label, GWL_STYLE, style | SS_CENTER);
    MoveWindow(label, left, top + (boxHeight - height) / 2, boxWidth, height, TRUE);
  }
}

bool TFormDialog::Confirm(const std::wstring& caption, const std::wstring& text) {
  if (IsModal()) return false;
  Prepare(caption, text, false);
  return ShowModal() == 1;
}

bool TFormDialog::Input(const std::wstring& caption, const std::wstring& prompt, std::wstring& text) {
  if (IsModal()) return false;
  Prepare(caption, prompt, true);
  SetControlText(kTextEdit, text);
  SendMessageW(Control(kTextEdit), EM_SETSEL, 0, -1);
  if (ShowModal() != 1) return false;
  text = ControlText(kTextEdit);
  return true;
}
