#include "store/data_files_win.h"

#include "store/sticker_database.h"
#include "store/task_file.h"

namespace {
// More than a full store is never loaded, so nothing beyond it is read.
constexpr std::size_t kLargestUsefulDatabase = kStickerSlotCount * kStickerRecordSize;
constexpr std::size_t kLargestUsefulTaskFile = kTaskSlotCount * kTaskRecordSize;
}  // namespace

StickerDatabaseFile::StickerDatabaseFile(std::wstring path, GuardedFileArgs args, Merged merged)
    : file_(std::move(path), kLargestUsefulDatabase, kStickerRecordSize, std::move(args)), merged_(std::move(merged)) {}

void StickerDatabaseFile::Read(Tmassiv& store, std::int32_t& startStickerId) {
  if (const auto image = file_.Read()) LoadDatabaseImage(*image, store, startStickerId);
}

GuardedFile::Merge StickerDatabaseFile::MergeInto(Tmassiv& store) {
  return [this, &store](std::span<const std::uint8_t> base, const GuardedFile::Bytes& theirs) {
    const StickerMergeReport report = MergeDatabaseImage(store, base, theirs);
    if (merged_) merged_(report);
  };
}

bool StickerDatabaseFile::Write(Tmassiv& store, std::vector<int>& lateSlots) {
  return file_.Write([&] { return BuildDatabaseImage(store); },
                     [&](const GuardedFile::Bytes& image) { lateSlots = AddLateDatabaseImage(image, store); },
                     MergeInto(store));
}

GuardedFile::Check StickerDatabaseFile::MergeChanges(Tmassiv& store) { return file_.MergeChanges(MergeInto(store)); }

TaskFile::TaskFile(std::wstring path, GuardedFileArgs args, Merged merged)
    : file_(std::move(path), kLargestUsefulTaskFile, kTaskRecordSize, std::move(args)), merged_(std::move(merged)) {}

void TaskFile::Read(Tmassiv& store) {
  if (const auto image = file_.Read()) LoadTaskImage(*image, store);
}

GuardedFile::Merge TaskFile::MergeInto(Tmassiv& store) {
  return [this, &store](std::span<const std::uint8_t> base, const GuardedFile::Bytes& theirs) {
    const TaskMergeReport report = MergeTaskImage(store, base, theirs);
    if (merged_) merged_(report);
  };
}

bool TaskFile::Write(Tmassiv& store) {
  return file_.Write([&] { return BuildTaskImage(store); },
                     [&](const GuardedFile::Bytes& image) { LoadTaskImage(image, store); }, MergeInto(store));
}

GuardedFile::Check TaskFile::MergeChanges(Tmassiv& store) { return file_.MergeChanges(MergeInto(store)); }
