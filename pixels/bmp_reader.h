#pragma once
// Reading Windows BMP files from memory: the depths the program's pictures
// and picture packs use (32, 24, 8 and 1 bits, also 4), uncompressed, stored
// bottom-up or top-down. Every picture comes out as 32 bits: 32-bit files keep
// their alpha byte unchanged, every other depth is opaque.
//
// The bytes are untrusted (picture packs are user files), so a header that
// does not fit the data is refused before anything is allocated.

#include <cstdint>
#include <span>

#include "pixels/picture.h"

// Limits for a picture the program accepts; the widest it carries is the
// 5775-pixel flag mask.
inline constexpr int kMaxBmpSide = 16384;
inline constexpr std::int64_t kMaxBmpPixels = std::int64_t{1} << 24;

enum class BmpError {
  kNone,
  kNotBmp,       // no "BM" signature or an unknown header
  kUnsupported,  // a depth or compression the program does not read
  kTooLarge,     // sides beyond the limits above, or beyond the caller's
  kTruncated,    // the palette or the pixel rows lie beyond the data
};

struct BmpReadResult {
  BmpError error = BmpError::kNotBmp;
  Picture32 picture;
  int bitsPerPixel = 0;  // of the file
  bool Ok() const { return error == BmpError::kNone; }
};

// maxSide refuses wider or taller pictures (kTooLarge) before anything is
// allocated for them.
[[nodiscard]] BmpReadResult ReadBmp(std::span<const std::uint8_t> file, int maxSide = kMaxBmpSide);

// The colour channels of a picture, for the pictures kept at 24 bits.
Picture24 ToPicture24(const Picture32& picture);
