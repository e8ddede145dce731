#include <gtest/gtest.h>

#include <string>

#include "pixels/inflate.h"
#include "support/bmp_samples.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& s) { return {s.begin(), s.end()}; }

Bytes Noise(std::size_t n) {  // incompressible: deflate stores it
  Bytes out(n);
  std::uint32_t x = 12345;
  for (auto& b : out) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
  return out;
}

TEST(Inflate, GivesBackExactlyTheBytesThatWereCompressed) {
  const struct {
    const char* name;
    Bytes plain;
  } cases[] = {
      {"nothing", {}},
      {"a word", Text("Quillory")},
      {"a long run, far beyond the first output guess", Bytes(3u << 20, 0x5A)},
      {"noise", Noise(100000)},
  };
  for (const auto& c : cases) {
    for (int level : {0, 1, 9}) {
      const InflateResult r = Inflate(samples::Deflate(c.plain, level));
      EXPECT_TRUE(r.ok) << c.name << " level " << level;
      EXPECT_EQ(r.bytes, c.plain) << c.name << " level " << level;
    }
  }
}

TEST(Inflate, ADamagedStreamIsAFailureNotACrash) {
  const Bytes good = samples::Deflate(Text("the sticker text, long enough to have a body: abcdefghijklmnopqrstuvwxyz"));
  const auto changed = [&](std::size_t at, std::uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return b;
  };
  const auto cut = [&](std::size_t n) { return Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)); };
  const struct {
    const char* name;
    Bytes stream;
  } cases[] = {
      {"empty", {}},
      {"header only", cut(2)},
      {"without its checksum", cut(good.size() - 4)},
      {"last byte missing", cut(good.size() - 1)},
      {"half", cut(good.size() / 2)},
      {"wrong header check bits", changed(1, static_cast<std::uint8_t>(good[1] ^ 1))},
      {"not deflate", changed(0, 0x79)},
      {"wrong checksum", changed(good.size() - 1, static_cast<std::uint8_t>(good.back() ^ 0xFF))},
      {"a changed body byte", changed(good.size() / 2, static_cast<std::uint8_t>(good[good.size() / 2] ^ 0x55))},
      {"raw deflate without the zlib header", Bytes(good.begin() + 2, good.end())},
      {"a gzip header", Bytes{0x1F, 0x8B, 8, 0, 0, 0, 0, 0, 0, 3, 3, 0}},
      {"a dictionary is asked for", Bytes{0x78, 0xBB, 0, 0, 0, 1, 3, 0}},
  };
  for (const auto& c : cases) {
    const InflateResult r = Inflate(c.stream);
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_TRUE(r.bytes.empty()) << c.name;
  }
}

TEST(Inflate, BytesAfterTheEndOfTheStreamAreIgnored) {
  Bytes stream = samples::Deflate(Text("picture"));
  stream.insert(stream.end(), {1, 2, 3});
  const InflateResult r = Inflate(stream);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.bytes, Text("picture"));
}

TEST(Inflate, AStreamThatGrowsBeyondTheLimitIsRefused) {
  const Bytes bomb = samples::Deflate(Bytes(1u << 20, 0));  // about a kilobyte
  EXPECT_FALSE(Inflate(bomb, 4096).ok);
  EXPECT_FALSE(Inflate(bomb, (1u << 20) - 1).ok);
  EXPECT_TRUE(Inflate(bomb, 1u << 20).ok);  // exactly the limit is still fine
}

TEST(Inflate, InPlaceReplacesTheContentOrLeavesItAlone) {
  Bytes empty;
  EXPECT_TRUE(InflateInPlace(empty));
  EXPECT_TRUE(empty.empty());

  Bytes buffer = samples::Deflate(Text("replaced"));
  EXPECT_TRUE(InflateInPlace(buffer));
  EXPECT_EQ(buffer, Text("replaced"));

  Bytes damaged = Text("not a zlib stream");
  EXPECT_FALSE(InflateInPlace(damaged));
  EXPECT_EQ(damaged, Text("not a zlib stream"));
}

}  // namespace
