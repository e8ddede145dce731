#include "store/sticker_database.h"

#include <cstring>

#include "store/slot_image.h"

std::vector<std::uint8_t> BuildDatabaseImage(const Tmassiv& store) {
  return ImageOfUsedSlots<StickerRecord>(kStickerSlotCount, store.CountStickers(), [&](int slot) {
    return store.Sticker(slot).in_use ? &store.Sticker(slot) : nullptr;
  });
}

void LoadDatabaseImage(std::span<const std::uint8_t> image, Tmassiv& store, std::int32_t& startStickerId) {
  const std::size_t count = image.size() / kStickerRecordSize;
  for (std::size_t k = 0; k < count; ++k) {
    StickerRecord record;
    std::memcpy(&record, image.data() + k * kStickerRecordSize, kStickerRecordSize);
    if (record.text_length > kStickerTextCapacity) record.text_length = kStickerTextCapacity;
    if (startStickerId != 0 && record.id == startStickerId) {
      record.visible = 1;
      startStickerId = 0;
    }
    store.AddRecord(record);
  }
}
