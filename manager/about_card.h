#pragma once
// The About card's behaviour without the window: where its close button and
// its two links lie, what a press does where it lands, which picture the close
// button shows, and the addresses the links open. The card picture writes the
// addresses inside the link areas.

#include <optional>
#include <string>
#include <string_view>

#include "sticker/sticker_geometry.h"

inline constexpr int kCloseButtonLeft = 262, kCloseButtonTop = 6;
inline constexpr int kCloseButtonWidth = 59, kCloseButtonHeight = 34;

// Every area is hit strictly inside its bounds, as Rect::StrictlyContains tests.
inline constexpr Rect kCloseButtonArea{kCloseButtonLeft, kCloseButtonTop, kCloseButtonLeft + kCloseButtonWidth,
                                       kCloseButtonTop + kCloseButtonHeight};
inline constexpr Rect kWebLinkArea{91, 126, 243, 134};
inline constexpr Rect kMailLinkArea{77, 138, 184, 147};

inline constexpr wchar_t kWebAddress[] = L"https://www.quillory.example.com";
inline constexpr wchar_t kMailAddress[] = L"help@quillory.example.com";

enum class CardSpot { kNothing, kCloseButton, kWebLink, kMailLink };
CardSpot SpotAt(int x, int y);
// The links show the hand cursor and their address as a hint.
inline bool IsLink(CardSpot spot) { return spot == CardSpot::kWebLink || spot == CardSpot::kMailLink; }

enum class PressAction { kNone, kPressCloseButton, kOpenWeb, kOpenMail, kDrag };
// What a mouse press at (x, y) does; the right button does nothing anywhere.
PressAction ActionOfPress(int x, int y, bool rightButton);

// The close button's three pictures, in the order of the resources.
enum class ButtonLook { kNormal = 0, kOver = 1, kPressed = 2 };
inline constexpr int kButtonLookCount = 3;

// Follows the pointer over the close button. Each event answers the look to
// draw, or nothing when the button keeps the one it shows.
class CloseButtonTracker {
 public:
  struct ReleaseResult {
    ButtonLook look;
    bool clicked;  // pressed and released on the button
  };

  std::optional<ButtonLook> PointerAt(bool onButton);
  ButtonLook Press();
  ReleaseResult Release(bool onButton);
  bool Pressed() const { return pressed_; }
  void Reset() { over_ = pressed_ = false; }

 private:
  bool over_ = false;
  bool pressed_ = false;
};

// The program named in the command the system opens web pages with: the text
// between its first two double quotes, or "" without such a pair.
std::wstring BrowserPathOf(std::wstring_view openCommand);

// The mail link: the address with the program's name as the subject.
std::wstring MailLink();
