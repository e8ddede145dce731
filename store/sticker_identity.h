#pragma once
// New sticker ids and random sticker colours.

#include <cstdint>
#include <random>

#include "store/date_time.h"
#include "store/sticker_record.h"

// Whole seconds since 1970-01-01 00:00 local time, rounded to the nearest
// second. Two stickers made within one second share an id.
std::int32_t NewStickerId(DateTime localNow);

// Each channel uniform in 32..255, so a random colour is never very dark.
Colour RandomStickerColor(std::mt19937& random);
