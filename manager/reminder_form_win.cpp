#include "manager/reminder_form_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "lang/text_id.h"
#include "win/handles_win.h"

namespace {

// The layout in dialog units (a quarter of the font's average character
// width across, an eighth of its height down), as the system's own boxes are
// laid out, so that it grows with the font at any display scale.
constexpr int kMargin = 7;
constexpr int kTextWidth = 236, kLeastTextHeight = 32;
constexpr int kButtonWidth = 50, kButtonHeight = 14, kButtonGap = 7;
constexpr DWORD kTextFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;

struct FontUnits {
  int charWidth, lineHeight;
  int X(int units) const { return MulDiv(units, charWidth, 4); }
  int Y(int units) const { return MulDiv(units, lineHeight, 8); }
};

struct ReminderLayout {
  RECT text, button;
  SIZE client;
};

// The text in the middle of its box, the button centred below it; a text
// taller than the screen is cut rather than pushing the button out of reach.
ReminderLayout LayoutFor(HWND label, const std::wstring& text) {
  const ScopedGetDC dc(label);
  const ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  const FontUnits u{std::max<int>(1, metrics.tmAveCharWidth), std::max<int>(1, metrics.tmHeight)};
  RECT measured{0, 0, u.X(kTextWidth), 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &measured, kTextFormat | DT_CALCRECT);
  const int boxHeight = std::max(u.Y(kLeastTextHeight), static_cast<int>(measured.bottom));
  const int mostText = GetSystemMetrics(SM_CYSCREEN) / 2;
  const int textHeight = std::min<int>(measured.bottom, mostText);
  const int boxTop = u.Y(kMargin), boxShown = std::min(boxHeight, mostText);
  ReminderLayout layout{};
  layout.client.cx = u.X(kMargin) * 2 + u.X(kTextWidth);
  layout.text = {u.X(kMargin), boxTop + (boxShown - textHeight) / 2, u.X(kMargin) + u.X(kTextWidth), 0};
  layout.text.bottom = layout.text.top + textHeight;
  const int buttonTop = boxTop + boxShown + u.Y(kButtonGap);
  const int buttonLeft = (layout.client.cx - u.X(kButtonWidth)) / 2;
  layout.button = {buttonLeft, buttonTop, buttonLeft + u.X(kButtonWidth), buttonTop + u.Y(kButtonHeight)};
  layout.client.cy = layout.button.bottom + u.Y(kMargin);
  return layout;
}

void Place(HWND control, const RECT& r) { MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE); }

}  // namespace

std::span<const ControlRow> TReminderForm::Controls() {
  static constexpr auto kControls = std::to_array<ControlRow>({
      {L"LText", TReminderForm::kTextLabel, WC_STATICW, 0, 0, 0, 0, SS_CENTER | SS_NOPREFIX | SS_EDITCONTROL, kNoText, nullptr},
      {L"BOK", TReminderForm::kOkButton, WC_BUTTONW, 0, 0, 0, 0, BS_DEFPUSHBUTTON | WS_TABSTOP, TextIndex(L"Setting", L"bOk"),
       &Handler<&TReminderForm::BOKClick>},
  });
  return kControls;
}

TReminderForm::TReminderForm(TextSource& texts, std::function<void(TReminderForm*)> onClosed)
    : DialogBase(texts, Controls()), onClosed_(std::move(onClosed)) {}

bool TReminderForm::Create() {
  return DialogBase::Create({.className = L"TReminderForm",
                             .clientWidth = 0,
                             .clientHeight = 0,
                             .captionText = TextIndex(L"Plan", L"caption"),
                             .exStyle = WS_EX_TOPMOST,
                             .staysEnabled = true});
}

SIZE TReminderForm::SizeFor(const std::wstring& text) const {
  const SIZE client = LayoutFor(Control(kTextLabel), text).client;
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void TReminderForm::Layout(const std::wstring& text) const {
  const ReminderLayout layout = LayoutFor(Control(kTextLabel), text);
  Place(Control(kTextLabel), layout.text);
  Place(Control(kOkButton), layout.button);
}

bool TReminderForm::Show(const std::wstring& text, POINT topLeft) {
  SetControlText(kTextLabel, text);
  Layout(text);
  const SIZE size = SizeFor(text);
  SetWindowPos(Handle(), HWND_TOPMOST, topLeft.x, topLeft.y, size.cx, size.cy, SWP_SHOWWINDOW);
  SetForegroundWindow(Handle());
  SetFocus(Control(kOkButton));
  return IsWindowVisible(Handle()) != FALSE;
}

// The layout follows the font, which the base has made for the new scale.
void TReminderForm::OnDpiChanged() {
  const std::wstring text = ControlText(kTextLabel);
  Layout(text);
  const SIZE size = SizeFor(text);
  SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TReminderForm::Close() { DestroyWindow(Handle()); }
