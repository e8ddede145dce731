#include <gtest/gtest.h>

#include <climits>

#include "pixels/bmp_reader.h"
#include "store/picture_pack.h"
#include "support/bmp_samples.h"

namespace {

using samples::MakePack;
using samples::PackEntry;
using Bytes = std::vector<std::uint8_t>;

// Three pictures of different sizes, so that each offset depends on the sizes before it.
std::vector<Bytes> ThreeBmps() {
  return {samples::GradientBmp32(3, 2), samples::GradientBmp32(24, 24), samples::GradientBmp32(1, 5)};
}

std::vector<PackEntry> Entries(const std::vector<Bytes>& bmps, bool compress, std::int32_t firstNumber = 101) {
  std::vector<PackEntry> out;
  for (std::size_t i = 0; i < bmps.size(); ++i)
    out.push_back({firstNumber + static_cast<std::int32_t>(i), compress ? samples::Deflate(bmps[i]) : bmps[i]});
  return out;
}

void ExpectSamePixels(const Picture32& got, const Bytes& bmp, const std::string& what) {
  const BmpReadResult want = ReadBmp(bmp);
  ASSERT_TRUE(want.Ok());
  ASSERT_EQ(got.Width(), want.picture.Width()) << what;
  ASSERT_EQ(got.Height(), want.picture.Height()) << what;
  for (int y = 0; y < got.Height(); ++y)
    for (int x = 0; x < got.Width(); ++x) ASSERT_EQ(got.At(x, y), want.picture.At(x, y)) << what << " at " << x << "," << y;
}

TEST(PicturePack, PlainAndCompressedPacksGiveTheSamePicturesInOrder) {
  const auto bmps = ThreeBmps();
  const struct {
    const char* name;
    bool compress;
    std::uint8_t flag;
  } cases[] = {{"flag 0", false, 0}, {"flag 1", true, 1}, {"any other non-zero flag", true, 0x80}};
  for (const auto& c : cases) {
    TATBitmap list;
    const PackReadResult r = ReadPicturePack(MakePack(Entries(bmps, c.compress), c.flag), list);
    EXPECT_EQ(r.status, PackReadStatus::kComplete) << c.name;
    EXPECT_EQ(r.added, 3) << c.name;
    ASSERT_EQ(list.Count(), 3) << c.name;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(list.NumberAt(i), 101 + i) << c.name;
      ExpectSamePixels(list.PictureAt(i), bmps[static_cast<std::size_t>(i)], c.name);
    }
  }
}

TEST(PicturePack, OtherDepthsBecomeOpaqueThirtyTwoBitPictures) {
  const Bytes bmp24 = samples::MakeBmp(samples::BmpArgs(24, 2, 1), [](int x, int) { return x ? 0x00102030u : 0x00FFFFFFu; });
  const Bytes bmp1 = samples::MakeBmp(samples::BmpArgs(1, 3, 1).Palette({{0, 0, 0, 0}, {255, 255, 255, 0}}), [](int x, int) { return x == 1 ? 1u : 0u; });
  TATBitmap list;
  ASSERT_EQ(ReadPicturePack(MakePack({{150, bmp24}, {151, bmp1}}, 0), list).status, PackReadStatus::kComplete);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.PictureAt(0).At(1, 0), (Pixel32{0x30, 0x20, 0x10, 255}));
  EXPECT_EQ(list.PictureAt(1).At(0, 0), (Pixel32{0, 0, 0, 255}));
  EXPECT_EQ(list.PictureAt(1).At(1, 0), (Pixel32{255, 255, 255, 255}));
}

TEST(PicturePack, TheLaterPackWinsALookUpByNumber) {
  TATBitmap list;
  const Bytes small = samples::GradientBmp32(2, 2), large = samples::GradientBmp32(7, 7);
  ASSERT_EQ(ReadPicturePack(MakePack({{150, small}, {101, small}}, 0), list).added, 2);
  ASSERT_EQ(ReadPicturePack(MakePack({{150, samples::Deflate(large)}}, 1), list).added, 1);
  ASSERT_EQ(list.Count(), 3);  // appended, not replaced
  ASSERT_EQ(list.Find(150), 2);
  EXPECT_EQ(list.PictureAt(list.Find(150)).Width(), 7);
  EXPECT_EQ(list.Find(101), 1);
  EXPECT_EQ(list.Find(102), -1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Find(150), -1);
}

