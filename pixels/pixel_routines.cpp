#include "pixels/pixel_routines.h"

#include <algorithm>
#include <cstring>

namespace {

// n / 255 rounded to the nearest integer (an odd divisor never gives a half).
inline int RoundDiv255(int n) { return n >= 0 ? (n + 127) / 255 : -((127 - n) / 255); }

// round((b + g + r) / 3): the multiply-shift is exact for every sum up to 765.
inline std::uint8_t MaskMean(const Pixel24& m) { return static_cast<std::uint8_t>(((m.b + m.g + m.r + 1u) * 683u) >> 11); }

// Blending works on two channels at once, each in a 16-bit lane of a 32-bit
// word: round((s - d) * sa / 255 + d) is computed as
// round((s * sa + d * (255 - sa)) / 255), whose numerator is never negative and
// never above 65152, so no lane overflows into the next; x / 255 is
// (x + 1 + (x >> 8)) >> 8, exact below 65535.
constexpr std::uint32_t kLaneMask = 0x00FF00FF;

inline std::uint32_t BlendLanes(std::uint32_t s, std::uint32_t d, std::uint32_t sa) {
  const std::uint32_t sum = s * sa + d * (255 - sa) + 0x007F007F;
  return ((sum + 0x00010001 + ((sum >> 8) & kLaneMask)) >> 8) & kLaneMask;
}

// Blends blue, green and red of a packed pixel (blue in the low byte); the
// fourth byte of the result is left zero.
inline std::uint32_t BlendColour(std::uint32_t s, std::uint32_t d, std::uint32_t sa) {
  const std::uint32_t blueRed = BlendLanes(s & kLaneMask, d & kLaneMask, sa);
  const std::uint32_t green = BlendLanes((s >> 8) & 0xFF, (d >> 8) & 0xFF, sa);
  return blueRed | (green << 8);
}

inline std::uint32_t Load(const void* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

inline void Store(void* p, std::uint32_t v) { std::memcpy(p, &v, 4); }

// Calls row(sourceY, destinationY, sourceX, destinationX, count) for each row
// of the part of a width x height source at (x, y) that lies inside the
// destination.
template <typename RowVisit>
void ForEachClippedRow(int width, int height, int x, int y, int destinationWidth, int destinationHeight, RowVisit row) {
  const int x0 = std::max(0, x), x1 = std::min(destinationWidth, x + width);
  const int y0 = std::max(0, y), y1 = std::min(destinationHeight, y + height);
  if (x0 >= x1) return;
  for (int dy = y0; dy < y1; ++dy) row(dy - y, dy, x0 - x, x0, x1 - x0);
}

}  // namespace

void CopyWithOffset(const View32& source, Picture32& destination, int dx, int dy) {
  destination.Resize(source.width + dx, source.height + dy);
  const View32 d = destination.View();
  ForEachClippedRow(source.width, source.height, dx, dy, d.width, d.height, [&](int sy, int ty, int sx, int tx, int n) {
    std::memcpy(d.Row(ty) + tx, source.Row(sy) + sx, static_cast<std::size_t>(n) * sizeof(Pixel32));
  });
}

void Enlarge(Picture32& picture, int dx, int dy) {
  Picture32 scratch;
  CopyWithOffset(picture.View(), scratch, dx, dy);
  picture = std::move(scratch);
}

void Clear(const View32& picture) {
  for (int y = 0; y < picture.height; ++y)
    std::memset(picture.Row(y), 0, static_cast<std::size_t>(picture.width) * sizeof(Pixel32));
}

void Copy24To32(const View24& source, const View32& destination) {
  const int w = std::min(source.width, destination.width), h = std::min(source.height, destination.height);
  for (int y = 0; y < h; ++y) {
    const Pixel24* s = source.Row(y);
    Pixel32* d = destination.Row(y);
    for (int x = 0; x < w; ++x) d[x] = {s[x].b, s[x].g, s[x].r, d[x].a};
  }
}

void Copy32To24(const View32& source, const View24& destination) {
  const int w = std::min(source.width, destination.width), h = std::min(source.height, destination.height);
  for (int y = 0; y < h; ++y) {
    const Pixel32* s = source.Row(y);
    Pixel24* d = destination.Row(y);
    for (int x = 0; x < w; ++x) d[x] = {s[x].b, s[x].g, s[x].r};
  }
}

void ColourWithMask(const View24& colour, const View24& mask, const View32& destination) {
  const int w = std::min({colour.width, mask.width, destination.width});
  const int h = std::min({colour.height, mask.height, destination.height});
  for (int y = 0; y < h; ++y) {
    const Pixel24* c = colour.Row(y);
    const Pixel24* m = mask.Row(y);
    Pixel32* d = destination.Row(y);
    for (int x = 0; x < w; ++x) d[x] = {c[x].b, c[x].g, c[x].r, MaskMean(m[x])};
  }
}

void ColourKeyBlit(const View24& source, const View32& destination, int x, int y, Colour key) {
  const Pixel24 k{static_cast<std::uint8_t>(BlueOf(key)), static_cast<std::uint8_t>(GreenOf(key)),
                  static_cast<std::uint8_t>(RedOf(key))};
  ForEachClippedRow(source.width, source.height, x, y, destination.width, destination.height,
                    [&](int sy, int ty, int sx, int tx, int n) {
                      const Pixel24* s = source.Row(sy) + sx;
                      Pixel32* d = destination.Row(ty) + tx;
                      for (int i = 0; i < n; ++i)
                        if (!(s[i] == k)) d[i] = {s[i].b, s[i].g, s[i].r, 255};
                    });
}

void AlphaBlend(const View32& source, const View32& destination, int x, int y) {
  ForEachClippedRow(source.width, source.height, x, y, destination.width, destination.height,
                    [&](int sy, int ty, int sx, int tx, int n) {
                      const Pixel32* s = source.Row(sy) + sx;
                      Pixel32* d = destination.Row(ty) + tx;
                      for (int i = 0; i < n; ++i) {
                        const std::uint32_t sp = Load(s + i), dp = Load(d + i);
                        const std::uint32_t sa = sp >> 24, da = dp >> 24;
                        const std::uint32_t alpha = std::max(da, sa >= 4 ? sa - 4 : 0u);
                        Store(d + i, BlendColour(sp, dp, sa) | (alpha << 24));
                      }
                    });
}

void TextMerge(const View24& colour, const View24& mask, const View32& destination, int x, int y) {
  const int w = std::min(colour.width, mask.width), h = std::min(colour.height, mask.height);
  ForEachClippedRow(w, h, x, y, destination.width, destination.height, [&](int sy, int ty, int sx, int tx, int n) {
    const Pixel24* c = colour.Row(sy) + sx;
    const Pixel24* m = mask.Row(sy) + sx;
    Pixel32* d = destination.Row(ty) + tx;
    for (int i = 0; i < n; ++i) d[i] = {c[i].b, c[i].g, c[i].r, std::max(d[i].a, MaskMean(m[i]))};
  });
}

void BlendOnto24(const View32& source, const View24& destination, int x, int y) {
  ForEachClippedRow(source.width, source.height, x, y, destination.width, destination.height,
                    [&](int sy, int ty, int sx, int tx, int n) {
                      const Pixel32* s = source.Row(sy) + sx;
                      Pixel24* d = destination.Row(ty) + tx;
                      for (int i = 0; i < n; ++i) {
                        const std::uint32_t sp = Load(s + i);
                        const std::uint32_t dp = static_cast<std::uint32_t>(d[i].b) | (d[i].g << 8) | (d[i].r << 16);
                        const std::uint32_t blended = BlendColour(sp, dp, sp >> 24);
                        d[i] = {static_cast<std::uint8_t>(blended), static_cast<std::uint8_t>(blended >> 8),
                                static_cast<std::uint8_t>(blended >> 16)};
                      }
                    });
}

void Tint(const View32& picture, Colour k) {
  // One table per channel: the tint of every possible channel value.
  std::uint8_t table[3][256];
  const int factors[3] = {BlueOf(k), GreenOf(k), RedOf(k)};
  for (int channel = 0; channel < 3; ++channel)
    for (int c = 0; c < 256; ++c)
      table[channel][c] = static_cast<std::uint8_t>(std::min(255, RoundDiv255(2 * c * factors[channel])));
  for (int y = 0; y < picture.height; ++y) {
    Pixel32* p = picture.Row(y);
    for (int x = 0; x < picture.width; ++x) {
      p[x].b = table[0][p[x].b];
      p[x].g = table[1][p[x].g];
      p[x].r = table[2][p[x].r];
    }
  }
}

InkBox FindInkBox(const View24& picture) {
  InkBox box{0, picture.height, 0, picture.height - 1};
  bool anyInk = false;
  for (int y = 0; y < picture.height; ++y) {
    const Pixel24* row = picture.Row(y);
    bool rowInk = false;
    for (int x = 0; x < picture.width; ++x) {
      if (row[x].b < 255 || row[x].g < 255 || row[x].r < 255) {
        rowInk = true;
        box.right = std::max(box.right, x);
      }
    }
    if (!rowInk) continue;
    if (!anyInk) box.top = y;
    box.bottom = y;
    anyInk = true;
  }
  return box;
}

void Premultiply(const View32& straight, const View32& premultiplied) {
  const int w = std::min(straight.width, premultiplied.width), h = std::min(straight.height, premultiplied.height);
  for (int y = 0; y < h; ++y) {
    const Pixel32* s = straight.Row(y);
    Pixel32* d = premultiplied.Row(y);
    for (int x = 0; x < w; ++x) {
      const int a = s[x].a;
      d[x] = {static_cast<std::uint8_t>(RoundDiv255(s[x].b * a)), static_cast<std::uint8_t>(RoundDiv255(s[x].g * a)),
              static_cast<std::uint8_t>(RoundDiv255(s[x].r * a)), s[x].a};
    }
  }
}

void StretchCopy(const View24& source, const View24& destination) {
  if (source.Empty() || destination.Empty()) return;
  for (int y = 0; y < destination.height; ++y) {
    const Pixel24* in = source.Row(static_cast<int>(static_cast<long long>(y) * source.height / destination.height));
    Pixel24* out = destination.Row(y);
    for (int x = 0; x < destination.width; ++x)
      out[x] = in[static_cast<long long>(x) * source.width / destination.width];
  }
}

void HorizontalLine(const View24& picture, int x0, int x1, int y, Colour colour) {
  if (y < 0 || y >= picture.height) return;
  const Pixel24 p{static_cast<std::uint8_t>(BlueOf(colour)), static_cast<std::uint8_t>(GreenOf(colour)),
                  static_cast<std::uint8_t>(RedOf(colour))};
  Pixel24* row = picture.Row(y);
  for (int x = std::max(0, x0); x < std::min(picture.width, x1); ++x) row[x] = p;
}

Colour Darken(Colour colour, int amount) {
  const auto darken = [amount](int c) { return std::max(0, RoundDiv255(c * (255 - amount))); };
  return MakeColour(darken(RedOf(colour)), darken(GreenOf(colour)), darken(BlueOf(colour)));
}

Colour Lighten(Colour colour, int percent) {
  const auto lighten = [percent](int c) { return c + (255 - c) * percent / 100; };
  return MakeColour(lighten(RedOf(colour)), lighten(GreenOf(colour)), lighten(BlueOf(colour)));
}
