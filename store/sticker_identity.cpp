#include "store/sticker_identity.h"

#include <cmath>

std::int32_t NewStickerId(DateTime localNow) {
  const double seconds = std::nearbyint((localNow - kUnixEpochDays) * kSecondsPerDay);
  return static_cast<std::int32_t>(static_cast<std::int64_t>(seconds));
}

Colour RandomStickerColor(std::mt19937& random) {
  std::uniform_int_distribution<int> channel(32, 255);
  const int r = channel(random);
  const int g = channel(random);
  const int b = channel(random);
  return MakeColour(r, g, b);
}
