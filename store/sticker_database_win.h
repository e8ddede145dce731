#pragma once
// base.db on disk; failures show the standard error boxes and leave the store
// as it was.
//
// A file that exists but could not be read (locked by a backup or sync tool,
// say) still holds the user's notes. Before the first write after such a
// read, the unread file is kept under a free name ("base.db.unread", then
// "base.db.unread.1", ...); if it cannot be kept, the write fails and is
// reported, so the notes are never overwritten.

#include <cstdint>
#include <string>

#include "store/tmassiv.h"

class StickerDatabaseFile {
 public:
  explicit StickerDatabaseFile(std::wstring path) : path_(std::move(path)) {}

  // Adds the file's records to the store. A missing file adds nothing and says
  // nothing; one that cannot be read is reported and remembered.
  void Read(Tmassiv& store, std::int32_t& startStickerId);
  // Returns false when the file could not be written (the error was shown).
  bool Write(const Tmassiv& store);
  bool LastReadFailed() const { return lastReadFailed_; }

 private:
  std::wstring path_;
  bool lastReadFailed_ = false;
};
