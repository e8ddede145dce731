#include <gtest/gtest.h>

#include <string>

#include "store/text_utils.h"

namespace {

struct TextCase {
  std::wstring_view input, expected;
};

TEST(TextUtils, CleanShortcutNameDropsOnlyTheNineForbiddenCharacters) {
  const TextCase cases[] = {
      {L"a/b:c?", L"abc"},
      {L"\"*/:;<>?\\", L""},
      {L"a|b", L"a|b"},                                        // the vertical bar stays
      {L"!#$%&'()+,-.=@[]^_`{}~", L"!#$%&'()+,-.=@[]^_`{}~"},  // and so do their neighbours in the code table
  };
  for (const TextCase& c : cases) EXPECT_EQ(CleanShortcutName(c.input), c.expected) << std::wstring(c.input);
}

TEST(TextUtils, WithTrailingSeparatorEndsAFolderOnce) {
  const TextCase cases[] = {
      {L"C", L"C:\\"}, {L"d", L"d:\\"}, {L"C:", L"C:"}, {L"C:\\", L"C:\\"}, {L"", L""},
      {L"C:\\x", L"C:\\x\\"}, {L"C:\\x\\", L"C:\\x\\"}, {L"1", L"1\\"}, {L"ab", L"ab\\"},
      {L"\\\\server\\share", L"\\\\server\\share\\"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(WithTrailingSeparator(c.input), c.expected) << std::wstring(c.input);
}

TEST(TextPreview, StopsAtTheFirstLineBreakOrAfterNCharacters) {
  const std::wstring ten = L"0123456789";
  const std::wstring seventy(70, L'x');
  const struct {
    std::wstring input;
    std::size_t n;
    std::wstring expected;
  } cases[] = {
      {ten + L"\nmore", 64, ten + L"..."},
      {ten + L"\rmore", 64, ten + L"..."},
      {seventy, 64, seventy.substr(0, 64) + L"..."},
      {seventy + L"\n", 64, seventy.substr(0, 64) + L"..."},  // a break past n is not looked for
      // The stickers menu names each sticker with n = 16.
      {L"Buy milk\r\nand bread", 16, L"Buy milk..."},
      {L"0123456789abcdef", 16, L"0123456789abcdef"},
      {L"0123456789abcdefg", 16, L"0123456789abcdef..."},
      {L"Short\nunix break", 16, L"Short..."},
      {L"A line ending\r\n", 16, L"A line ending..."},  // a trailing break is something cut off
      {L"\r\nstarts empty", 16, L"..."},
      {L"", 16, L""},
      {L"Привет, мир! Как дела?", 16, L"Привет, мир! Как..."},  // characters, not bytes
  };
  for (const auto& c : cases) EXPECT_EQ(TextPreview(c.input, c.n), c.expected) << c.input << " n=" << c.n;
}

}  // namespace
