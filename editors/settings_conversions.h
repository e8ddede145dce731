#pragma once
// How the settings dialog shows a record's values in its controls and turns
// the controls back into values: the size list, the hide-interval slider and
// its label, the stacking radio buttons, the icon list, the length counter
// and the caption of a new sticker.

#include <cstddef>
#include <string>
#include <string_view>

#include "store/tat_bitmap.h"

// The list entry a stored value selects when the value is an entry's
// position (styles, transparency), or -1 for none.
int ListSelection(int value, int entryCount);
inline constexpr int kAlphaEntries = 256;

// The size list: 6, 8, ... 20 points.
inline constexpr int kFontSizeEntries = 8;
int FontSizeIndex(int points);
int FontSizeOfIndex(int index);

// The hide-interval slider counts steps of 20 ms from 1 to 512.
inline constexpr int kHideStepMs = 20;
inline constexpr int kHideSliderMin = 1, kHideSliderMax = 512;
int HideSliderPosition(int intervalMs);
int HideIntervalOfPosition(int position);
// The seconds with two decimals and a decimal comma, then unit: "0,60 sec.".
std::wstring HideIntervalLabel(int position, std::wstring_view unit);

// The stacking radio buttons, in the dialog's order.
struct PositionButtons {
  bool upp = false;     // topmost
  bool normal = false;  // normal
  bool back = false;    // behind other windows
  bool bottom = false;  // on the desktop
  bool operator==(const PositionButtons&) const = default;
};
// A stored value outside 0..3 checks none.
PositionButtons PositionButtonsOf(int position);
// The first checked button in the dialog's order decides; none gives normal.
int PositionOfButtons(const PositionButtons& buttons);

// The icon list: "no icon", the built-in icons 1..34, then the user icons in
// list order, each standing for its number.
inline constexpr int kBuiltInIconEntries = 34;
// Stored values up to the limit are list positions.
inline constexpr int kIconPositionLimit = kBuiltInIconEntries;
// Loading a pattern takes values below 101 as positions.
inline constexpr int kPatternIconPositionLimit = 100;
// The position a stored icon value selects: itself up to the limit, else the
// first user icon of that number, else "no icon".
int IconListPosition(int iconValue, const TATBitmap& userIcons, int positionLimit = kIconPositionLimit);
// The stored value of a list position (no selection counts as "no icon"); a
// sticker without body text and without an icon gets built-in icon 1, so that
// it still shows something.
int IconValueOfPosition(int position, const TATBitmap& userIcons, std::wstring_view bodyText);
// The same without the rule for stickers without text (patterns, defaults).
int IconValueOfPosition(int position, const TATBitmap& userIcons);

// True for empty text and for exactly one blank.
bool IsBlankText(std::wstring_view text);

// "N/2048", bold once the text fills the sticker.
struct LengthCounter {
  std::wstring text;
  bool bold = false;
};
LengthCounter LengthCounterOf(std::size_t length);

// The caption a new sticker gets from the caption box.
std::wstring NewStickerCaption(std::wstring_view entered, std::wstring_view defaultCaption);
