#pragma once
// Fonts sized in points for a window at `dpi`, as dialogs show text.

#include <string_view>

#include "win/handles_win.h"

UniqueFont PointFont(std::wstring_view face, int points, bool bold, bool italic, int dpi);
