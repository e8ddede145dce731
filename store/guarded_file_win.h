#pragma once
// A data file of the user's (base.db, plan.db) read whole and written whole,
// crash-safe; failures are reported (the standard error boxes by default).
//
// A file that exists but cannot be read (held by a backup or sync tool at
// logon, say) still holds the user's data. The read is tried again for a few
// seconds while the error looks passing. Before the first write after a
// failed read the file is read once more and its contents handed to the
// owner, who adds them to what it writes. Only a file that still cannot be
// read is kept under a free name ("base.db.unread", "base.db.unread.1", ...)
// and the user is told where; if it cannot even be kept, the write fails and
// is reported, so the data is never overwritten.
//
// A write that finds the file held by a reader tries again for a moment
// before it reports. With a daily backup, the first write of each day first
// copies the file.
//
// The file may be shared with another computer through a sync tool, or with
// another copy of the program on one folder. What the file held when it was
// last read or written here is remembered; a write never goes over bytes it
// has not seen: a file changed since is read and handed to the owner to
// merge first. Copies of the program on one machine take turns at the
// check-and-write.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/daily_backup_win.h"
#include "store/file_snapshot.h"
#include "win/error_box_win.h"

// Who hears of what went wrong: the error boxes, or a test.
struct DataFileReports {
  std::function<void(FileErrorKind, const std::wstring& path, DWORD error)> fileError = ShowFileError;
  // Once per file set aside, with the name it is kept under.
  std::function<void(const std::wstring& keptAs)> keptUnread = [](const std::wstring&) {};
};

struct GuardedFileArgs {
  std::optional<DailyBackup> backup;
  DataFileReports reports;
  // How long a read waits for a file another program holds.
  std::chrono::milliseconds patience{5000};
  // How long a write waits for a reader to let go: the user is at work, and
  // a scanner or a sync tool holds a file for a moment only.
  std::chrono::milliseconds writePatience{2000};
};

class GuardedFile {
 public:
  using Bytes = std::vector<std::uint8_t>;
  // Merges the file's bytes now (`theirs`) against the ones last known here.
  using Merge = std::function<void(std::span<const std::uint8_t> base, const Bytes& theirs)>;
  enum class Check { kUnchanged, kMerged, kNotYet };

  // Reads give at most `largest` bytes from the start of the file; a whole
  // file is a whole number of `unit`s (records).
  GuardedFile(std::wstring path, std::size_t largest, std::size_t unit, GuardedFileArgs args = {})
      : path_(std::move(path)), largest_(largest), unit_(unit), a_(std::move(args)) {}

  // Nothing when the file is missing (said nothing) or could not be read
  // (reported and remembered).
  std::optional<Bytes> Read();
  // Writes what `image` builds. After a failed read, `addLate` first gets the
  // file's bytes if it reads now, before `image` is built. Returns false when
  // the file was not written (reported).
  // A file changed since it was last known is first given to `merge`.
  bool Write(const std::function<Bytes()>& image, const std::function<void(const Bytes&)>& addLate, const Merge& merge);
  // Whether another program changed the file: if so and it reads whole now,
  // `merge` gets it (kMerged); a file held, or with part of a record (still
  // arriving), is kNotYet; our own writes are kUnchanged.
  Check MergeChanges(const Merge& merge);
  bool LastReadFailed() const { return lastReadFailed_; }

 private:
  bool MakeWayAfterFailedRead(const std::function<void(const Bytes&)>& addLate);
  // Before a write: a file still arriving gets a moment to arrive whole.
  void MergeBeforeWrite(const Merge& merge);
  void RememberRead(const Bytes& bytes);

  std::wstring path_;
  std::size_t largest_;
  std::size_t unit_;
  KnownFile known_;
  GuardedFileArgs a_;
  bool lastReadFailed_ = false;
};
