#pragma once
// Fonts of stickers: sizes in points turned into the pixels of the window's
// scale. A point stays a point at every scale; the screen's own device
// context is not asked, since a window may stand on a monitor of another.

#include <windows.h>

#include "pixels/display_scale.h"
#include "store/short_string.h"
#include "win/handles_win.h"

// The pixel height of a font of that many points at that scale.
int FontPixelHeight(int points, const DisplayScale& scale);
// A font of a text block's face at that many points.
UniqueFont MakeStickerFont(const ShortString<48>& name, int points, bool bold, bool italic, const DisplayScale& scale);
