#pragma once
// A data file of the user's (base.db, plan.db) read whole and written whole,
// crash-safe; failures show the standard error boxes.
//
// A file that exists but could not be read (locked by a backup or sync tool,
// say) still holds the user's data. Before the first write after such a
// read, the unread file is kept under a free name ("base.db.unread", then
// "base.db.unread.1", ...); if it cannot be kept, the write fails and is
// reported, so the data is never overwritten.
//
// With a daily backup, the first write of each day first copies the file.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/daily_backup_win.h"

class GuardedFile {
 public:
  explicit GuardedFile(std::wstring path, std::optional<DailyBackup> backup = std::nullopt)
      : path_(std::move(path)), backup_(std::move(backup)) {}

  // At most `largest` bytes from the start of the file; nothing when it is
  // missing (said nothing) or could not be read (reported and remembered).
  std::optional<std::vector<std::uint8_t>> Read(std::size_t largest);
  // Returns false when the file could not be written (the error was shown).
  bool Write(std::span<const std::uint8_t> bytes);
  bool LastReadFailed() const { return lastReadFailed_; }

 private:
  std::wstring path_;
  std::optional<DailyBackup> backup_;
  bool lastReadFailed_ = false;
};
