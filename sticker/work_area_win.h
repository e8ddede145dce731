#pragma once
// The screen as the sticker geometry takes it: the primary monitor's work
// area (the desktop less the task bar), and every monitor with its own.

#include <vector>

#include "sticker/screen_placement.h"

ScreenRect CurrentWorkArea();
std::vector<Monitor> CurrentMonitors();
