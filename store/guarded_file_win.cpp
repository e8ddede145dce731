#include "store/guarded_file_win.h"

#include "win/busy_file_win.h"
#include "win/file_io_win.h"

namespace {

FileReadResult ReadPatiently(const std::wstring& path, std::size_t largest, std::chrono::milliseconds patience) {
  FileReadResult file;
  RetryWhileBusy(
      [&] {
        file = ReadWholeFile(path, largest);
        return file.status == FileReadResult::Status::kFailed ? file.error : DWORD{0};
      },
      FileBusy, patience);
  return file;
}

}  // namespace

std::optional<GuardedFile::Bytes> GuardedFile::Read() {
  FileReadResult file = ReadPatiently(path_, largest_, a_.patience);
  lastReadFailed_ = file.status == FileReadResult::Status::kFailed;
  if (lastReadFailed_) a_.reports.fileError(FileErrorKind::kOpen, path_, file.error);
  if (file.status != FileReadResult::Status::kOk) return std::nullopt;
  return std::move(file.bytes);
}

// One more read, without waiting: the user is at work by now.
bool GuardedFile::MakeWayAfterFailedRead(const std::function<void(const Bytes&)>& addLate) {
  const FileReadResult file = ReadWholeFile(path_, largest_);
  if (file.status == FileReadResult::Status::kOk) {
    addLate(file.bytes);
    return true;
  }
  const KeptFile kept = KeepUnreadFile(path_);
  if (kept.error != 0) {
    a_.reports.fileError(FileErrorKind::kCreate, path_, kept.error);
    return false;
  }
  if (!kept.keptAs.empty()) a_.reports.keptUnread(kept.keptAs);
  return true;
}

bool GuardedFile::Write(const std::function<Bytes()>& image, const std::function<void(const Bytes&)>& addLate) {
  if (lastReadFailed_) {
    if (!MakeWayAfterFailedRead(addLate)) return false;
    lastReadFailed_ = false;
  }
  if (a_.backup) a_.backup->BeforeWrite(path_);
  const Bytes bytes = image();
  const DWORD error = RetryWhileBusy([&] { return WriteFileAtomically(path_, bytes); }, ReplacedFileBusy, a_.writePatience);
  if (error != 0) a_.reports.fileError(FileErrorKind::kCreate, path_, error);
  return error == 0;
}
