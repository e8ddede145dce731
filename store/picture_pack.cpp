#include "store/picture_pack.h"

#include <vector>

#include "pixels/bmp_reader.h"
#include "pixels/inflate.h"

namespace {

std::int32_t ReadSigned32(std::span<const std::uint8_t> d, std::size_t at) {
  const std::uint32_t v = static_cast<std::uint32_t>(d[at]) | static_cast<std::uint32_t>(d[at + 1]) << 8 |
                          static_cast<std::uint32_t>(d[at + 2]) << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24;
  return static_cast<std::int32_t>(v);
}

// The largest BMP file of a picture a pack may hold: 32 bits at the largest
// side, with room for the headers and a palette.
constexpr std::size_t kMaxPackPictureFileBytes =
    std::size_t{kMaxPackPictureSide} * kMaxPackPictureSide * 4 + 4096;

struct DecodedPicture {
  BmpReadResult bmp;
  bool refused = false;  // larger than a sticker can show
};

DecodedPicture Decode(std::span<const std::uint8_t> stored, bool compressed) {
  DecodedPicture d;
  if (!compressed) {
    d.bmp = ReadBmp(stored, kMaxPackPictureSide);
  } else {
    InflateResult inflated = Inflate(stored, kMaxPackPictureFileBytes);
    d.refused = inflated.tooLarge;
    if (inflated.ok) d.bmp = ReadBmp(inflated.bytes, kMaxPackPictureSide);
  }
  d.refused = d.refused || d.bmp.error == BmpError::kTooLarge;
  return d;
}

}  // namespace

PackReadResult ReadPicturePack(std::span<const std::uint8_t> file, TATBitmap& list, std::size_t budgetBytes) {
  PackReadResult result;
  if (file.size() < kPackHeaderBytes) {
    result.status = PackReadStatus::kEndedEarly;
    return result;
  }
  const std::int32_t count = ReadSigned32(file, 0);
  const bool compressed = file[kPackFlagOffset] != 0;
  if (count <= 0) return result;

  // 64-bit positions: a count or sizes near the 32-bit limits cannot wrap
  // around to a place inside the file.
  const std::uint64_t dataStart = kPackHeaderBytes + kPackEntryBytes * static_cast<std::uint64_t>(count);
  std::uint64_t pictureAt = dataStart;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint64_t entryAt = kPackHeaderBytes + kPackEntryBytes * static_cast<std::uint64_t>(i);
    if (entryAt + kPackEntryBytes > file.size()) {
      result.status = PackReadStatus::kEndedEarly;
      return result;
    }
    const std::int32_t size = ReadSigned32(file, static_cast<std::size_t>(entryAt) + 4);
    const std::int32_t number = ReadSigned32(file, static_cast<std::size_t>(entryAt) + 8);
    if (size < 0 || pictureAt > file.size() || static_cast<std::uint64_t>(size) > file.size() - pictureAt) {
      result.status = PackReadStatus::kEndedEarly;
      return result;
    }
    const auto stored = file.subspan(static_cast<std::size_t>(pictureAt), static_cast<std::size_t>(size));
    pictureAt += static_cast<std::uint64_t>(size);

    DecodedPicture decoded = Decode(stored, compressed);
    if (decoded.refused) {
      ++result.refused;
      continue;
    }
    if (!decoded.bmp.Ok()) {
      result.status = PackReadStatus::kDamagedPicture;
      return result;
    }
    const std::size_t bytes = static_cast<std::size_t>(decoded.bmp.picture.View().stride) *
                              static_cast<std::size_t>(decoded.bmp.picture.Height());
    if (bytes > budgetBytes - result.decodedBytes) {
      result.status = PackReadStatus::kOverBudget;
      return result;
    }
    result.decodedBytes += bytes;
    list.Add(std::move(decoded.bmp.picture), number);
    ++result.added;
  }
  return result;
}
