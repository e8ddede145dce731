#include "store/guarded_file_win.h"

#include <cwctype>

#include "win/busy_file_win.h"
#include "win/file_io_win.h"
#include "win/handles_win.h"

namespace {

// How long a check before a write waits for a file still arriving.
constexpr std::chrono::milliseconds kArrivalPatience{2000};
constexpr DWORD kArrivalStepMs = 50;

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

// Held while a file is compared and written, so that two copies of the
// program on one machine never both write over the same unseen bytes. Named
// after the file's path, any case; a lock that could not be had in time is
// gone without: the write must still happen.
class WriteTurn {
 public:
  WriteTurn(const std::wstring& path, std::chrono::milliseconds patience) {
    std::wstring upper = path;
    for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(upper.data());
    const std::wstring name =
        L"Local\\Quillory.write." + std::to_wstring(ContentHash({bytes, upper.size() * sizeof(wchar_t)}));
    mutex_.Reset(CreateMutexW(nullptr, FALSE, name.c_str()));
    if (!mutex_) return;
    const DWORD waited = WaitForSingleObject(mutex_.Get(), static_cast<DWORD>(patience.count()));
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  }
  ~WriteTurn() {
    if (held_) ReleaseMutex(mutex_.Get());
  }
  WriteTurn(const WriteTurn&) = delete;
  WriteTurn& operator=(const WriteTurn&) = delete;

 private:
  UniqueHandle mutex_;
  bool held_ = false;
};

}  // namespace

// The time is taken after the read: a change made in between shows as one,
// and costs a comparison of bytes only.
void GuardedFile::RememberRead(const Bytes& bytes) {
  const auto stamp = StampOf(path_);
  known_.Remember(bytes, stamp ? stamp->writeTime : 0);
}

std::optional<GuardedFile::Bytes> GuardedFile::Read() {
  FileReadResult file = ReadPatiently(path_, largest_, a_.patience);
  lastReadFailed_ = file.status == FileReadResult::Status::kFailed;
  if (lastReadFailed_) a_.reports.fileError(FileErrorKind::kOpen, path_, file.error);
  if (file.status == FileReadResult::Status::kMissing) known_.RememberMissing();
  if (file.status != FileReadResult::Status::kOk) return std::nullopt;
  RememberRead(file.bytes);
  return std::move(file.bytes);
}

GuardedFile::Check GuardedFile::MergeChanges(const Merge& merge) {
  // A file never read has no base to merge against: the next write adds
  // its records to the store first.
  if (lastReadFailed_) return Check::kUnchanged;
  const auto stamp = StampOf(path_);
  // A file gone (deleted, or between a sync tool's steps) is never merged as
  // empty: the next write puts it back.
  if (!stamp || !known_.MayDiffer(stamp->size, stamp->writeTime)) return Check::kUnchanged;
  if (stamp->size % unit_ != 0) return Check::kNotYet;
  const FileReadResult file = ReadWholeFile(path_, largest_);
  if (file.status == FileReadResult::Status::kMissing) return Check::kUnchanged;
  if (file.status != FileReadResult::Status::kOk || file.bytes.size() % unit_ != 0) return Check::kNotYet;
  if (!known_.Differs(file.bytes)) {
    known_.Remember(file.bytes, stamp->writeTime);
    return Check::kUnchanged;
  }
  // Known first: whatever the merge sets off (a window that writes its new
  // place, say) compares the file with what it holds now.
  const Bytes base(known_.Base().begin(), known_.Base().end());
  known_.Remember(file.bytes, stamp->writeTime);
  merge(base, file.bytes);
  return Check::kMerged;
}

void GuardedFile::MergeBeforeWrite(const Merge& merge) {
  const DWORD start = GetTickCount();
  while (MergeChanges(merge) == Check::kNotYet && GetTickCount() - start < kArrivalPatience.count()) Sleep(kArrivalStepMs);
}

// One more read, without waiting: the user is at work by now.
bool GuardedFile::MakeWayAfterFailedRead(const std::function<void(const Bytes&)>& addLate) {
  const FileReadResult file = ReadWholeFile(path_, largest_);
  if (file.status == FileReadResult::Status::kOk) {
    addLate(file.bytes);
    RememberRead(file.bytes);
    return true;
  }
  const KeptFile kept = KeepUnreadFile(path_);
  if (kept.error != 0) {
    a_.reports.fileError(FileErrorKind::kCreate, path_, kept.error);
    return false;
  }
  if (!kept.keptAs.empty()) a_.reports.keptUnread(kept.keptAs);
  known_.RememberMissing();
  return true;
}

bool GuardedFile::Write(const std::function<Bytes()>& image, const std::function<void(const Bytes&)>& addLate,
                        const Merge& merge) {
  const WriteTurn turn(path_, a_.writePatience);
  if (lastReadFailed_) {
    if (!MakeWayAfterFailedRead(addLate)) return false;
    lastReadFailed_ = false;
  }
  MergeBeforeWrite(merge);
  if (a_.backup) a_.backup->BeforeWrite(path_);
  const Bytes bytes = image();
  const DWORD error = RetryWhileBusy([&] { return WriteFileAtomically(path_, bytes); }, ReplacedFileBusy, a_.writePatience);
  if (error != 0) {
    a_.reports.fileError(FileErrorKind::kCreate, path_, error);
    return false;
  }
  RememberRead(bytes);
  return true;
}
