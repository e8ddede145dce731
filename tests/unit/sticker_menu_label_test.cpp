#include <gtest/gtest.h>

#include "app/sticker_menu_label.h"

namespace {

TEST(StickerMenuLabel, CutsAtTheFirstLineBreakOrAfterSixteenCharacters) {
  const struct {
    std::wstring_view text, label;
  } cases[] = {
      {L"Buy milk\r\nand bread", L"Buy milk..."},           // a line break after eight characters
      {L"0123456789abcdef", L"0123456789abcdef"},           // sixteen characters stand unchanged
      {L"0123456789abcdefg", L"0123456789abcdef..."},       // the seventeenth is cut
      {L"Short\nunix break", L"Short..."},
      {L"A line ending\r\n", L"A line ending..."},          // a trailing break is something cut off
      {L"\r\nstarts empty", L"..."},
      {L"", L""},
      {L"Привет, мир! Как дела?", L"Привет, мир! Как..."},  // characters, not bytes
  };
  for (const auto& c : cases) EXPECT_EQ(StickerMenuLabel(c.text), c.label) << std::wstring(c.text).size();
}

}  // namespace
