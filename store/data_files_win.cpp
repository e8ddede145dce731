#include "store/data_files_win.h"

#include "store/sticker_database.h"
#include "store/task_file.h"

namespace {
// More than a full store is never loaded, so nothing beyond it is read.
constexpr std::size_t kLargestUsefulDatabase = kStickerSlotCount * kStickerRecordSize;
constexpr std::size_t kLargestUsefulTaskFile = kTaskSlotCount * kTaskRecordSize;
}  // namespace

StickerDatabaseFile::StickerDatabaseFile(std::wstring path, GuardedFileArgs args)
    : file_(std::move(path), kLargestUsefulDatabase, std::move(args)) {}

void StickerDatabaseFile::Read(Tmassiv& store, std::int32_t& startStickerId) {
  if (const auto image = file_.Read()) LoadDatabaseImage(*image, store, startStickerId);
}

bool StickerDatabaseFile::Write(Tmassiv& store, std::vector<int>& lateSlots) {
  return file_.Write([&] { return BuildDatabaseImage(store); },
                     [&](const GuardedFile::Bytes& image) { lateSlots = AddLateDatabaseImage(image, store); });
}

TaskFile::TaskFile(std::wstring path, GuardedFileArgs args)
    : file_(std::move(path), kLargestUsefulTaskFile, std::move(args)) {}

void TaskFile::Read(Tmassiv& store) {
  if (const auto image = file_.Read()) LoadTaskImage(*image, store);
}

bool TaskFile::Write(Tmassiv& store) {
  return file_.Write([&] { return BuildTaskImage(store); },
                     [&](const GuardedFile::Bytes& image) { LoadTaskImage(image, store); });
}
