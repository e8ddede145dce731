#include "store/sticker_identity.h"

#include <cmath>

std::int32_t NewStickerId(DateTime localNow) {
  const double seconds = std::nearbyint((localNow - kUnixEpochDays) * kSecondsPerDay);
  return static_cast<std::int32_t>(static_cast<std::int64_t>(seconds));
}

Colour RandomStickerColor(std::mt19937& random) {
  std::uniform_int_distribution<int> channel(32, 255);
  const auto r = static_cast<Colour>(channel(random));
  const auto g = static_cast<Colour>(channel(random));
  const auto b = static_cast<Colour>(channel(random));
  return r | (g << 8) | (b << 16);
}