TEST(PicturePack, APackThatEndsEarlyKeepsThePicturesReadSoFar) {
  const auto bmps = ThreeBmps();
  for (const bool compress : {false, true}) {
    const Bytes full = MakePack(Entries(bmps, compress), compress ? 1 : 0);
    const std::size_t dataStart = 16 + 12 * 3;
    const std::size_t firstEnd = dataStart + Entries(bmps, compress)[0].data.size();
    const struct {
      const char* name;
      std::size_t keep;
      int added;
    } cases[] = {
        {"header cut", 10, 0},
        {"directory cut after one entry", 16 + 12 + 5, 0},
        {"first picture cut", dataStart + 3, 0},
        {"second picture cut", firstEnd + 10, 1},
        {"last byte missing", full.size() - 1, 2},
    };
    for (const auto& c : cases) {
      TATBitmap list;
      list.Add(Picture32(1, 1), 7);  // what the list held before stays
      const PackReadResult r = ReadPicturePack(std::span(full.data(), c.keep), list);
      EXPECT_EQ(r.status, PackReadStatus::kEndedEarly) << c.name << (compress ? " compressed" : "");
      EXPECT_EQ(r.added, c.added) << c.name;
      ASSERT_EQ(list.Count(), 1 + c.added) << c.name;
      for (int i = 0; i < c.added; ++i) EXPECT_EQ(list.NumberAt(1 + i), 101 + i) << c.name;
    }
  }
}

TEST(PicturePack, ACountOfZeroOrLessAddsNothing) {
  const Bytes bmp = samples::GradientBmp32(2, 2);
  for (const std::int32_t count : {0, -1, -3, INT_MIN}) {
    TATBitmap list;
    const PackReadResult r = ReadPicturePack(MakePack({{101, bmp}}, 0, count), list);
    EXPECT_EQ(r.status, PackReadStatus::kComplete) << count;
    EXPECT_EQ(list.Count(), 0) << count;
  }
  TATBitmap list;
  EXPECT_EQ(ReadPicturePack(MakePack({}, 1), list).status, PackReadStatus::kComplete);
  EXPECT_EQ(list.Count(), 0);
}

TEST(PicturePack, AbsurdCountsAndSizesStopThePackSafely) {
  const Bytes bmp = samples::GradientBmp32(4, 4);
  const Bytes packed = samples::Deflate(bmp);
  Bytes notBmp = bmp;
  notBmp[0] = 'X';
  const auto sized = [](const Bytes& data, std::int32_t size) { return PackEntry{102, data, size}; };
  const struct {
    const char* name;
    Bytes pack;
    PackReadStatus status;
    int added;
  } cases[] = {
      {"a count near the 32-bit limit", MakePack({{101, bmp}, {102, bmp}}, 0, INT_MAX), PackReadStatus::kEndedEarly, 0},
      {"a count one more than the directory", MakePack({{101, bmp}}, 0, 2), PackReadStatus::kEndedEarly, 0},
      {"a size near the 32-bit limit", MakePack({{101, bmp}, sized(bmp, INT_MAX)}, 0), PackReadStatus::kEndedEarly, 1},
      {"a negative size", MakePack({{101, bmp}, sized(bmp, -1)}, 0), PackReadStatus::kEndedEarly, 1},
      {"the most negative size", MakePack({{101, bmp}, sized(bmp, INT_MIN)}, 0), PackReadStatus::kEndedEarly, 1},
      {"a size of zero", MakePack({{101, bmp}, sized({}, 0), {103, bmp}}, 0), PackReadStatus::kDamagedPicture, 1},
      {"a compressed size of zero", MakePack({{101, packed}, sized({}, 0)}, 1), PackReadStatus::kDamagedPicture, 1},
      {"a size too small cuts the BMP", MakePack({{101, bmp}, sized(bmp, 30)}, 0), PackReadStatus::kDamagedPicture, 1},
      {"not a BMP", MakePack({{101, bmp}, {102, notBmp}, {103, bmp}}, 0), PackReadStatus::kDamagedPicture, 1},
      {"a damaged zlib stream", MakePack({{101, packed}, {102, Bytes(packed.begin(), packed.end() - 5)}, {103, packed}}, 1), PackReadStatus::kDamagedPicture, 1},
      {"plain pictures under the compressed flag", MakePack({{101, bmp}}, 1), PackReadStatus::kDamagedPicture, 0},
      {"compressed pictures under flag 0", MakePack({{101, packed}}, 0), PackReadStatus::kDamagedPicture, 0},
      {"a BMP of absurd width is refused and reading goes on", MakePack({{101, bmp}, {102, [&] { Bytes b = bmp; samples::Poke32(b, 18, 0x7FFFFFFF); return b; }()}, {103, bmp}}, 0), PackReadStatus::kComplete, 2},
  };
  for (const auto& c : cases) {
    TATBitmap list;
    const PackReadResult r = ReadPicturePack(c.pack, list);
    EXPECT_EQ(r.status, c.status) << c.name;
    EXPECT_EQ(r.added, c.added) << c.name;
    EXPECT_EQ(list.Count(), c.added) << c.name;
  }
}

