#pragma once
// What an edit keeps when its text must fit a stored field: the record keeps
// a fixed number of bytes in the system code page, where a character takes
// one byte or two, so the edit may hold no more than those bytes carry.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The bytes one character (one unit, or a surrogate pair) takes when stored.
using StoredWidth = std::function<std::size_t(std::wstring_view character)>;

struct FittedText {
  std::wstring text;
  std::size_t caret;  // in units of `text`
};

// `text` cut to at most `capacity` stored bytes. The characters just before
// the caret go first, as they are what was typed or pasted last; once none
// is left before it, those at the end. Text that fits comes back as it is.
FittedText FitToField(std::wstring_view text, std::size_t caret, std::size_t capacity, const StoredWidth& width);
