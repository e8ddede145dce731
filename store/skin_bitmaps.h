#pragma once
// SkinBitmaps: the 41 skin and button pictures the main window loads at
// start-up and lends, read-only, to every sticker window for its frame, mask,
// pin and pop-up buttons. The first 35 are kept at 24 bits; the last six, the
// pop-up button pictures, at 32 bits with alpha.

#include <array>
#include <span>
#include <string_view>

#include "pixels/picture.h"

inline constexpr int kSkinBitmap24Count = 35;
inline constexpr int kSkinBitmap32Count = 6;
inline constexpr int kSkinBitmapCount = kSkinBitmap24Count + kSkinBitmap32Count;

// The resource names in load order, the 24-bit ones first.
std::span<const std::string_view, kSkinBitmapCount> SkinBitmapNames();

class SkinBitmaps {
 public:
  // By resource name; null when the name is not one of this depth's pictures.
  const Picture24* Find24(std::string_view name) const;
  const Picture32* Find32(std::string_view name) const;

  // By position in SkinBitmapNames(): 0..34 for Picture24At, 35..40 for Picture32At.
  Picture24& Picture24At(int index) { return pictures24_[static_cast<std::size_t>(index)]; }
  Picture32& Picture32At(int index) { return pictures32_[static_cast<std::size_t>(index - kSkinBitmap24Count)]; }

 private:
  std::array<Picture24, kSkinBitmap24Count> pictures24_;
  std::array<Picture32, kSkinBitmap32Count> pictures32_;
};
