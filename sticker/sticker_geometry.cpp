#include "sticker/sticker_geometry.h"

#include "sticker/skin_styles.h"

namespace {
constexpr int kPinOffset = 26, kPinTop = 6, kNotepadPinTop = 10;
constexpr int kCollapsedButtonShift = 18;
constexpr int kTitleCollapseZone = 18, kTemplateCollapseZone = 21;
constexpr int kIconHalfLess = 2;

// The pin's hit area as distances from the right edge and from the top.
struct PinArea {
  int fromRight, toRight, top, bottom;
};
// Title-bar and notepad frames have wider borders than the templates.
constexpr PinArea kWideBorderPin{26, 12, 9, 23}, kTemplatePin{24, 10, 5, 19};
}  // namespace

PinPlace PinPosition(int style, int width, const DisplayScale& scale) {
  return {width - scale.Px(kPinOffset), scale.Px(IsNotepadStyle(style) ? kNotepadPinTop : kPinTop)};
}

Rect PinHitArea(int style, int width, int k, const DisplayScale& scale) {
  const PinArea a = IsTitleBarStyle(style) || IsNotepadStyle(style) ? kWideBorderPin : kTemplatePin;
  const int shift = IsTitleBarStyle(style) ? 0 : k;  // title-bar frames never grow at the top
  return {width - scale.Px(a.fromRight), shift + scale.Px(a.top), width - scale.Px(a.toRight),
          shift + scale.Px(a.bottom)};
}

int IconHalf(int iconWidth, const DisplayScale& scale) {
  return iconWidth > 0 ? iconWidth / 2 - scale.Px(kIconHalfLess) : 0;
}

bool PinVisible(int style, bool focused, bool popupButtons) {
  return !IsTitleBarStyle(style) || (focused && popupButtons);
}

namespace {

ButtonMetrics UnscaledButtonMetrics(int style, bool expanded) {
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

}  // namespace

ButtonMetrics PopupButtonMetrics(int style, bool expanded, const DisplayScale& scale) {
  const ButtonMetrics m = UnscaledButtonMetrics(style, expanded);
  return {scale.Px(m.dx), scale.Px(m.dy)};
}

// Each button's left edge is scaled on its own, so that the row keeps its
// gaps of whole pixels at any scale.
Rect PopupButtonArea(PopupButton button, int style, bool expanded, int width, int height, const DisplayScale& scale) {
  const ButtonMetrics m = UnscaledButtonMetrics(style, expanded);
  const int left = width - scale.Px(m.dx + kPopupButtonWidth * static_cast<int>(button));
  const int top = height - scale.Px(m.dy);
  return {left, top, left + scale.Px(kPopupButtonWidth), top + scale.Px(kPopupButtonHitHeight)};
}

PopupButton HitPopupButton(int x, int y, int style, bool expanded, int width, int height, const DisplayScale& scale) {
  for (const PopupButton b : {kButtonCollapse, kButtonClose, kButtonDuplicate, kButtonEdit})
    if (PopupButtonArea(b, style, expanded, width, height, scale).StrictlyContains(x, y)) return b;
  return kButtonNone;
}

bool InCollapseZone(int x, int y, int style, int iconWidth, const DisplayScale& scale) {
  if (IsTitleBarStyle(style)) return iconWidth > 0 && x < iconWidth + scale.Px(kTitleCollapseZone);
  return y < (iconWidth > 0 ? iconWidth / 2 : 0) + scale.Px(kTemplateCollapseZone);
}

ScreenPoint CentredPosition(const ScreenRect& work, int width, int height) {
  return {work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2};
}
