#pragma once
// Small rules for folder paths as the program writes them.

#include <string>
#include <string_view>

// The last part of a path, after any folder (backslash, slash or drive colon).
std::wstring FileNameWithoutFolder(std::wstring_view path);
