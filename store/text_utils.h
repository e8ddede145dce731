#pragma once
// Small text rules shared by the sticker shortcuts, folders and menus.

#include <cstddef>
#include <string>
#include <string_view>

// The name without the characters a shortcut file name may not hold:
// " * / : ; < > ? and backslash. Everything else, the vertical bar included, stays.
std::wstring CleanShortcutName(std::wstring_view name);

// A folder path ready for a file name to be appended: "" stays "", a path
// ending in ":" or "\" stays, a lone drive letter "C" becomes "C:\", any
// other path gets "\".
std::wstring WithTrailingSeparator(std::wstring_view path);

// The first line of the text within its first n characters, followed by "..."
// when a line break or anything after the n characters was left out.
std::wstring TextPreview(std::wstring_view text, std::size_t n);
