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

// What a sticker can show: a larger picture is refused and reading goes on.
inline constexpr int kMaxPackPictureSide = 512;
// The decoded pictures of one pack, and of all packs together, stay within
// these; a tiny pack of highly compressed pictures cannot fill memory.
inline constexpr std::size_t kMaxPackDecodedBytes = std::size_t{64} << 20;
inline constexpr std::size_t kMaxAllPacksDecodedBytes = std::size_t{256} << 20;

enum class PackReadStatus {
  kComplete,
  kEndedEarly,      // the header, the directory or a picture lies beyond the end ("Stream read error")
  kDamagedPicture,  // a picture whose zlib stream or BMP data does not decode
  kOverBudget,      // the next picture would exceed the decoded bytes allowed
};

struct PackReadResult {
  PackReadStatus status = PackReadStatus::kComplete;
  int added = 0;
  int refused = 0;              // pictures over kMaxPackPictureSide, skipped
  std::size_t decodedBytes = 0;  // of the pictures added
};

// Appends every picture of the pack to the list, converted to 32 bits, as
// long as their decoded bytes stay within the budget.
[[nodiscard]] PackReadResult ReadPicturePack(std::span<const std::uint8_t> file, TATBitmap& list,
                                             std::size_t budgetBytes = kMaxPackDecodedBytes);
