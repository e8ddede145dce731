#include "store/sticker_database.h"

#include <cstring>

#include "store/slot_image.h"

std::vector<std::uint8_t> BuildDatabaseImage(const Tmassiv& store) {
  return ImageOfUsedSlots<StickerRecord>(kStickerSlotCount, store.CountStickers(), [&](int slot) {
    return store.Sticker(slot).in_use ? &store.Sticker(slot) : nullptr;
  });
}

namespace {

std::size_t RecordCount(std::span<const std::uint8_t> image) { return image.size() / kStickerRecordSize; }

StickerRecord RecordAt(std::span<const std::uint8_t> image, std::size_t k) {
  StickerRecord record;
  std::memcpy(&record, image.data() + k * kStickerRecordSize, kStickerRecordSize);
  if (record.text_length > kStickerTextCapacity) record.text_length = kStickerTextCapacity;
  return record;
}

}  // namespace

std::vector<StickerRecord> DatabaseRecords(std::span<const std::uint8_t> image) {
  std::vector<StickerRecord> records(RecordCount(image));
  for (std::size_t k = 0; k < records.size(); ++k) records[k] = RecordAt(image, k);
  return records;
}

void LoadDatabaseImage(std::span<const std::uint8_t> image, Tmassiv& store, std::int32_t& startStickerId) {
  for (std::size_t k = 0; k < RecordCount(image); ++k) {
    StickerRecord record = RecordAt(image, k);
    if (startStickerId != 0 && record.id == startStickerId) {
      record.visible = 1;
      startStickerId = 0;
    }
    store.AddRecord(record);
  }
}

std::vector<int> AddLateDatabaseImage(std::span<const std::uint8_t> image, Tmassiv& store) {
  std::vector<int> slots;
  for (std::size_t k = 0; k < RecordCount(image); ++k) {
    StickerRecord record = RecordAt(image, k);
    record.id = store.UnusedStickerId(record.id);
    const int slot = store.AddRecord(record);
    if (slot < 0) break;
    slots.push_back(slot);
  }
  return slots;
}
