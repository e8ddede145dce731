#pragma once
// base.db: the occupied sticker slots as raw 2532-byte records, lowest slot
// first, with no header. These functions build and take apart the file image;
// reading and writing the file itself is the Win32 layer's job.

#include <cstdint>
#include <span>
#include <vector>

#include "store/tmassiv.h"

std::vector<std::uint8_t> BuildDatabaseImage(const Tmassiv& store);

// The whole records of an image in file order, each with a text length above
// the buffer cut to the buffer.
std::vector<StickerRecord> DatabaseRecords(std::span<const std::uint8_t> image);

// Adds every whole record of the image to the store (a trailing partial record
// is ignored, records that find no free slot are dropped). A record whose id
// equals startStickerId is loaded visible and startStickerId becomes 0, so only
// the first such record is forced open. A text length above the buffer is cut
// to the buffer.
void LoadDatabaseImage(std::span<const std::uint8_t> image, Tmassiv& store, std::int32_t& startStickerId);

// Adds the records of a base.db that could be read only after the store had
// changed (a new note, say): a record whose id the store uses already gets
// a fresh one, so that every id still names one sticker. Returns the slots
// filled, in file order.
std::vector<int> AddLateDatabaseImage(std::span<const std::uint8_t> image, Tmassiv& store);
