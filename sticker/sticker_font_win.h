#pragma once
// Fonts of stickers: sizes in points turned into the screen's pixels.

#include <windows.h>

#include "store/short_string.h"
#include "win/handles_win.h"

// The pixel height of a font of that many points on the screen.
int FontPixelHeight(int points);
// A font of a text block's face at that many points.
UniqueFont MakeStickerFont(const ShortString<48>& name, int points, bool bold, bool italic);
