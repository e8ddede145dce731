#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

#include "store/sticker_database.h"
#include "support/sticker_samples.h"

namespace {

class DatabaseTest : public ::testing::Test {
 protected:
  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();
  std::int32_t startId = 0;
};

TEST_F(DatabaseTest, AnEmptyStoreWritesAnEmptyFileThatLoadsNothing) {
  EXPECT_TRUE(BuildDatabaseImage(*store).empty());
  LoadDatabaseImage({}, *store, startId);
  EXPECT_EQ(store->CountStickers(), 0);
}

TEST_F(DatabaseTest, OccupiedSlotsAreWrittenInOrderAndComeBackWithoutGaps) {
  for (int i = 0; i < 8; ++i) store->AddRecord(MakeSticker(100 + i));
  for (int i = 0; i < 8; ++i)
    if (i != 3 && i != 7) store->DeleteSticker(100 + i);
  store->Sticker(3).window = 0xABCD;
  const auto image = BuildDatabaseImage(*store);
  ASSERT_EQ(image.size(), 5064u);
  EXPECT_EQ(std::memcmp(image.data(), &store->Sticker(3), kStickerRecordSize), 0);  // byte for byte
  EXPECT_EQ(std::memcmp(image.data() + kStickerRecordSize, &store->Sticker(7), kStickerRecordSize), 0);

  auto loaded = std::make_unique<Tmassiv>();
  LoadDatabaseImage(image, *loaded, startId);
  EXPECT_EQ(loaded->CountStickers(), 2);
  EXPECT_EQ(loaded->StickerIdOfSlot(0), 103);
  EXPECT_EQ(loaded->StickerIdOfSlot(1), 107);
  EXPECT_EQ(loaded->Sticker(0).window, 0u);  // a handle from an earlier run is cleared
  EXPECT_EQ(BuildDatabaseImage(*loaded).size(), 5064u);
}

TEST_F(DatabaseTest, APartialTrailingRecordIsIgnored) {
  auto image = DatabaseImageOf({MakeSticker(1), MakeSticker(2)});
  image.resize(5000);
  LoadDatabaseImage(image, *store, startId);
  EXPECT_EQ(store->CountStickers(), 1);
  EXPECT_EQ(store->StickerIdOfSlot(0), 1);
}

TEST_F(DatabaseTest, StartStickerIdForcesOnlyTheFirstMatchingRecordOpen) {
  const auto image = DatabaseImageOf({MakeSticker(4, false), MakeSticker(7, false), MakeSticker(7, false)});
  startId = 7;
  LoadDatabaseImage(image, *store, startId);
  EXPECT_EQ(startId, 0);
  EXPECT_EQ(store->Sticker(0).visible, 0);
  EXPECT_EQ(store->Sticker(1).visible, 1);
  EXPECT_EQ(store->Sticker(2).visible, 0);

  auto again = std::make_unique<Tmassiv>();
  startId = 42;  // no such record: nothing opens and the id stays
  LoadDatabaseImage(image, *again, startId);
  EXPECT_EQ(startId, 42);
  for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(again->Sticker(slot).visible, 0);
}

TEST_F(DatabaseTest, RecordsBeyondTheStoreAreDropped) {
  std::vector<StickerRecord> records;
  for (int i = 0; i < 300; ++i) records.push_back(MakeSticker(i + 1));
  LoadDatabaseImage(DatabaseImageOf(records), *store, startId);
  EXPECT_EQ(store->CountStickers(), 256);
  EXPECT_EQ(store->StickerIdOfSlot(255), 256);
  EXPECT_EQ(store->FindSticker(257), -1);
}

TEST_F(DatabaseTest, RecordsAreTakenAsTheyAreButTheTextLengthIsBounded) {
  StickerRecord damaged = MakeSticker(5);
  damaged.text_length = 0xFFFFFFFF;
  damaged.in_use = 0;  // still added and marked used
  StickerRecord fine = MakeSticker(6);
  fine.reserved2524[0] = 0x5A;  // reserved bytes are kept
  LoadDatabaseImage(DatabaseImageOf({damaged, fine}), *store, startId);
  ASSERT_EQ(store->CountStickers(), 2);
  EXPECT_EQ(store->Sticker(0).text_length, kStickerTextCapacity);
  EXPECT_EQ(GetStickerText(store->Sticker(0)).size(), kStickerTextCapacity);
  EXPECT_EQ(store->Sticker(1).reserved2524[0], 0x5A);
  EXPECT_EQ(GetStickerText(store->Sticker(1)), "note 6");
}

// A base.db that reads only after notes were made meanwhile: every record
// joins them, one whose id is taken gets a fresh id, and the slots filled are
// told so that their windows can open.
TEST_F(DatabaseTest, LateRecordsJoinTheStoreWithIdsOfTheirOwn) {
  store->AddRecord(MakeSticker(200));  // made while the file was held
  StickerRecord clash = MakeSticker(200, false);
  SetStickerText(clash, "older note");
  const auto late = AddLateDatabaseImage(DatabaseImageOf({MakeSticker(100), clash, MakeSticker(201)}), *store);
  EXPECT_EQ(late, (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(store->CountStickers(), 4);
  EXPECT_EQ(store->StickerIdOfSlot(0), 200);
  EXPECT_EQ(store->StickerIdOfSlot(1), 100);
  std::set<std::int32_t> ids;
  for (int slot = 0; slot < 4; ++slot) ids.insert(store->StickerIdOfSlot(slot));
  EXPECT_EQ(ids.size(), 4u);  // the clash and the record after it included
  EXPECT_EQ(GetStickerText(store->Sticker(2)), "older note");
  EXPECT_EQ(store->Sticker(2).visible, 0);

  std::vector<StickerRecord> many;
  for (int i = 0; i < 300; ++i) many.push_back(MakeSticker(1000 + i));
  EXPECT_EQ(AddLateDatabaseImage(DatabaseImageOf(many), *store).size(), 252u);  // what the store still holds
  EXPECT_EQ(store->CountStickers(), 256);
}

}  // namespace
