#pragma once
// What a data file (base.db, plan.db) held when this program last read or
// wrote it: its size, its last-write time and a hash of its bytes, and the
// bytes themselves, the base of the next merge. Another computer's copy of the
// file arrives through a sync tool at any time; before a write the file is
// compared with what is known, and read and merged only when it may differ.
//
// The platform layer fills in the size and time (the file system's own
// last-write stamp, in whatever unit it keeps) and reads the bytes; nothing
// here touches a file.

#include <cstdint>
#include <span>
#include <vector>

struct FileSnapshot {
  std::uint64_t size = 0;
  std::uint64_t writeTime = 0;
  std::uint64_t hash = 0;  // ContentHash of the bytes

  bool operator==(const FileSnapshot&) const = default;
};

// A 64-bit hash of the bytes: equal bytes give equal hashes on every run and
// every machine; different bytes almost never do.
std::uint64_t ContentHash(std::span<const std::uint8_t> bytes);

FileSnapshot SnapshotOf(std::span<const std::uint8_t> bytes, std::uint64_t writeTime);

// Whether two snapshots are of the same bytes, whenever they were written: a
// sync tool that puts back the very same file changes its time only.
bool SameBytes(const FileSnapshot& a, const FileSnapshot& b);

class KnownFile {
 public:
  // After this program read the bytes from the file or wrote them to it; the
  // time is the file's as the file system gives it just after.
  void Remember(std::span<const std::uint8_t> bytes, std::uint64_t writeTime);
  // A file that was missing when read: the base of a merge is empty then,
  // and an empty file holds the same.
  void RememberMissing() { Remember({}, 0); }

  // Whether a file of this size and last-write time may hold other bytes than
  // the ones known, so that it must be read before it is written over.
  bool MayDiffer(std::uint64_t size, std::uint64_t writeTime) const;
  // Whether bytes read just now are other than the ones known: only then is
  // there anything to merge.
  bool Differs(std::span<const std::uint8_t> bytes) const;

  const FileSnapshot& Snapshot() const { return snapshot_; }
  std::span<const std::uint8_t> Base() const { return base_; }

 private:
  FileSnapshot snapshot_;
  std::vector<std::uint8_t> base_;
};
