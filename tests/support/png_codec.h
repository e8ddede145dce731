#pragma once
// A small PNG writer and reader for test pictures: 8 bits per channel, colour
// types RGB (2) and RGBA (6), no interlacing. Pictures are 32-bit with
// straight alpha, as the pixel routines keep them; PNG stores straight alpha
// too, so the bytes go through unchanged. Reading refuses any file it does
// not fully understand rather than guessing.

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "pixels/picture.h"
#include "pixels/inflate.h"

namespace png {

enum class Filter : std::uint8_t { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };

inline constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

inline void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

inline std::uint32_t GetBigEndian(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

inline void PutChunk(std::vector<std::uint8_t>& out, std::string_view type, std::span<const std::uint8_t> data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
  PutBigEndian(out, static_cast<std::uint32_t>(crc));
}

inline int PaethPredictor(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// The predictor of a filter from the left, upper and upper-left bytes.
inline int Predict(Filter filter, int left, int up, int upLeft) {
  switch (filter) {
    case Filter::kNone:
      return 0;
    case Filter::kSub:
      return left;
    case Filter::kUp:
      return up;
    case Filter::kAverage:
      return (left + up) / 2;
    case Filter::kPaeth:
      return PaethPredictor(left, up, upLeft);
  }
  return 0;
}

inline std::vector<std::uint8_t> Encode(const Picture32& picture, Filter filter = Filter::kPaeth, bool withAlpha = true) {
  const int w = picture.Width(), h = picture.Height();
  const int channels = withAlpha ? 4 : 3;
  const std::size_t rowBytes = static_cast<std::size_t>(w) * channels;
  std::vector<std::uint8_t> raw, previous(rowBytes, 0), row(rowBytes);
  raw.reserve((rowBytes + 1) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Pixel32 p = picture.At(x, y);
      std::uint8_t* d = &row[static_cast<std::size_t>(x) * channels];
      d[0] = p.r;
      d[1] = p.g;
      d[2] = p.b;
      if (withAlpha) d[3] = p.a;
    }
    raw.push_back(static_cast<std::uint8_t>(filter));
    for (std::size_t i = 0; i < rowBytes; ++i) {
      const int left = i >= static_cast<std::size_t>(channels) ? row[i - channels] : 0;
      const int upLeft = i >= static_cast<std::size_t>(channels) ? previous[i - channels] : 0;
      raw.push_back(static_cast<std::uint8_t>(row[i] - Predict(filter, left, previous[i], upLeft)));
    }
    previous.swap(row);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9);
  packed.resize(packedSize);

  std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(w));
  PutBigEndian(header, static_cast<std::uint32_t>(h));
  header.insert(header.end(), {8, static_cast<std::uint8_t>(withAlpha ? 6 : 2), 0, 0, 0});
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

inline std::optional<Picture32> Decode(std::span<const std::uint8_t> file) {
  if (file.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), file.begin())) return {};
  std::size_t at = kSignature.size();
  int w = 0, h = 0, channels = 0;
  std::vector<std::uint8_t> packed;
  bool ended = false;
  while (!ended) {
    if (file.size() - at < 12) return {};
    const std::uint32_t length = GetBigEndian(&file[at]);
    if (length > file.size() - at - 12) return {};
    const std::uint8_t* type = &file[at + 4];
    const std::uint8_t* data = type + 4;
    const uLong crc = crc32(0, type, length + 4);
    if (GetBigEndian(data + length) != static_cast<std::uint32_t>(crc)) return {};
    const std::string_view name(reinterpret_cast<const char*>(type), 4);
    if (name == "IHDR") {
      if (length != 13) return {};
      const std::uint32_t width = GetBigEndian(data), height = GetBigEndian(data + 4);
      if (width == 0 || height == 0 || width > 1u << 14 || height > 1u << 14) return {};
      if (data[8] != 8 || (data[9] != 2 && data[9] != 6) || data[10] != 0 || data[11] != 0 || data[12] != 0) return {};
      w = static_cast<int>(width);
      h = static_cast<int>(height);
      channels = data[9] == 6 ? 4 : 3;
    } else if (name == "IDAT") {
      packed.insert(packed.end(), data, data + length);
    } else if (name == "IEND") {
      ended = true;
    } else if ((type[0] & 0x20) == 0) {
      return {};  // a critical chunk this reader does not know
    }
    at += 12 + length;
  }
  if (channels == 0) return {};
  const std::size_t rowBytes = static_cast<std::size_t>(w) * channels;
  const InflateResult raw = Inflate(packed, (rowBytes + 1) * static_cast<std::size_t>(h));
  if (!raw.ok || raw.bytes.size() != (rowBytes + 1) * static_cast<std::size_t>(h)) return {};

  Picture32 picture(w, h);
  std::vector<std::uint8_t> previous(rowBytes, 0), row(rowBytes);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* line = &raw.bytes[(rowBytes + 1) * static_cast<std::size_t>(y)];
    if (line[0] > static_cast<std::uint8_t>(Filter::kPaeth)) return {};
    const Filter filter = static_cast<Filter>(line[0]);
    for (std::size_t i = 0; i < rowBytes; ++i) {
      const int left = i >= static_cast<std::size_t>(channels) ? row[i - channels] : 0;
      const int upLeft = i >= static_cast<std::size_t>(channels) ? previous[i - channels] : 0;
      row[i] = static_cast<std::uint8_t>(line[1 + i] + Predict(filter, left, previous[i], upLeft));
    }
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* s = &row[static_cast<std::size_t>(x) * channels];
      picture.At(x, y) = {s[2], s[1], s[0], channels == 4 ? s[3] : std::uint8_t{255}};
    }
    previous.swap(row);
  }
  return picture;
}

}  // namespace png
