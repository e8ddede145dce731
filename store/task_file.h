#pragma once
// plan.db: the used task slots as raw 240-byte records, lowest slot first,
// with no header, count or checksum. These functions build and take apart the
// file image; the Win32 layer reads and writes the file itself.

#include <cstdint>
#include <span>
#include <vector>

#include "store/tmassiv.h"

std::vector<std::uint8_t> BuildTaskImage(const Tmassiv& store);

// The whole records of an image, in file order, as they are.
std::vector<TaskRecord> TaskRecords(std::span<const std::uint8_t> image);

// Puts every whole record of the image into the lowest free slot, in file
// order, marked used; a trailing partial record is ignored and records that
// find no free slot are dropped.
void LoadTaskImage(std::span<const std::uint8_t> image, Tmassiv& store);
