#pragma once
// base.db and plan.db on disk, each a guarded file: failures are reported and
// leave the store as it was; a file that could not be read is read again
// before the next write and its records added, or else kept aside; the first
// write of a day may first keep a copy.

#include <cstdint>
#include <string>
#include <vector>

#include "store/guarded_file_win.h"
#include "store/tmassiv.h"

class StickerDatabaseFile {
 public:
  explicit StickerDatabaseFile(std::wstring path, GuardedFileArgs args = {});

  // Adds the file's records to the store.
  void Read(Tmassiv& store, std::int32_t& startStickerId);
  // After a failed read, the records of a file that reads by now join the
  // store first (in `lateSlots`), so that the write keeps them.
  bool Write(Tmassiv& store, std::vector<int>& lateSlots);
  bool LastReadFailed() const { return file_.LastReadFailed(); }

 private:
  GuardedFile file_;
};

class TaskFile {
 public:
  explicit TaskFile(std::wstring path, GuardedFileArgs args = {});

  // Puts the file's tasks into the free task slots.
  void Read(Tmassiv& store);
  // After a failed read, the tasks of a file that reads by now are put into
  // free slots first.
  bool Write(Tmassiv& store);

 private:
  GuardedFile file_;
};
