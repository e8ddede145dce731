#pragma once
// BMP files, zlib streams and picture packs built in memory for tests and the
// fuzzer's seeds, written field by field so that a test can also build the
// malformed ones.

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "pixels/picture.h"

namespace samples {

inline void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
inline void Poke32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct BmpArgs {
  BmpArgs(int bits, int width, int height) : bits(bits), width(width), height(height) {}
  BmpArgs& TopDown() {
    topDown = true;
    return *this;
  }
  BmpArgs& Palette(std::vector<Pixel32> entries) {
    palette = std::move(entries);
    return *this;
  }
  BmpArgs& ColoursUsed(std::uint32_t count) {
    coloursUsed = count;
    return *this;
  }

  int bits;
  int width;
  int height;
  bool topDown = false;
  std::vector<Pixel32> palette;              // written as stored; alpha is the reserved byte
  std::optional<std::uint32_t> coloursUsed;  // the header's count; default: the palette's size
};

// A BITMAPINFOHEADER file. value(x, y), with y counted from the top row, is a
// palette index at 1, 4 and 8 bits and 0xAARRGGBB at 24 and 32 bits.
inline std::vector<std::uint8_t> MakeBmp(const BmpArgs& a, const std::function<std::uint32_t(int, int)>& value) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(a.width) * a.bits + 31) / 32 * 4;
  const std::uint32_t paletteBytes = static_cast<std::uint32_t>(a.palette.size()) * 4;
  const std::uint32_t dataAt = 14 + 40 + paletteBytes;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, dataAt + rowBytes * a.height);
  Put32(out, 0);
  Put32(out, dataAt);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(a.width));
  Put32(out, static_cast<std::uint32_t>(a.topDown ? -a.height : a.height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(a.bits));
  Put32(out, 0);
  Put32(out, rowBytes * a.height);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, a.coloursUsed.value_or(static_cast<std::uint32_t>(a.palette.size())));
  Put32(out, 0);
  for (const Pixel32& c : a.palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(c.a);
  }
  for (int stored = 0; stored < a.height; ++stored) {
    const int y = a.topDown ? stored : a.height - 1 - stored;
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (int x = 0; x < a.width; ++x) {
      const std::uint32_t v = value(x, y);
      switch (a.bits) {
        case 32:
        case 24:
          for (int c = 0; c < a.bits / 8; ++c) row[x * (a.bits / 8) + c] = static_cast<std::uint8_t>(v >> (8 * c));
          break;
        case 8:
          row[x] = static_cast<std::uint8_t>(v);
          break;
        case 4:
          row[x / 2] |= static_cast<std::uint8_t>((v & 0x0F) << (x % 2 == 0 ? 4 : 0));
          break;
        case 1:
          row[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8));
          break;
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// A 32-bit picture whose every pixel differs, alpha included.
inline std::vector<std::uint8_t> GradientBmp32(int width, int height) {
  return MakeBmp(BmpArgs(32, width, height),
                 [](int x, int y) { return 0x80000000u + (static_cast<std::uint32_t>(y) << 16) + (static_cast<std::uint32_t>(x) << 8) + static_cast<std::uint32_t>(x + y); });
}

inline std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& bytes, int level = 9) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::vector<std::uint8_t> packed(size);
  compress2(packed.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), level);
  packed.resize(size);
  return packed;
}

struct PackEntry {
  PackEntry(std::int32_t number, std::vector<std::uint8_t> data, std::optional<std::int32_t> declaredSize = std::nullopt)
      : number(number), data(std::move(data)), declaredSize(declaredSize) {}
  std::int32_t number;
  std::vector<std::uint8_t> data;            // stored as given (compress before when the flag is set)
  std::optional<std::int32_t> declaredSize;  // the directory's size; default: the data's
};

// A pack file; count overrides the header's picture count.
inline std::vector<std::uint8_t> MakePack(const std::vector<PackEntry>& entries, std::uint8_t flag,
                                          std::optional<std::int32_t> count = std::nullopt) {
  std::vector<std::uint8_t> out;
  Put32(out, static_cast<std::uint32_t>(count.value_or(static_cast<std::int32_t>(entries.size()))));
  Put32(out, 0x11111111);  // reserved bytes, never read
  Put32(out, 0x22222222);
  out.push_back(flag);
  out.insert(out.end(), {0x33, 0x33, 0x33});
  for (const PackEntry& e : entries) {
    Put32(out, 0x44444444);
    Put32(out, static_cast<std::uint32_t>(e.declaredSize.value_or(static_cast<std::int32_t>(e.data.size()))));
    Put32(out, static_cast<std::uint32_t>(e.number));
  }
  for (const PackEntry& e : entries) out.insert(out.end(), e.data.begin(), e.data.end());
  return out;
}

}  // namespace samples
