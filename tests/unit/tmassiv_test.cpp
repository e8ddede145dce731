#include <gtest/gtest.h>

#include <memory>

#include "support/sticker_samples.h"

namespace {

class TmassivTest : public ::testing::Test {
 protected:
  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();
};

TEST_F(TmassivTest, FindsFreeSlotsAndStickersFromSlotZero) {
  EXPECT_EQ(store->FindFreeStickerSlot(), 0);
  EXPECT_EQ(store->CountStickers(), 0);
  EXPECT_EQ(store->FindSticker(5), -1);
  EXPECT_EQ(store->StickerIdOfSlot(0), -1);

  EXPECT_EQ(store->AddRecord(MakeSticker(5)), 0);
  EXPECT_EQ(store->AddRecord(MakeSticker(9)), 1);
  EXPECT_EQ(store->AddRecord(MakeSticker(5)), 2);  // same second, same id
  EXPECT_EQ(store->FindSticker(5), 0);
  EXPECT_EQ(store->StickerIdOfSlot(1), 9);
  EXPECT_EQ(store->CountStickers(), 3);

  store->DeleteSticker(5);  // hits the lower slot
  EXPECT_EQ(store->FindSticker(5), 2);
  EXPECT_EQ(store->FindFreeStickerSlot(), 0);
  EXPECT_EQ(store->CountStickers(), 2);
  EXPECT_EQ(store->StickerIdOfSlot(0), -1);
}

TEST_F(TmassivTest, AnUnusedIdCountsUpPastEveryIdInUse) {
  EXPECT_EQ(store->UnusedStickerId(100), 100);
  (void)store->AddRecord(MakeSticker(100));
  (void)store->AddRecord(MakeSticker(101));
  (void)store->AddRecord(MakeSticker(103));
  EXPECT_EQ(store->UnusedStickerId(100), 102);  // three stickers in one second: 100, 101, 102
  EXPECT_EQ(store->UnusedStickerId(103), 104);
  store->DeleteSticker(101);
  EXPECT_EQ(store->UnusedStickerId(100), 101);  // a free slot's id is free again
}

TEST_F(TmassivTest, AddRecordClearsTheWindowButAddUnchangedKeepsIt) {
  const int a = store->AddRecord(MakeSticker(1, true, 0x1234));
  const int b = store->AddRecordUnchanged(MakeSticker(2, true, 0x1234));
  EXPECT_EQ(store->Sticker(a).window, 0u);
  EXPECT_EQ(store->Sticker(b).window, 0x1234u);
  EXPECT_EQ(store->Sticker(b).in_use, 1);
}

TEST_F(TmassivTest, AFullStoreDropsNewRecords) {
  for (int i = 0; i < kStickerSlotCount; ++i) ASSERT_EQ(store->AddRecord(MakeSticker(i + 1)), i);
  EXPECT_EQ(store->FindFreeStickerSlot(), -1);
  EXPECT_EQ(store->CountStickers(), 256);
  EXPECT_EQ(store->AddRecord(MakeSticker(999)), -1);
  EXPECT_EQ(store->FindSticker(999), -1);
  store->ResetStickers();
  EXPECT_EQ(store->CountStickers(), 0);
}

TEST_F(TmassivTest, DeleteFreesOnlyAKnownIdsSlot) {
  store->AddRecordUnchanged(MakeSticker(1, true, 0x11));
  store->AddRecordUnchanged(MakeSticker(2, false, 0x22));
  EXPECT_FALSE(store->DeleteSticker(77));
  EXPECT_EQ(store->CountStickers(), 2);
  EXPECT_TRUE(store->DeleteSticker(2));
  EXPECT_EQ(store->FindSticker(2), -1);
  EXPECT_EQ(store->Sticker(0).window, 0x11u);  // the other record is left alone
  EXPECT_FALSE(store->DeleteSticker(2));
}

}  // namespace
