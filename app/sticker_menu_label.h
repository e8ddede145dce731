#pragma once
// How the tray menu names a sticker: its text up to the first line break or
// its first 16 characters, whichever is shorter, with "..." when anything was
// left out.

#include <string>
#include <string_view>

inline constexpr std::size_t kMenuLabelLength = 16;

std::wstring StickerMenuLabel(std::wstring_view text);
