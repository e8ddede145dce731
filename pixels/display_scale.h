#pragma once
// The scale a window is drawn at. Every length of the design is a length at
// 100 % (96 pixels per inch); a window on a monitor of another scale draws
// it at that monitor's pixels, each length rounded on its own with one rule,
// half away from zero, as the system's MulDiv does.

#include <cstdint>

#include "pixels/picture_scale.h"

// a x b / c, rounded half away from zero; 0 when c is 0.
constexpr int MulDivRounded(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = product < 0 ? -product : product;
  const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
  const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
  return static_cast<int>(negative ? -rounded : rounded);
}

class DisplayScale {
 public:
  constexpr DisplayScale() = default;
  // A DPI of 0 or less (a system that cannot say) is taken as 100 %.
  explicit constexpr DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : kDefaultDpi) {}

  constexpr int Dpi() const { return dpi_; }
  // A length at 100 % in this scale's pixels.
  constexpr int Px(int length) const { return MulDivRounded(length, dpi_, kDefaultDpi); }
  // Pixels of this scale as a length at 100 %.
  constexpr int Unscaled(int pixels) const { return MulDivRounded(pixels, kDefaultDpi, dpi_); }

  constexpr bool operator==(const DisplayScale&) const = default;

 private:
  int dpi_ = kDefaultDpi;
};
