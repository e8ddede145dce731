#pragma once
// Picture packs (".qpk"): numbered BMP pictures in one file, little-endian.
//
//   0   4   picture count n (signed)
//   4   8   reserved
//   12  1   compressed flag: not 0 means every picture is a zlib stream
//   13  3   reserved
//   16  12n directory: 4 reserved, 4 stored size (signed), 4 number (signed)
//   ... picture data back to back in directory order
//
// A pack is a user file. Reading stops at the first entry that does not fit
// the file or does not decode; the pictures read before it stay in the list.

#include <cstdint>
#include <span>

#include "store/tat_bitmap.h"

inline constexpr std::size_t kPackHeaderBytes = 16;
inline constexpr std::size_t kPackEntryBytes = 12;
inline constexpr std::size_t kPackFlagOffset = 12;

enum class PackReadStatus {
  kComplete,
  kEndedEarly,      // the header, the directory or a picture lies beyond the end ("Stream read error")
  kDamagedPicture,  // a picture whose zlib stream or BMP data does not decode
};

struct PackReadResult {
  PackReadStatus status = PackReadStatus::kComplete;
  int added = 0;
};

// Appends every picture of the pack to the list, converted to 32 bits.
[[nodiscard]] PackReadResult ReadPicturePack(std::span<const std::uint8_t> file, TATBitmap& list);
