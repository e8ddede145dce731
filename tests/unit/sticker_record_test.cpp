#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "store/sticker_identity.h"
#include "store/sticker_record.h"

namespace {

template <typename T>
T At(const StickerRecord& r, std::size_t offset) {
  T value;
  std::memcpy(&value, reinterpret_cast<const std::uint8_t*>(&r) + offset, sizeof(T));
  return value;
}

TEST(StickerRecord, NewRecordHasTheDefaultsAtTheirFileOffsets) {
  const StickerRecord r = NewStickerRecord(0x123456);
  EXPECT_EQ(At<std::uint32_t>(r, 0), 0u);
  struct Block { std::size_t base; std::int32_t x, y, width; std::uint8_t size; };
  for (const Block b : {Block{4, 14, 2, 0, 10}, Block{120, 14, 2, 0, 7}, Block{236, 16, 26, 208, 8}}) {
    SCOPED_TRACE(b.base);
    EXPECT_EQ(At<std::uint32_t>(r, b.base + 0), 0xFFFFFFu);
    EXPECT_EQ(At<std::uint32_t>(r, b.base + 4), 0u);
    EXPECT_EQ(At<std::uint8_t>(r, b.base + 8), 1);
    EXPECT_EQ(At<std::int32_t>(r, b.base + 12), b.x);
    EXPECT_EQ(At<std::int32_t>(r, b.base + 16), b.y);
    EXPECT_EQ(At<std::int32_t>(r, b.base + 20), b.width);
    EXPECT_EQ(At<std::int32_t>(r, b.base + 24), 0);
    EXPECT_EQ(At<std::uint8_t>(r, b.base + 28), b.size);
    EXPECT_EQ(At<std::uint8_t>(r, b.base + 29), 6);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&r) + b.base + 30, "Tahoma", 6), 0);
    EXPECT_EQ(At<std::uint8_t>(r, b.base + 78), 0);
    EXPECT_EQ(At<std::uint8_t>(r, b.base + 111), 255);
    EXPECT_EQ(At<std::uint8_t>(r, b.base + 112), 1);
  }
  EXPECT_EQ(At<std::int32_t>(r, 352), -1);
  EXPECT_EQ(At<std::int32_t>(r, 356), -1);
  EXPECT_EQ(At<std::uint8_t>(r, 368), 255);
  EXPECT_EQ(At<std::uint8_t>(r, 369), 0);
  EXPECT_EQ(At<std::uint16_t>(r, 370), 5);
  EXPECT_EQ(At<std::uint8_t>(r, 372), 1);
  EXPECT_EQ(At<std::uint32_t>(r, 376), 0x123456u);
  EXPECT_EQ(At<std::uint8_t>(r, 380), 1);
  EXPECT_EQ(At<std::uint16_t>(r, 382), 0);
  EXPECT_EQ(At<std::uint8_t>(r, 386), 1);
  EXPECT_EQ(At<std::int32_t>(r, 392), 2000);
  EXPECT_EQ(At<std::uint8_t>(r, 396), 1);
  for (std::size_t i = 399; i < 463; ++i) EXPECT_EQ(At<std::uint8_t>(r, i), 0) << i;
  EXPECT_EQ(At<std::uint32_t>(r, 2512), 0u);
  EXPECT_TRUE(IsUnplaced(r));
}

TEST(StickerRecord, ShortStringsAreCutToTheirCapacity) {
  StickerRecord r = NewStickerRecord(0);
  r.caption.line_text.Assign(std::string(40, 'c'));
  EXPECT_EQ(r.caption.line_text.length, 32);
  EXPECT_EQ(r.caption.line_text.View(), std::string(32, 'c'));
  r.caption.font_name.length = 200;  // a damaged length never reads past the field
  EXPECT_EQ(r.caption.font_name.View().size(), 48u);
}

TEST(StickerText, WritingFillsTheRestWithPlusAndReadingRespectsTheLength) {
  struct Case { std::size_t length; std::size_t stored; };
  for (const Case c : {Case{0, 0}, Case{3, 3}, Case{2048, 2048}, Case{3000, 2048}}) {
    SCOPED_TRACE(c.length);
    StickerRecord r = NewStickerRecord(0);
    std::string text(c.length, 'x');
    SetStickerText(r, text);
    EXPECT_EQ(r.text_length, c.stored);
    EXPECT_EQ(GetStickerText(r), text.substr(0, c.stored));
    for (std::size_t i = c.stored; i < kStickerTextCapacity; ++i) ASSERT_EQ(r.text[i], '+') << i;
  }
  StickerRecord r = NewStickerRecord(0);
  r.text_length = 0xFFFFFFFF;
  EXPECT_EQ(GetStickerText(r).size(), kStickerTextCapacity);
}

TEST(StickerRecord, OnlyBothCoordinatesAtMinusOneMeanUnplaced) {
  StickerRecord r = NewStickerRecord(0);
  r.top = 0;
  EXPECT_FALSE(IsUnplaced(r));
}

TEST(StickerIdentity, IdsAreWholeLocalSecondsSince1970Rounded) {
  EXPECT_EQ(NewStickerId(EncodeDateTime({1970, 1, 1})), 0);
  EXPECT_EQ(NewStickerId(EncodeDateTime({1970, 1, 1, 0, 0, 1})), 1);
  EXPECT_EQ(NewStickerId(EncodeDateTime({2026, 12, 7, 23, 30, 0, 600})), 1796686201);
  EXPECT_EQ(NewStickerId(EncodeDateTime({2026, 12, 7, 23, 30, 0, 400})), 1796686200);
  EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30}), 0.0);
  EXPECT_DOUBLE_EQ(EncodeDateTime({2000, 1, 1, 12}), 36526.5);
}

TEST(StickerIdentity, RandomColoursAreNeverDark) {
  std::mt19937 random(7);
  int lowest = 255, highest = 0;
  for (int i = 0; i < 5000; ++i) {
    const Colour c = RandomStickerColor(random);
    EXPECT_EQ(c >> 24, 0u);
    for (int shift : {0, 8, 16}) {
      const int channel = static_cast<int>((c >> shift) & 0xFF);
      lowest = std::min(lowest, channel);
      highest = std::max(highest, channel);
    }
  }
  EXPECT_EQ(lowest, 32);
  EXPECT_EQ(highest, 255);
}

}  // namespace
