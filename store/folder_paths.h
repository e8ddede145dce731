#pragma once
// Small rules for folder paths as the program writes them.

#include <string>
#include <string_view>

// A folder path with exactly one trailing backslash.
std::wstring WithTrailingBackslash(std::wstring_view folder);

// The last part of a path, after any folder (backslash, slash or drive colon).
std::wstring FileNameWithoutFolder(std::wstring_view path);
