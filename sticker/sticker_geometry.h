#pragma once
// Where a sticker window's pin and pop-up buttons sit and what a click hits,
// the zones a double click collapses, and where a window goes on the screen.
// Lengths are the design's at 100 %, drawn at the window's scale; the
// width, height and icon sizes passed in are already the window's pixels.

#include "pixels/display_scale.h"
#include "store/sticker_record.h"

struct Rect {
  int left, top, right, bottom;
  bool operator==(const Rect&) const = default;
  // The tests of the window are strict: left < x < right, top < y < bottom.
  bool StrictlyContains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
};

// The pin picture's place: x = width - 26, y = 6 (10 for the notepad styles).
struct PinPlace {
  int x, y;
};
PinPlace PinPosition(int style, int width, const DisplayScale& scale = {});

// The area a click on the pin must fall in; k is the icon's half width less 2
// (0 without an icon), by which template stickers grow at the top.
Rect PinHitArea(int style, int width, int k, const DisplayScale& scale = {});
// k for an icon of that width in the window's pixels (0 without an icon).
int IconHalf(int iconWidth, const DisplayScale& scale = {});

// The pin shows on every style but the title-bar ones, where it shows only
// while the window has the focus and pop-up buttons are on.
bool PinVisible(int style, bool focused, bool popupButtons);

// The four pop-up buttons in a row: 0 close, 1 duplicate, 2 edit, 3 collapse.
enum PopupButton { kButtonNone = -1, kButtonClose = 0, kButtonDuplicate = 1, kButtonEdit = 2, kButtonCollapse = 3 };
inline constexpr int kPopupButtonCount = 4;
inline constexpr int kPopupButtonWidth = 18, kPopupButtonHitHeight = 15;

struct ButtonMetrics {
  int dx, dy;
};
ButtonMetrics PopupButtonMetrics(int style, bool expanded, const DisplayScale& scale = {});

// The hit rectangle of a button in a width x height picture.
Rect PopupButtonArea(PopupButton button, int style, bool expanded, int width, int height,
                     const DisplayScale& scale = {});
// Which button a press hits, testing collapse, close, duplicate, edit in turn.
PopupButton HitPopupButton(int x, int y, int style, bool expanded, int width, int height,
                           const DisplayScale& scale = {});

// A double click that lands here toggles collapsed and expanded.
bool InCollapseZone(int x, int y, int style, int iconWidth, const DisplayScale& scale = {});

struct ScreenRect {
  int left, top, right, bottom;
};
struct ScreenPoint {
  int x, y;
  bool operator==(const ScreenPoint&) const = default;
};

// The centre of the work area for a window of this size.
ScreenPoint CentredPosition(const ScreenRect& work, int width, int height);
