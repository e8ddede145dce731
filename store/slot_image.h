#pragma once
// The file image of a table of slots: the records of the used slots, lowest
// slot first, byte for byte, with nothing between them.

#include <cstdint>
#include <span>
#include <vector>

// `recordOf(slot)` gives the slot's record, or null for a free slot.
template <typename Record, typename RecordOf>
std::vector<std::uint8_t> ImageOfUsedSlots(int slots, int used, RecordOf recordOf) {
  std::vector<std::uint8_t> image;
  image.reserve(static_cast<std::size_t>(used) * sizeof(Record));
  for (int slot = 0; slot < slots; ++slot) {
    const Record* record = recordOf(slot);
    if (!record) continue;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(record);
    image.insert(image.end(), bytes, bytes + sizeof(Record));
  }
  return image;
}

// The file image of records in their order.
template <typename Record>
std::vector<std::uint8_t> ImageOfRecords(std::span<const Record> records) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(records.data());
  return std::vector<std::uint8_t>(bytes, bytes + records.size_bytes());
}
