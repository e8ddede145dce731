#include "store/sticker_database.h"

#include <cstring>

std::vector<std::uint8_t> BuildDatabaseImage(const Tmassiv& store) {
  std::vector<std::uint8_t> image;
  image.reserve(static_cast<std::size_t>(store.CountStickers()) * kStickerRecordSize);
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    const StickerRecord& record = store.Sticker(slot);
    if (!record.in_use) continue;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    image.insert(image.end(), bytes, bytes + kStickerRecordSize);
  }
  return image;
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
