#pragma once
// Owner-drawn menu items with a picture and a caption, as the tray menu's
// language and hot-key items are drawn: a checked item stands on a gradient
// with rounded corners and shows its picture fully, an unchecked one shows
// its picture faded.

#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "pixels/display_scale.h"

// Lengths at 100 %; items are measured and drawn at the menu's scale.
struct MenuItemLook {
  int height;
  int pictureLeft, boxWidth, boxHeight;  // the picture's box, centred in height
  int captionLeft;
  int lightenPercent, darkenBy;  // the checked ground's gradient
  BYTE fadedOpacity;             // of an unchecked item's picture
};

inline constexpr int kNoPicture = -1;

void MeasureMenuItem(MEASUREITEMSTRUCT& item, const MenuItemLook& look, std::wstring_view caption,
                     const DisplayScale& scale);
// `picture` is a picture of the list, or kNoPicture: a checked item then
// shows an empty box. The picture stands centred in its box.
void DrawMenuItem(const DRAWITEMSTRUCT& item, const MenuItemLook& look, HIMAGELIST pictures, int picture,
                  std::wstring_view caption, const DisplayScale& scale);
