// What is known of a data file, and when it has to be read and merged
// before it is written over.

#include <gtest/gtest.h>

#include <vector>

#include "store/file_snapshot.h"

namespace {

std::vector<std::uint8_t> Bytes(std::size_t size, std::uint8_t seed = 7) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 31 + (i >> 8));
  return bytes;
}

// A missed change would let a write replace another computer's notes: every
// byte of a file counts, the last ones of an uneven size too, and so does a
// zero added at the end.
TEST(ContentHash, EveryByteAndTheLengthCount) {
  const std::vector<std::uint8_t> file = Bytes(2532 * 2 + 5);
  const std::uint64_t known = ContentHash(file);
  EXPECT_EQ(ContentHash(Bytes(file.size())), known);  // the same bytes again, elsewhere in memory
  for (std::size_t at = 0; at < file.size(); ++at) {
    std::vector<std::uint8_t> changed = file;
    changed[at] ^= static_cast<std::uint8_t>(1u << (at % 8));
    ASSERT_NE(ContentHash(changed), known) << "byte " << at;
  }
  std::vector<std::uint8_t> longer = file;
  longer.push_back(0);
  EXPECT_NE(ContentHash(longer), known);
  EXPECT_NE(ContentHash({}), ContentHash(std::vector<std::uint8_t>(8, 0)));
  // Two records swapped keep every byte but not their order.
  std::vector<std::uint8_t> swapped(file.begin() + 2532, file.begin() + 2 * 2532);
  swapped.insert(swapped.end(), file.begin(), file.begin() + 2532);
  swapped.insert(swapped.end(), file.end() - 5, file.end());
  EXPECT_NE(ContentHash(swapped), known);
}

TEST(FileSnapshot, EqualOnlyInSizeTimeAndBytes) {
  const std::vector<std::uint8_t> bytes = Bytes(100);
  const FileSnapshot snapshot = SnapshotOf(bytes, 1234);
  EXPECT_EQ(snapshot, SnapshotOf(Bytes(100), 1234));
  EXPECT_NE(snapshot, SnapshotOf(bytes, 1235));
  EXPECT_NE(snapshot, SnapshotOf(Bytes(100, 8), 1234));
  EXPECT_TRUE(SameBytes(snapshot, SnapshotOf(bytes, 99)));  // touched, not changed
  EXPECT_FALSE(SameBytes(snapshot, SnapshotOf(Bytes(101), 1234)));
}

// Before a write: a file as known is written over at once; one with another
// size or time is read, and only other bytes are merged.
TEST(KnownFile, ReadOnlyWhatMayDifferAndMergeOnlyWhatDoes) {
  KnownFile known;
  const std::vector<std::uint8_t> written = Bytes(2532);
  known.Remember(written, 5000);
  EXPECT_EQ(known.Snapshot(), SnapshotOf(written, 5000));
  EXPECT_EQ(std::vector<std::uint8_t>(known.Base().begin(), known.Base().end()), written);
  EXPECT_FALSE(known.MayDiffer(2532, 5000));
  EXPECT_TRUE(known.MayDiffer(2532, 5001));
  EXPECT_TRUE(known.MayDiffer(5064, 5000));
  EXPECT_FALSE(known.Differs(written));
  EXPECT_TRUE(known.Differs(Bytes(2532, 9)));
  EXPECT_TRUE(known.Differs({}));

  // A file first missing merges against nothing, and an empty one is no news.
  known.RememberMissing();
  EXPECT_TRUE(known.Base().empty());
  EXPECT_FALSE(known.Differs({}));
  EXPECT_TRUE(known.Differs(written));
}

}  // namespace
