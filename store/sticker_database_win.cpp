#include "store/sticker_database_win.h"

#include "store/sticker_database.h"
#include "win/error_box_win.h"
#include "win/file_io_win.h"

namespace {
// More than a full store is never loaded, so nothing beyond it is read.
constexpr std::size_t kLargestUsefulFile = kStickerSlotCount * kStickerRecordSize;
}  // namespace

void StickerDatabaseFile::Read(Tmassiv& store, std::int32_t& startStickerId) {
  const FileReadResult file = ReadWholeFile(path_, kLargestUsefulFile);
  lastReadFailed_ = file.status == FileReadResult::Status::kFailed;
  if (lastReadFailed_) ShowFileError(FileErrorKind::kOpen, path_, file.error);
  if (file.status != FileReadResult::Status::kOk) return;
  LoadDatabaseImage(file.bytes, store, startStickerId);
}

bool StickerDatabaseFile::Write(const Tmassiv& store) {
  if (lastReadFailed_) {
    const DWORD kept = KeepUnreadFile(path_);
    if (kept != 0) {
      ShowFileError(FileErrorKind::kCreate, path_, kept);
      return false;
    }
    lastReadFailed_ = false;
  }
  const DWORD error = WriteFileAtomically(path_, BuildDatabaseImage(store));
  if (error != 0) ShowFileError(FileErrorKind::kCreate, path_, error);
  return error == 0;
}
