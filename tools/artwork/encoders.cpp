// BMP, PNG and icon-file encoding of generator pictures.

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <tuple>

#include "artwork_set.h"

namespace {

std::uint8_t To8(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

struct Bgra {
  std::uint8_t b, g, r, a;
  bool operator<(const Bgra& o) const { return std::tie(b, g, r, a) < std::tie(o.b, o.g, o.r, o.a); }
};

Bgra Straight(const Rgba& p) { return {To8(p.b), To8(p.g), To8(p.r), To8(p.a)}; }
Bgra OverBlack(const Rgba& p) { return {To8(p.b * p.a), To8(p.g * p.a), To8(p.r * p.a), 255}; }

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Put32Big(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// The palette of an 8-bit picture: its own colours, at most 256.
std::vector<Bgra> PaletteOf(const Image& image, std::map<Bgra, int>& index) {
  std::vector<Bgra> palette;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Bgra c = OverBlack(image.At(x, y));
      if (index.emplace(c, static_cast<int>(palette.size())).second) palette.push_back(c);
    }
  if (palette.size() > 256) throw std::runtime_error("an 8-bit picture has more than 256 colours");
  return palette;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Image& image, int bitsPerPixel) {
  const int w = image.Width(), h = image.Height();
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(w) * bitsPerPixel + 31) / 32 * 4;
  std::map<Bgra, int> index;
  std::vector<Bgra> palette;
  if (bitsPerPixel == 8) palette = PaletteOf(image, index);
  if (bitsPerPixel == 1) palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  const std::uint32_t paletteBytes = static_cast<std::uint32_t>(palette.size()) * 4;
  const std::uint32_t dataOffset = 14 + 40 + paletteBytes;

  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, dataOffset + rowBytes * h);
  Put32(out, 0);
  Put32(out, dataOffset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(h));  // bottom-up
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
  Put32(out, 0);  // BI_RGB
  Put32(out, rowBytes * h);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, static_cast<std::uint32_t>(palette.size()));
  Put32(out, 0);
  for (const Bgra& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (int x = 0; x < w; ++x) {
      const Rgba& p = image.At(x, y);
      switch (bitsPerPixel) {
        case 32: {
          const Bgra c = Straight(p);
          std::copy_n(&c.b, 4, row.begin() + 4 * x);
          break;
        }
        case 24: {
          const Bgra c = OverBlack(p);
          std::copy_n(&c.b, 3, row.begin() + 3 * x);
          break;
        }
        case 8:
          row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(index.at(OverBlack(p)));
          break;
        case 1:
          if ((p.r + p.g + p.b) * p.a >= 1.5f) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
          break;
        default:
          throw std::runtime_error("unsupported depth");
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<std::uint8_t> EncodePng(const Image& image) {
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < image.Height(); ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < image.Width(); ++x) {
      const Bgra c = Straight(image.At(x, y));
      raw.insert(raw.end(), {c.r, c.g, c.b, c.a});
    }
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(size);
  compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
  packed.resize(size);

  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const auto chunk = [&out](const char* type, const std::vector<std::uint8_t>& data) {
    Put32Big(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32Big(out, static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
  };
  std::vector<std::uint8_t> header;
  Put32Big(header, static_cast<std::uint32_t>(image.Width()));
  Put32Big(header, static_cast<std::uint32_t>(image.Height()));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA
  chunk("IHDR", header);
  chunk("IDAT", packed);
  chunk("IEND", {});
  return out;
}

namespace {

// One image of an icon file as a DIB: the header with twice the height (the
// colour rows and the AND mask below one another), 32-bit rows bottom-up, then
// the mask, set where the picture is less than half opaque, for programs that
// draw icons without their alpha.
std::vector<std::uint8_t> IconDib(const Image& image) {
  const int w = image.Width(), h = image.Height();
  const std::uint32_t colourBytes = static_cast<std::uint32_t>(w) * 4 * static_cast<std::uint32_t>(h);
  const std::uint32_t maskRowBytes = (static_cast<std::uint32_t>(w) + 31) / 32 * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(2 * h));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);  // BI_RGB
  Put32(out, colourBytes + maskRowBytes * static_cast<std::uint32_t>(h));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      Bgra c = Straight(image.At(x, y));
      if (c.a == 0) c = {0, 0, 0, 0};
      out.insert(out.end(), {c.b, c.g, c.r, c.a});
    }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskRowBytes, 0);
    for (int x = 0; x < w; ++x)
      if (Straight(image.At(x, y)).a < 128) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& images) {
  std::vector<std::vector<std::uint8_t>> entries;
  for (const Image& image : images) {
    if (image.Width() != image.Height() || image.Width() < 1 || image.Width() > 256)
      throw std::runtime_error("an icon picture must be square, 1 to 256 pixels");
    entries.push_back(image.Width() == 256 ? EncodePng(image) : IconDib(image));
  }
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int size = images[i].Width();
    out.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));  // 0 stands for 256
    out.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(entries[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(entries[i].size());
  }
  for (const auto& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
  return out;
}