// One-bit pictures compress to almost nothing: a small pack must not be able
// to ask for gigabytes, and pictures larger than a sticker shows are skipped.
TEST(PicturePack, DecodedPicturesStayWithinTheSideLimitAndTheBudget) {
  const auto oneBit = [](int side) {
    return samples::MakeBmp(samples::BmpArgs(1, side, side).Palette({{0, 0, 0, 0}, {255, 255, 255, 0}}),
                            [](int, int) { return 0u; });
  };
  const Bytes edge = samples::Deflate(oneBit(kMaxPackPictureSide));
  const Bytes over = samples::Deflate(oneBit(kMaxPackPictureSide + 1));
  const Bytes huge = samples::Deflate(oneBit(4096));  // 2 MB of BMP in about 2 KB
  const std::size_t edgeBytes = std::size_t{kMaxPackPictureSide} * kMaxPackPictureSide * 4;

  TATBitmap list;
  PackReadResult r = ReadPicturePack(MakePack({{101, over}, {102, edge}, {103, huge}}, 1), list);
  EXPECT_EQ(r.status, PackReadStatus::kComplete);
  EXPECT_EQ(r.added, 1);
  EXPECT_EQ(r.refused, 2);
  EXPECT_EQ(r.decodedBytes, edgeBytes);
  EXPECT_EQ(list.NumberAt(0), 102);

  std::vector<PackEntry> many;
  for (int i = 0; i < 200; ++i) many.push_back({200 + i, edge});  // 200 MB decoded from a small file
  const Bytes bomb = MakePack(many, 1);
  ASSERT_LT(bomb.size(), std::size_t{1} << 20);
  list.Clear();
  r = ReadPicturePack(bomb, list);
  EXPECT_EQ(r.status, PackReadStatus::kOverBudget);
  EXPECT_EQ(r.decodedBytes, kMaxPackDecodedBytes / edgeBytes * edgeBytes);
  EXPECT_EQ(list.Count(), static_cast<int>(kMaxPackDecodedBytes / edgeBytes));
  list.Clear();
  r = ReadPicturePack(bomb, list, 3 * edgeBytes);
  EXPECT_EQ(r.added, 3);
  EXPECT_EQ(r.status, PackReadStatus::kOverBudget);
}

TEST(PicturePack, NumbersAreKeptAsStoredEvenWhenRepeated) {
  const Bytes bmp = samples::GradientBmp32(1, 1);
  TATBitmap list;
  ASSERT_EQ(ReadPicturePack(MakePack({{-5, bmp}, {300, bmp}, {300, samples::GradientBmp32(2, 1)}, {0, bmp}}, 0), list).added, 4);
  EXPECT_EQ(list.NumberAt(0), -5);
  EXPECT_EQ(list.NumberAt(3), 0);
  EXPECT_EQ(list.Find(300), 2);
}

}  // namespace
