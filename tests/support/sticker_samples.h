#pragma once
// Helpers shared by the store and database tests.

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "store/sticker_record.h"
#include "store/tmassiv.h"

inline StickerRecord MakeSticker(std::int32_t id, bool visible = true, std::uint32_t window = 0) {
  StickerRecord r = NewStickerRecord(0x405060);
  r.id = id;
  r.visible = visible ? 1 : 0;
  r.window = window;
  SetStickerText(r, "note " + std::to_string(id));
  return r;
}

// The file image of the records, as base.db holds them.
inline std::vector<std::uint8_t> DatabaseImageOf(const std::vector<StickerRecord>& records) {
  std::vector<std::uint8_t> image(records.size() * kStickerRecordSize);
  for (std::size_t i = 0; i < records.size(); ++i)
    std::memcpy(image.data() + i * kStickerRecordSize, &records[i], kStickerRecordSize);
  return image;
}
