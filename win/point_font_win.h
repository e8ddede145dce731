#pragma once
// Fonts sized in points for the screen, as dialogs show text.

#include <string_view>

#include "win/handles_win.h"

UniqueFont PointFont(std::wstring_view face, int points, bool bold, bool italic);
