#pragma once
// The two-letter flag codes of language files and their pictures in the flag
// strip of the language menu.

#include <string_view>

inline constexpr int kNoFlag = -1;

// The picture index of a flag code, in any case; kNoFlag for a code that is
// empty, does not start with a letter or is not in the list.
int FlagIndex(std::wstring_view code);
