#include "editors/settings_conversions.h"

#include <algorithm>

#include "store/sticker_record.h"

namespace {

constexpr int kSmallestFontSize = 6, kFontSizeStep = 2;
constexpr int kEmptyBodyIcon = 1;
constexpr wchar_t kDecimalComma = L',';

}  // namespace

int ListSelection(int value, int entryCount) { return value >= 0 && value < entryCount ? value : -1; }

int FontSizeIndex(int points) {
  return std::clamp((points - kSmallestFontSize) / kFontSizeStep, 0, kFontSizeEntries - 1);
}

int FontSizeOfIndex(int index) { return kSmallestFontSize + kFontSizeStep * index; }

int HideSliderPosition(int intervalMs) { return std::clamp(intervalMs / kHideStepMs, kHideSliderMin, kHideSliderMax); }

int HideIntervalOfPosition(int position) { return kHideStepMs * position; }

// Steps of 20 ms are whole hundredths of a second, so the two decimals are exact.
std::wstring HideIntervalLabel(int position, std::wstring_view unit) {
  const int hundredths = HideIntervalOfPosition(std::clamp(position, kHideSliderMin, kHideSliderMax)) / 10;
  const int cents = hundredths % 100;
  return std::to_wstring(hundredths / 100) + kDecimalComma + (cents < 10 ? L"0" : L"") + std::to_wstring(cents) + L' ' +
         std::wstring(unit);
}

PositionButtons PositionButtonsOf(int position) {
  return {.upp = position == kPositionTopmost,
          .normal = position == kPositionNormal,
          .back = position == kPositionBottom,
          .bottom = position == kPositionDesktop};
}

int PositionOfButtons(const PositionButtons& buttons) {
  if (buttons.upp) return kPositionTopmost;
  if (buttons.normal) return kPositionNormal;
  if (buttons.back) return kPositionBottom;
  if (buttons.bottom) return kPositionDesktop;
  return kPositionNormal;
}

int IconListPosition(int iconValue, const TATBitmap& userIcons, int positionLimit) {
  if (iconValue >= 0 && iconValue <= positionLimit) return iconValue;
  for (int i = 0; i < userIcons.Count(); ++i)
    if (userIcons.NumberAt(i) == iconValue) return kBuiltInIconEntries + 1 + i;
  return 0;
}

int IconValueOfPosition(int position, const TATBitmap& userIcons, std::wstring_view bodyText) {
  if (position <= 0 && IsBlankText(bodyText)) return kEmptyBodyIcon;
  return IconValueOfPosition(position, userIcons);
}

int IconValueOfPosition(int position, const TATBitmap& userIcons) {
  if (position <= 0) return 0;
  if (position <= kBuiltInIconEntries) return position;
  const int user = position - kBuiltInIconEntries - 1;
  return user < userIcons.Count() ? userIcons.NumberAt(user) : 0;
}

bool IsBlankText(std::wstring_view text) { return text.empty() || text == L" "; }

LengthCounter LengthCounterOf(std::size_t length) {
  return {std::to_wstring(length) + L'/' + std::to_wstring(kStickerTextCapacity), length >= kStickerTextCapacity};
}

std::wstring NewStickerCaption(std::wstring_view entered, std::wstring_view defaultCaption) {
  return std::wstring(IsBlankText(entered) ? defaultCaption : entered);
}
