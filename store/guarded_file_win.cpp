#include "store/guarded_file_win.h"

#include "win/error_box_win.h"
#include "win/file_io_win.h"

std::optional<std::vector<std::uint8_t>> GuardedFile::Read(std::size_t largest) {
  FileReadResult file = ReadWholeFile(path_, largest);
  lastReadFailed_ = file.status == FileReadResult::Status::kFailed;
  if (lastReadFailed_) ShowFileError(FileErrorKind::kOpen, path_, file.error);
  if (file.status != FileReadResult::Status::kOk) return std::nullopt;
  return std::move(file.bytes);
}

bool GuardedFile::Write(std::span<const std::uint8_t> bytes) {
  if (lastReadFailed_) {
    const DWORD kept = KeepUnreadFile(path_);
    if (kept != 0) {
      ShowFileError(FileErrorKind::kCreate, path_, kept);
      return false;
    }
    lastReadFailed_ = false;
  }
  if (backup_) backup_->BeforeWrite(path_);
  const DWORD error = WriteFileAtomically(path_, bytes);
  if (error != 0) ShowFileError(FileErrorKind::kCreate, path_, error);
  return error == 0;
}
