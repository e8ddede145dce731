#include "manager/about_card.h"

CardSpot SpotAt(int x, int y) {
  if (kCloseButtonArea.StrictlyContains(x, y)) return CardSpot::kCloseButton;
  if (kWebLinkArea.StrictlyContains(x, y)) return CardSpot::kWebLink;
  if (kMailLinkArea.StrictlyContains(x, y)) return CardSpot::kMailLink;
  return CardSpot::kNothing;
}

PressAction ActionOfPress(int x, int y, bool rightButton) {
  if (rightButton) return PressAction::kNone;
  switch (SpotAt(x, y)) {
    case CardSpot::kCloseButton:
      return PressAction::kPressCloseButton;
    case CardSpot::kWebLink:
      return PressAction::kOpenWeb;
    case CardSpot::kMailLink:
      return PressAction::kOpenMail;
    case CardSpot::kNothing:
      break;
  }
  return PressAction::kDrag;
}

std::optional<ButtonLook> CloseButtonTracker::PointerAt(bool onButton) {
  if (onButton == over_) return std::nullopt;
  over_ = onButton;
  if (onButton) return ButtonLook::kOver;
  // Dragged off while held down, the button stays pressed until released.
  if (pressed_) return std::nullopt;
  return ButtonLook::kNormal;
}

ButtonLook CloseButtonTracker::Press() {
  pressed_ = true;
  return ButtonLook::kPressed;
}

CloseButtonTracker::ReleaseResult CloseButtonTracker::Release(bool onButton) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  return {over_ ? ButtonLook::kOver : ButtonLook::kNormal, wasPressed && onButton};
}

std::wstring BrowserPathOf(std::wstring_view openCommand) {
  const std::size_t first = openCommand.find(L'"');
  if (first == std::wstring_view::npos) return {};
  const std::size_t second = openCommand.find(L'"', first + 1);
  if (second == std::wstring_view::npos) return {};
  return std::wstring(openCommand.substr(first + 1, second - first - 1));
}

std::wstring MailLink() { return std::wstring(L"mailto:") + kMailAddress + L"?subject=Quillory"; }
