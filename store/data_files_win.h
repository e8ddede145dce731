#pragma once
// base.db and plan.db on disk, each a guarded file: failures are reported and
// leave the store as it was; a file that could not be read is read again
// before the next write and its records added, or else kept aside; the first
// write of a day may first keep a copy. Changes another computer or another
// copy of the program made to a file are merged into the store before it is
// written over, or when the owner asks, and the owner hears what they did.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "store/database_merge.h"
#include "store/guarded_file_win.h"
#include "store/task_merge.h"
#include "store/tmassiv.h"

class StickerDatabaseFile {
 public:
  using Merged = std::function<void(const StickerMergeReport&)>;
  explicit StickerDatabaseFile(std::wstring path, GuardedFileArgs args = {}, Merged merged = {});

  // Adds the file's records to the store.
  void Read(Tmassiv& store, std::int32_t& startStickerId);
  // After a failed read, the records of a file that reads by now join the
  // store first (in `lateSlots`), so that the write keeps them.
  bool Write(Tmassiv& store, std::vector<int>& lateSlots);
  // Merges the file into the store if another program changed it.
  GuardedFile::Check MergeChanges(Tmassiv& store);
  bool LastReadFailed() const { return file_.LastReadFailed(); }

 private:
  GuardedFile::Merge MergeInto(Tmassiv& store);

  GuardedFile file_;
  Merged merged_;
};

class TaskFile {
 public:
  using Merged = std::function<void(const TaskMergeReport&)>;
  explicit TaskFile(std::wstring path, GuardedFileArgs args = {}, Merged merged = {});

  // Puts the file's tasks into the free task slots.
  void Read(Tmassiv& store);
  // After a failed read, the tasks of a file that reads by now are put into
  // free slots first.
  bool Write(Tmassiv& store);
  GuardedFile::Check MergeChanges(Tmassiv& store);

 private:
  GuardedFile::Merge MergeInto(Tmassiv& store);

  GuardedFile file_;
  Merged merged_;
};
