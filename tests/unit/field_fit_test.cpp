// An edit bound to a stored field keeps what the field can hold, counted in
// the bytes of the stored code page.

#include <gtest/gtest.h>

#include "editors/field_fit.h"

namespace {

// As a double-byte code page stores them: ideographs (and the kana before
// them) two bytes, everything else one; a surrogate pair becomes one "?".
std::size_t DoubleByteWidth(std::wstring_view character) {
  return character.size() == 1 && character[0] >= 0x3000 ? 2 : 1;
}
std::size_t SingleByteWidth(std::wstring_view) { return 1; }

TEST(FieldFit, WhatWasTypedLastGoesFirstThenTheEnd) {
  const std::wstring kanji = L"\x65E5\x672C";  // two characters of four bytes
  const std::wstring pair = L"\xD83D\xDE00";   // one character in two units
  struct Case {
    std::wstring text;
    std::size_t caret;
    std::size_t capacity;
    StoredWidth width;
    std::wstring kept;
    std::size_t keptCaret;
  };
  const Case cases[] = {
      {L"abc", 3, 3, SingleByteWidth, L"abc", 3},                      // fits: untouched
      {L"abcd", 4, 3, SingleByteWidth, L"abc", 3},                     // typed at the end
      {L"abXcd", 3, 4, SingleByteWidth, L"abcd", 2},                   // typed in the middle
      {L"abcdef", 0, 4, SingleByteWidth, L"abcd", 0},                  // caret at the start: the end goes
      {L"aXYZb", 4, 1, SingleByteWidth, L"b", 0},                      // more than typed: on to the start
      {L"abcdef", 1, 3, SingleByteWidth, L"bcd", 0},                   // ... then the end
      {L"ab" + kanji, 4, 5, DoubleByteWidth, L"ab\x65E5", 3},          // a two-byte character at the end
      {L"ab" + kanji, 4, 4, DoubleByteWidth, L"ab\x65E5", 3},          // never half a character
      {kanji + L"a", 3, 4, DoubleByteWidth, kanji, 2},
      {L"a" + pair + L"b", 3, 2, DoubleByteWidth, L"ab", 1},           // a pair goes whole
      {L"a" + pair + L"b", 2, 2, DoubleByteWidth, L"ab", 1},           // a caret inside it stands after it
      {L"", 0, 0, SingleByteWidth, L"", 0},
  };
  for (const Case& c : cases) {
    const FittedText fitted = FitToField(c.text, c.caret, c.capacity, c.width);
    EXPECT_EQ(fitted.text, c.kept) << c.text.size() << " units, caret " << c.caret;
    EXPECT_EQ(fitted.caret, c.keptCaret) << c.text.size() << " units, caret " << c.caret;
  }
}

}  // namespace
