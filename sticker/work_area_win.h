#pragma once
// The screen's work area (the desktop less the task bar) as the sticker
// geometry takes it.

#include "sticker/sticker_geometry.h"

WorkArea CurrentWorkArea();
