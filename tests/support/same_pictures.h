#pragma once
// Whether two pictures are alike to the last byte of every pixel.

#include <cstring>

#include "pixels/picture.h"

inline bool SamePixels(const Picture32& a, const Picture32& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (std::memcmp(&a.View().At(x, y), &b.View().At(x, y), sizeof(Pixel32)) != 0) return false;
  return true;
}
