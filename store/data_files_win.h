#pragma once
// base.db and plan.db on disk, each a guarded file: failures show the
// standard error boxes and leave the store as it was, and a file that could
// not be read is kept before the next write; the first write of a day may
// first keep a copy.

#include <cstdint>
#include <string>

#include "store/guarded_file_win.h"
#include "store/tmassiv.h"

class StickerDatabaseFile {
 public:
  explicit StickerDatabaseFile(std::wstring path, std::optional<DailyBackup> backup = std::nullopt)
      : file_(std::move(path), std::move(backup)) {}

  // Adds the file's records to the store.
  void Read(Tmassiv& store, std::int32_t& startStickerId);
  bool Write(const Tmassiv& store);
  bool LastReadFailed() const { return file_.LastReadFailed(); }

 private:
  GuardedFile file_;
};

class TaskFile {
 public:
  explicit TaskFile(std::wstring path, std::optional<DailyBackup> backup = std::nullopt)
      : file_(std::move(path), std::move(backup)) {}

  // Puts the file's tasks into the free task slots.
  void Read(Tmassiv& store);
  bool Write(const Tmassiv& store);

 private:
  GuardedFile file_;
};
