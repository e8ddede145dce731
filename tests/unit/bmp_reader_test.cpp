#include <gtest/gtest.h>

#include <climits>

#include "pixels/bmp_reader.h"
#include "support/bmp_samples.h"

namespace {

using samples::BmpArgs;
using samples::MakeBmp;
using Bytes = std::vector<std::uint8_t>;

std::vector<Pixel32> GreyPalette() {
  std::vector<Pixel32> p;
  for (int i = 0; i < 256; ++i) p.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i), 0});
  return p;
}

Pixel32 FromArgb(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

TEST(BmpReader, ReadsEveryDepthInBothRowOrders) {
  const std::vector<Pixel32> fourColours = {{10, 20, 30, 0}, {200, 100, 50, 0}, {0, 0, 255, 0}, {255, 255, 255, 0}};
  const std::vector<Pixel32> blackWhite = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  const struct {
    const char* name;
    BmpArgs args;
    std::function<std::uint32_t(int, int)> value;
  } cases[] = {
      {"32 bits", BmpArgs(32, 3, 2), [](int x, int y) { return 0x10203040u * (x + 1) + 0x01000000u * y; }},
      {"32 bits top-down", BmpArgs(32, 3, 2).TopDown(), [](int x, int y) { return 0x0A0B0C0Du * (x + 2 * y + 1); }},
      {"24 bits, odd width pads the rows", BmpArgs(24, 5, 3), [](int x, int y) { return 0x00010203u * (x + 1) + 0x00400000u * y; }},
      {"24 bits top-down", BmpArgs(24, 1, 4).TopDown(), [](int, int y) { return 0x00FF8000u + static_cast<std::uint32_t>(y); }},
      {"8-bit grey", BmpArgs(8, 7, 2).Palette(GreyPalette()), [](int x, int y) { return static_cast<std::uint32_t>(x * 30 + y * 7); }},
      {"8 bits, a short palette", BmpArgs(8, 6, 3).Palette(fourColours), [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 4); }},
      {"8 bits top-down", BmpArgs(8, 2, 2).TopDown().Palette(fourColours), [](int x, int y) { return static_cast<std::uint32_t>(x + 2 * y); }},
      {"4 bits", BmpArgs(4, 5, 2).Palette(fourColours), [](int x, int y) { return static_cast<std::uint32_t>((x * 3 + y) % 4); }},
      {"1 bit, width not a whole byte", BmpArgs(1, 13, 3).Palette(blackWhite), [](int x, int y) { return static_cast<std::uint32_t>((x * 7 + y) % 3 == 0); }},
      {"1 bit, a long strip", BmpArgs(1, 75, 2).TopDown().Palette(blackWhite), [](int x, int y) { return static_cast<std::uint32_t>((x / 25 + y) % 2); }},
  };
  for (const auto& c : cases) {
    const BmpReadResult r = ReadBmp(MakeBmp(c.args, c.value));
    ASSERT_TRUE(r.Ok()) << c.name;
    EXPECT_EQ(r.bitsPerPixel, c.args.bits) << c.name;
    ASSERT_EQ(r.picture.Width(), c.args.width) << c.name;
    ASSERT_EQ(r.picture.Height(), c.args.height) << c.name;
    for (int y = 0; y < c.args.height; ++y)
      for (int x = 0; x < c.args.width; ++x) {
        Pixel32 want;
        if (c.args.bits >= 24) {
          want = FromArgb(c.value(x, y));
          if (c.args.bits == 24) want.a = 255;  // opaque, whatever the stored top byte
        } else {
          want = c.args.palette[c.value(x, y)];
          want.a = 255;
        }
        EXPECT_EQ(r.picture.At(x, y), want) << c.name << " at " << x << "," << y;
      }
  }
}

TEST(BmpReader, ThirtyTwoBitsKeepTheirAlphaUnchanged) {
  const BmpReadResult r = ReadBmp(MakeBmp(BmpArgs(32, 2, 1), [](int x, int) { return x == 0 ? 0x00FFFFFFu : 0x7F102030u; }));
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.picture.At(0, 0), (Pixel32{255, 255, 255, 0}));  // colour under zero alpha stays
  EXPECT_EQ(r.picture.At(1, 0), (Pixel32{0x30, 0x20, 0x10, 0x7F}));
}

TEST(BmpReader, AnIndexPastTheStoredPaletteDrawsOpaqueBlack) {
  const BmpReadResult r = ReadBmp(MakeBmp(BmpArgs(8, 2, 1).Palette({{1, 2, 3, 0}, {4, 5, 6, 0}}), [](int x, int) { return x == 0 ? 1u : 200u; }));
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.picture.At(0, 0), (Pixel32{4, 5, 6, 255}));
  EXPECT_EQ(r.picture.At(1, 0), (Pixel32{0, 0, 0, 255}));
}

TEST(BmpReader, TheSmallOldHeaderIsRead) {
  // 2 x 1 at 1 bit; the old header always has the full palette of three-byte entries.
  Bytes f = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14 + 12 + 6, 0, 0, 0, 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 1, 0};
  f.insert(f.end(), {9, 8, 7, 1, 2, 3});
  f.insert(f.end(), {0x80, 0, 0, 0});  // one row: index 1, then 0
  const BmpReadResult r = ReadBmp(f);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.bitsPerPixel, 1);
  EXPECT_EQ(r.picture.At(0, 0), (Pixel32{1, 2, 3, 255}));
  EXPECT_EQ(r.picture.At(1, 0), (Pixel32{9, 8, 7, 255}));
}

