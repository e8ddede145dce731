#include "store/picture_pack.h"

#include <vector>

#include "store/bmp_reader.h"
#include "store/inflate.h"

namespace {

std::int32_t ReadSigned32(std::span<const std::uint8_t> d, std::size_t at) {
  const std::uint32_t v = static_cast<std::uint32_t>(d[at]) | static_cast<std::uint32_t>(d[at + 1]) << 8 |
                          static_cast<std::uint32_t>(d[at + 2]) << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24;
  return static_cast<std::int32_t>(v);
}

}  // namespace

PackReadResult ReadPicturePack(std::span<const std::uint8_t> file, TATBitmap& list) {
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

    BmpReadResult bmp;
    if (compressed) {
      InflateResult inflated = Inflate(stored);
      if (inflated.ok) bmp = ReadBmp(inflated.bytes);
    } else {
      bmp = ReadBmp(stored);
    }
    if (!bmp.Ok()) {
      result.status = PackReadStatus::kDamagedPicture;
      return result;
    }
    list.Add(std::move(bmp.picture), number);
    ++result.added;
  }
  return result;
}
