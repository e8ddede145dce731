// Case ignored in the scripts our users write, the same on every system.

#include <gtest/gtest.h>

#include "lang/case_fold.h"

namespace {

TEST(CaseFold, CapitalsOfLatinGreekAndCyrillicBecomeSmall) {
  const std::pair<std::wstring_view, std::wstring_view> cases[] = {
      {L"Call ANNA at Five", L"call anna at five"},
      {L"ÀÉÎÕÜÞ × ß", L"àéîõüþ × ß"},          // the sign and sharp s stay
      {L"ĄĆĘŁŃŚŹŻ ŽŸ Ő", L"ąćęłńśźż žÿ ő"},    // Latin Extended-A, both pairings
      {L"ΣΩΑ ΆΈΌΏ", L"σωα άέόώ"},
      {L"КУПИТЬ МОЛОКО Ёж", L"купить молоко ёж"},
      {L"ЇЖАК Є ҐАНОК І", L"їжак є ґанок і"},  // Ukrainian
      {L"already small 123 !?", L"already small 123 !?"},
      {L"中文 ☺", L"中文 ☺"},
  };
  for (const auto& [text, folded] : cases) EXPECT_EQ(FoldCase(text), folded);
  for (wchar_t c = L'а'; c <= L'я'; ++c) EXPECT_EQ(FoldCase(c), c);  // small letters stay small
}

TEST(CaseFold, ContainsIgnoresCaseOnBothSides) {
  EXPECT_TRUE(ContainsIgnoringCase(L"Купить молоко", L"МОЛОКО"));
  EXPECT_TRUE(ContainsIgnoringCase(L"КУПИТЬ МОЛОКО", L"ть мо"));
  EXPECT_TRUE(ContainsIgnoringCase(L"Call Anna", L"cALL aNNA"));
  EXPECT_TRUE(ContainsIgnoringCase(L"anything", L""));
  EXPECT_FALSE(ContainsIgnoringCase(L"молоко", L"малако"));
  EXPECT_FALSE(ContainsIgnoringCase(L"", L"a"));
}

}  // namespace
