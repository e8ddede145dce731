#include <gtest/gtest.h>

#include <string>

#include "editors/settings_conversions.h"
#include "store/sticker_record.h"

namespace {

TATBitmap UserIcons(std::initializer_list<int> numbers) {
  TATBitmap icons;
  for (int n : numbers) icons.Add(Picture32(1, 1), n);
  return icons;
}

TEST(SettingsConversions, TheLargestStoredValuesSelectTheLastEntries) {
  EXPECT_EQ(ListSelection(255, kAlphaEntries), kAlphaEntries - 1);
  EXPECT_EQ(ListSelection(17, kStyleCount), kStyleCount - 1);
  EXPECT_EQ(ListSelection(18, kStyleCount), -1);
  EXPECT_EQ(IconListPosition(34, TATBitmap{}), 34);  // the last built-in icon, with no user icons
  EXPECT_EQ(PositionButtonsOf(3), (PositionButtons{.bottom = true}));
}

TEST(SettingsConversions, PositionButtons) {
  struct Case {
    int stored;
    PositionButtons checked;
    int built;
  };
  const Case cases[] = {{0, {.normal = true}, 0}, {1, {.upp = true}, 1}, {2, {.back = true}, 2},
                        {3, {.bottom = true}, 3}, {4, {}, 0},            {255, {}, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(PositionButtonsOf(c.stored), c.checked) << c.stored;
    EXPECT_EQ(PositionOfButtons(PositionButtonsOf(c.stored)), c.built) << c.stored;
  }
  // More than one checked: the dialog's order decides.
  EXPECT_EQ(PositionOfButtons({.upp = true, .normal = true}), 1);
  EXPECT_EQ(PositionOfButtons({.back = true, .bottom = true}), 2);
}

TEST(SettingsConversions, FontSizes) {
  struct Case {
    int stored, index, built;
  };
  const Case cases[] = {{13, 3, 12}, {5, 0, 6}, {6, 0, 6}, {8, 1, 8}, {20, 7, 20}, {21, 7, 20}, {72, 7, 20}, {-3, 0, 6}};
  for (const Case& c : cases) {
    EXPECT_EQ(FontSizeIndex(c.stored), c.index) << c.stored;
    EXPECT_EQ(FontSizeOfIndex(FontSizeIndex(c.stored)), c.built) << c.stored;
  }
}

TEST(SettingsConversions, HideIntervals) {
  struct Case {
    int ms, position, built;
    const wchar_t* label;
  };
  const Case cases[] = {{610, 30, 600, L"0,60 sec."},    {2000, 100, 2000, L"2,00 sec."}, {20, 1, 20, L"0,02 sec."},
                        {0, 1, 20, L"0,02 sec."},        {10240, 512, 10240, L"10,24 sec."},
                        {60000, 512, 10240, L"10,24 sec."}, {1990, 99, 1980, L"1,98 sec."}};
  for (const Case& c : cases) {
    const int position = HideSliderPosition(c.ms);
    EXPECT_EQ(position, c.position) << c.ms;
    EXPECT_EQ(HideIntervalOfPosition(position), c.built) << c.ms;
    EXPECT_EQ(HideIntervalLabel(position, L"sec."), c.label) << c.ms;
  }
}

TEST(SettingsConversions, IconListPositions) {
  const TATBitmap user = UserIcons({150, 101, 150});
  struct Case {
    int stored, limit, position;
  };
  const Case cases[] = {{0, kIconPositionLimit, 0},         {34, kIconPositionLimit, 34},
                        {35, kIconPositionLimit, 0},        {101, kIconPositionLimit, 36},
                        {150, kIconPositionLimit, 35},      {999, kIconPositionLimit, 0},
                        {36, kPatternIconPositionLimit, 36}, {100, kPatternIconPositionLimit, 100},
                        {101, kPatternIconPositionLimit, 36}};
  for (const Case& c : cases) EXPECT_EQ(IconListPosition(c.stored, user, c.limit), c.position) << c.stored;

  struct Built {
    int position;
    const wchar_t* body;
    int value;
  };
  const Built built[] = {{0, L"", 1},       {0, L" ", 1},    {0, L"  ", 0},   {0, L"text", 0},  {-1, L"", 1},
                         {5, L"", 5},       {34, L"x", 34},  {35, L"x", 150}, {36, L"", 101},   {38, L"x", 0}};
  for (const Built& b : built)
    EXPECT_EQ(IconValueOfPosition(b.position, user, b.body), b.value)
        << b.position << " " << testing::PrintToString(std::wstring(b.body));
}

TEST(SettingsConversions, LengthCounterAndNewCaption) {
  const std::pair<std::size_t, LengthCounter> counters[] = {
      {0, {L"0/2048", false}}, {2047, {L"2047/2048", false}}, {2048, {L"2048/2048", true}}};
  for (const auto& [length, counter] : counters) {
    EXPECT_EQ(LengthCounterOf(length).text, counter.text);
    EXPECT_EQ(LengthCounterOf(length).bold, counter.bold) << length;
  }
  const std::pair<const wchar_t*, const wchar_t*> captions[] = {
      {L"", L"New sticker"}, {L" ", L"New sticker"}, {L"  ", L"  "}, {L"Shopping", L"Shopping"}, {L" a", L" a"}};
  for (const auto& [entered, caption] : captions) EXPECT_EQ(NewStickerCaption(entered, L"New sticker"), caption);
}

}  // namespace
