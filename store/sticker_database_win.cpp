#include "store/sticker_database_win.h"

#include "win/error_box_win.h"
#include "win/file_io_win.h"
#include "store/sticker_database.h"

namespace {
// More than a full store is never loaded, so nothing beyond it is read.
constexpr std::size_t kLargestUsefulFile = kStickerSlotCount * kStickerRecordSize;
}  // namespace

bool WriteStickerDatabase(const std::wstring& path, const Tmassiv& store) {
  const DWORD error = WriteFileAtomically(path, BuildDatabaseImage(store));
  if (error != 0) ShowFileError(FileErrorKind::kCreate, path, error);
  return error == 0;
}

void ReadStickerDatabase(const std::wstring& path, Tmassiv& store, std::int32_t& startStickerId) {
  const FileReadResult file = ReadWholeFile(path, kLargestUsefulFile);
  if (file.status == FileReadResult::Status::kFailed) ShowFileError(FileErrorKind::kOpen, path, file.error);
  if (file.status != FileReadResult::Status::kOk) return;
  LoadDatabaseImage(file.bytes, store, startStickerId);
}
