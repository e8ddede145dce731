#include "sticker/sticker_geometry.h"

#include "sticker/skin_styles.h"

namespace {
constexpr int kPinOffset = 26, kPinTop = 6, kNotepadPinTop = 10;
constexpr int kCollapsedButtonShift = 18;
constexpr int kTitleCollapseZone = 18, kTemplateCollapseZone = 21;
}  // namespace

PinPlace PinPosition(int style, int width) {
  return {width - kPinOffset, IsNotepadStyle(style) ? kNotepadPinTop : kPinTop};
}

Rect PinHitArea(int style, int width, int k) {
  if (IsTitleBarStyle(style)) return {width - 26, 9, width - 12, 23};
  if (IsNotepadStyle(style)) return {width - 26, k + 9, width - 12, k + 23};
  return {width - 24, k + 5, width - 10, k + 19};
}

bool PinVisible(int style, bool focused, bool popupButtons) {
  return !IsTitleBarStyle(style) || (focused && popupButtons);
}

ButtonMetrics PopupButtonMetrics(int style, bool expanded) {
  if (IsTitleBarStyle(style)) return {18, 19};
  const int e = expanded ? 0 : kCollapsedButtonShift;
  switch (style) {
    case kStyleGlass:
    case kStyleAero:
      return {e + 26, 26};
    case kStyleNarrow:
      return {e + 26, 28};
    case kStyleModern:
    case kStyleList:
      return {e + 29, 30};
    default:
      return {e + 26, 25};
  }
}

Rect PopupButtonArea(PopupButton button, int style, bool expanded, int width, int height) {
  const ButtonMetrics m = PopupButtonMetrics(style, expanded);
  const int left = width - m.dx - kPopupButtonWidth * static_cast<int>(button);
  const int top = height - m.dy;
  return {left, top, left + kPopupButtonWidth, top + kPopupButtonHitHeight};
}

PopupButton HitPopupButton(int x, int y, int style, bool expanded, int width, int height) {
  for (const PopupButton b : {kButtonCollapse, kButtonClose, kButtonDuplicate, kButtonEdit})
    if (PopupButtonArea(b, style, expanded, width, height).StrictlyContains(x, y)) return b;
  return kButtonNone;
}

bool InCollapseZone(int x, int y, int style, int iconWidth) {
  if (IsTitleBarStyle(style)) return iconWidth > 0 && x < iconWidth + kTitleCollapseZone;
  return y < (iconWidth > 0 ? iconWidth / 2 : 0) + kTemplateCollapseZone;
}

ScreenPoint CentredPosition(const ScreenRect& work, int width, int height) {
  return {work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2};
}
