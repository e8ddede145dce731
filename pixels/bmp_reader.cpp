#include "pixels/bmp_reader.h"

#include <algorithm>

#include <array>
#include <cstring>

#include "pixels/pixel_routines.h"

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kCoreHeaderBytes = 12;  // OS/2 header: 16-bit sides, 3-byte palette entries
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::uint32_t Read16(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint32_t>(d[at] | d[at + 1] << 8);
}
std::uint32_t Read32(std::span<const std::uint8_t> d, std::size_t at) {
  return Read16(d, at) | Read16(d, at + 2) << 16;
}

struct Header {
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: rows stored top first
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint64_t coloursUsed = 0;
  std::size_t headerBytes = 0;
  std::uint64_t pixelOffset = 0;
};

BmpError ReadHeader(std::span<const std::uint8_t> file, Header& h) {
  if (file.size() < kFileHeaderBytes + 4 || file[0] != 'B' || file[1] != 'M') return BmpError::kNotBmp;
  h.pixelOffset = Read32(file, 10);
  h.headerBytes = Read32(file, kFileHeaderBytes);
  if (h.headerBytes == kCoreHeaderBytes) {
    if (file.size() < kFileHeaderBytes + kCoreHeaderBytes) return BmpError::kTruncated;
    h.width = Read16(file, 18);
    h.height = Read16(file, 20);
    h.bits = static_cast<int>(Read16(file, 24));
    return BmpError::kNone;
  }
  if (h.headerBytes < kInfoHeaderBytes || h.headerBytes > 1024) return BmpError::kNotBmp;
  if (file.size() < kFileHeaderBytes + kInfoHeaderBytes) return BmpError::kTruncated;
  h.width = static_cast<std::int32_t>(Read32(file, 18));
  h.height = static_cast<std::int32_t>(Read32(file, 22));
  h.bits = static_cast<int>(Read16(file, 28));
  h.compression = Read32(file, 30);
  h.coloursUsed = Read32(file, 46);
  return BmpError::kNone;
}

// Bit fields are accepted only in the layout that equals BI_RGB at 32 bits.
// The three masks follow a 40-byte header and sit at the same place inside
// the longer headers.
bool PlainBitfields(std::span<const std::uint8_t> file) {
  const std::size_t masksAt = kFileHeaderBytes + kInfoHeaderBytes;
  if (file.size() < masksAt + 12) return false;
  return Read32(file, masksAt) == 0x00FF0000 && Read32(file, masksAt + 4) == 0x0000FF00 && Read32(file, masksAt + 8) == 0x000000FF;
}

}  // namespace

BmpReadResult ReadBmp(std::span<const std::uint8_t> file, int maxSide) {
  BmpReadResult result;
  Header h;
  result.error = ReadHeader(file, h);
  if (!result.Ok()) return result;

  result.error = BmpError::kUnsupported;
  if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 24 && h.bits != 32) return result;
  if (h.compression == kBiBitfields) {
    if (h.bits != 32 || !PlainBitfields(file)) return result;
  } else if (h.compression != kBiRgb) {
    return result;
  }

  const bool topDown = h.height < 0;
  const std::int64_t width = h.width;
  const std::int64_t height = topDown ? -h.height : h.height;
  result.error = BmpError::kTooLarge;
  if (width <= 0 || height <= 0) {
    result.error = BmpError::kNotBmp;
    return result;
  }
  if (width > std::min(maxSide, kMaxBmpSide) || height > std::min(maxSide, kMaxBmpSide) || width * height > kMaxBmpPixels)
    return result;

  // The palette follows the header (and the three masks of a 40-byte header
  // with bit fields). A count of 0 means the full palette of the depth; a
  // larger count than the depth can address is cut to what it can.
  const bool core = h.headerBytes == kCoreHeaderBytes;
  const std::size_t entryBytes = core ? 3 : 4;
  std::uint64_t paletteCount = 0;
  if (h.bits <= 8) {
    const std::uint64_t full = std::uint64_t{1} << h.bits;
    paletteCount = (h.coloursUsed == 0 || h.coloursUsed > full) ? full : h.coloursUsed;
  }
  std::uint64_t paletteAt = kFileHeaderBytes + h.headerBytes;
  if (h.compression == kBiBitfields && h.headerBytes == kInfoHeaderBytes) paletteAt += 12;
  result.error = BmpError::kTruncated;
  if (paletteAt + paletteCount * entryBytes > file.size()) return result;
  std::array<Pixel32, 256> palette;
  palette.fill({0, 0, 0, 255});  // indexes past the stored entries draw opaque black
  for (std::uint64_t i = 0; i < paletteCount; ++i) {
    const std::size_t at = static_cast<std::size_t>(paletteAt + i * entryBytes);
    palette[i] = {file[at], file[at + 1], file[at + 2], 255};
  }

  const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * h.bits + 31) / 32 * 4;
  const std::uint64_t pixelAt = h.pixelOffset != 0 ? h.pixelOffset : paletteAt + paletteCount * entryBytes;
  if (pixelAt > file.size() || rowBytes * static_cast<std::uint64_t>(height) > file.size() - pixelAt) return result;

  const int w = static_cast<int>(width);
  const int rows = static_cast<int>(height);
  result.picture.Resize(w, rows);
  for (int y = 0; y < rows; ++y) {
    const int stored = topDown ? y : rows - 1 - y;
    const std::uint8_t* src = file.data() + pixelAt + rowBytes * static_cast<std::uint64_t>(stored);
    Pixel32* dst = result.picture.Row(y);
    switch (h.bits) {
      case 32:
        std::memcpy(dst, src, static_cast<std::size_t>(w) * 4);
        break;
      case 24:
        for (int x = 0; x < w; ++x) dst[x] = {src[3 * x], src[3 * x + 1], src[3 * x + 2], 255};
        break;
      case 8:
        for (int x = 0; x < w; ++x) dst[x] = palette[src[x]];
        break;
      case 4:
        for (int x = 0; x < w; ++x) dst[x] = palette[(src[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F];
        break;
      case 1:
        for (int x = 0; x < w; ++x) dst[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1];
        break;
    }
  }
  result.bitsPerPixel = h.bits;
  result.error = BmpError::kNone;
  return result;
}

Picture24 ToPicture24(const Picture32& picture) {
  Picture24 out(picture.Width(), picture.Height());
  Copy32To24(picture.View(), out.View());
  return out;
}
