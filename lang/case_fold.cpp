#include "lang/case_fold.h"

namespace {

bool Between(wchar_t c, wchar_t first, wchar_t last) { return c >= first && c <= last; }

// Blocks where a capital and its small letter are neighbours: the capital
// even (or odd) and its small letter next to it.
wchar_t FoldPaired(wchar_t c, bool capitalIsEven) {
  return ((c % 2 == 0) == capitalIsEven) ? static_cast<wchar_t>(c + 1) : c;
}

wchar_t FoldLatin(wchar_t c) {
  if (Between(c, L'A', L'Z')) return static_cast<wchar_t>(c + 32);
  if (Between(c, 0xC0, 0xDE) && c != 0xD7) return static_cast<wchar_t>(c + 32);
  if (Between(c, 0x100, 0x137) || Between(c, 0x14A, 0x177)) return FoldPaired(c, true);
  if (Between(c, 0x139, 0x148) || Between(c, 0x179, 0x17E)) return FoldPaired(c, false);
  if (c == 0x178) return 0xFF;  // Ÿ
  return c;
}

wchar_t FoldGreek(wchar_t c) {
  if (Between(c, 0x391, 0x3AB) && c != 0x3A2) return static_cast<wchar_t>(c + 32);
  if (c == 0x386) return 0x3AC;
  if (Between(c, 0x388, 0x38A)) return static_cast<wchar_t>(c + 37);
  if (c == 0x38C) return 0x3CC;
  if (Between(c, 0x38E, 0x38F)) return static_cast<wchar_t>(c + 63);
  return c;
}

wchar_t FoldCyrillic(wchar_t c) {
  if (Between(c, 0x410, 0x42F)) return static_cast<wchar_t>(c + 32);  // А..Я
  if (Between(c, 0x400, 0x40F)) return static_cast<wchar_t>(c + 80);  // Ѐ..Џ, Ё and Ukrainian Є, І, Ї
  if (Between(c, 0x460, 0x481) || Between(c, 0x48A, 0x4BF) || Between(c, 0x4D0, 0x52F)) return FoldPaired(c, true);
  if (c == 0x4C0) return 0x4CF;
  if (Between(c, 0x4C1, 0x4CE)) return FoldPaired(c, false);
  return c;
}

}  // namespace

wchar_t FoldCase(wchar_t c) {
  if (c < 0x370) return FoldLatin(c);
  if (c < 0x400) return FoldGreek(c);
  if (c < 0x530) return FoldCyrillic(c);
  return c;
}

std::wstring FoldCase(std::wstring_view text) {
  std::wstring folded(text);
  for (wchar_t& c : folded) c = FoldCase(c);
  return folded;
}

bool ContainsIgnoringCase(std::wstring_view text, std::wstring_view part) {
  return FoldCase(text).find(FoldCase(part)) != std::wstring::npos;
}
