#include "store/data_files_win.h"

#include "store/sticker_database.h"
#include "store/task_file.h"

namespace {
// More than a full store is never loaded, so nothing beyond it is read.
constexpr std::size_t kLargestUsefulDatabase = kStickerSlotCount * kStickerRecordSize;
constexpr std::size_t kLargestUsefulTaskFile = kTaskSlotCount * kTaskRecordSize;
}  // namespace

void StickerDatabaseFile::Read(Tmassiv& store, std::int32_t& startStickerId) {
  if (const auto image = file_.Read(kLargestUsefulDatabase)) LoadDatabaseImage(*image, store, startStickerId);
}

bool StickerDatabaseFile::Write(const Tmassiv& store) { return file_.Write(BuildDatabaseImage(store)); }

void TaskFile::Read(Tmassiv& store) {
  if (const auto image = file_.Read(kLargestUsefulTaskFile)) LoadTaskImage(*image, store);
}

bool TaskFile::Write(const Tmassiv& store) { return file_.Write(BuildTaskImage(store)); }