TEST(BmpReader, HeadersThatDoNotFitTheDataAreRefused) {
  const Bytes good = MakeBmp(BmpArgs(8, 4, 2).Palette(GreyPalette()), [](int x, int) { return static_cast<std::uint32_t>(x); });
  const auto with32 = [&](std::size_t at, std::uint32_t v) {
    Bytes b = good;
    samples::Poke32(b, at, v);
    return b;
  };
  const auto with16 = [&](std::size_t at, std::uint16_t v) {
    Bytes b = good;
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
    return b;
  };
  const struct {
    const char* name;
    Bytes file;
    BmpError error;
  } cases[] = {
      {"empty", {}, BmpError::kNotBmp},
      {"not BM", with16(0, 0x4D42 ^ 0x2020), BmpError::kNotBmp},
      {"header size 0", with32(14, 0), BmpError::kNotBmp},
      {"header size 13", with32(14, 13), BmpError::kNotBmp},
      {"header size beyond reason", with32(14, 0x7FFFFFFF), BmpError::kNotBmp},
      {"width 0", with32(18, 0), BmpError::kNotBmp},
      {"negative width", with32(18, static_cast<std::uint32_t>(-4)), BmpError::kNotBmp},
      {"height 0", with32(22, 0), BmpError::kNotBmp},
      {"the most negative height", with32(22, 0x80000000u), BmpError::kTooLarge},
      {"width beyond the limit", with32(18, kMaxBmpSide + 1), BmpError::kTooLarge},
      {"too many pixels", [&] { Bytes b = with32(18, kMaxBmpSide); samples::Poke32(b, 22, kMaxBmpSide); return b; }(), BmpError::kTooLarge},
      {"rows beyond the data", with32(22, 3), BmpError::kTruncated},
      {"a wide picture in a small file", with32(18, 4000), BmpError::kTruncated},
      {"pixel offset beyond the file", with32(10, 0xFFFFFFF0u), BmpError::kTruncated},
      {"pixel offset near the end", with32(10, static_cast<std::uint32_t>(good.size() - 4)), BmpError::kTruncated},
      {"16 bits", with16(28, 16), BmpError::kUnsupported},
      {"2 bits", with16(28, 2), BmpError::kUnsupported},
      {"0 bits", with16(28, 0), BmpError::kUnsupported},
      {"run-length compressed", with32(30, 1), BmpError::kUnsupported},
      {"bit fields at 8 bits", with32(30, 3), BmpError::kUnsupported},
      {"PNG inside", with32(30, 5), BmpError::kUnsupported},
  };
  for (const auto& c : cases) {
    const BmpReadResult r = ReadBmp(c.file);
    EXPECT_EQ(r.error, c.error) << c.name;
    EXPECT_EQ(r.picture.Width(), 0) << c.name;
  }
}

TEST(BmpReader, APaletteCountIsCutToTheDepthAndMustFitTheFile) {
  // A count of four billion is cut to the 256 an 8-bit picture can address.
  Bytes b = MakeBmp(BmpArgs(8, 1, 1).Palette(GreyPalette()).ColoursUsed(0xFFFFFFFFu), [](int, int) { return 77u; });
  BmpReadResult r = ReadBmp(b);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.picture.At(0, 0), (Pixel32{77, 77, 77, 255}));
  // A palette that would run past the end of the file.
  b = MakeBmp(BmpArgs(8, 1, 1).Palette({{1, 1, 1, 0}}).ColoursUsed(0), [](int, int) { return 0u; });
  EXPECT_EQ(ReadBmp(b).error, BmpError::kTruncated);
}

TEST(BmpReader, PlainBitFieldsAtThirtyTwoBitsReadLikeRgb) {
  Bytes b = MakeBmp(BmpArgs(32, 1, 1), [](int, int) { return 0x80112233u; });
  samples::Poke32(b, 30, 3);
  Bytes masks;
  for (std::uint32_t m : {0x00FF0000u, 0x0000FF00u, 0x000000FFu}) samples::Put32(masks, m);
  b.insert(b.begin() + 54, masks.begin(), masks.end());
  samples::Poke32(b, 10, 54 + 12);
  BmpReadResult r = ReadBmp(b);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.picture.At(0, 0), (Pixel32{0x33, 0x22, 0x11, 0x80}));
  samples::Poke32(b, 54, 0x0000FF00u);  // green and red swapped: refused rather than misread
  EXPECT_EQ(ReadBmp(b).error, BmpError::kUnsupported);
}

TEST(BmpReader, EveryShortenedFileIsRefused) {
  for (int bits : {1, 8, 24, 32}) {
    BmpArgs args(bits, 9, 3);
    if (bits <= 8) args.palette = GreyPalette();
    const Bytes full = MakeBmp(args, [](int x, int) { return static_cast<std::uint32_t>(x % 2); });
    for (std::size_t n = 0; n < full.size(); ++n) {
      const BmpReadResult r = ReadBmp(std::span(full.data(), n));
      EXPECT_FALSE(r.Ok()) << bits << " bits cut to " << n;
    }
  }
}

TEST(BmpReader, TheTwentyFourBitCopyDropsOnlyAlpha) {
  Picture32 p(2, 2);
  p.At(0, 0) = {1, 2, 3, 0};
  p.At(1, 1) = {250, 251, 252, 128};
  const Picture24 q = ToPicture24(p);
  ASSERT_EQ(q.Width(), 2);
  ASSERT_EQ(q.Height(), 2);
  EXPECT_EQ(q.At(0, 0), (Pixel24{1, 2, 3}));
  EXPECT_EQ(q.At(1, 1), (Pixel24{250, 251, 252}));
  EXPECT_EQ(q.At(1, 0), (Pixel24{0, 0, 0}));
}

}  // namespace
