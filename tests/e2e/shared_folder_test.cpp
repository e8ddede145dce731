// A data folder shared with another computer: the test stands in for the
// sync tool, replacing base.db whole and dropping conflict copies, while the
// program runs.

#include <gtest/gtest.h>

#include <set>

#include "support/sticker_program_win.h"
#include "win/file_io_win.h"

namespace {

// The other computer's changes arrive within this.
constexpr DWORD kMergeWait = 5000;

class SharedFolder : public StickerProgram {
 protected:
  void Deliver(const std::wstring& name, const std::vector<StickerRecord>& records) {
    ASSERT_EQ(WriteFileAtomically(copy.File(name), DatabaseImageOf(records)), 0u);
  }
  bool ShowsWindows(std::size_t count) { return WaitForStickerWindows(Pid(), count, kMergeWait); }
};

TEST_F(SharedFolder, TheOtherComputersNewHiddenAndDeletedNotesShowAndLast) {
  const StickerRecord first = Placed(1, 100, 100), second = Placed(2, 400, 100);
  Start({first});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));

  Deliver(L"base.db", {first, second});
  ASSERT_TRUE(ShowsWindows(2)) << "a note made on the other computer opens here";

  StickerRecord hidden = first;
  hidden.visible = 0;
  Deliver(L"base.db", {hidden});  // the other computer hid 1 and deleted 2
  ASSERT_TRUE(ShowsWindows(0));

  // Their next write brings a new note; our next write keeps what they did.
  const StickerRecord third = Placed(3, 700, 100);
  Deliver(L"base.db", {hidden, third});
  ASSERT_TRUE(ShowsWindows(1));
  const auto saved = Saved();
  EXPECT_EQ(Ids(saved), (std::set<std::int32_t>{1, 3}));
  EXPECT_EQ(Ids(saved, true), (std::set<std::int32_t>{3}));
}

TEST_F(SharedFolder, AConflictCopyIsMergedOnceAndMovedToBackup) {
  const StickerRecord ours = Placed(1, 100, 100), theirs = Placed(7, 400, 100);
  Start({ours});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));

  Deliver(L"base (1).db", {theirs});
  ASSERT_TRUE(ShowsWindows(2));
  ASSERT_TRUE(Eventually([&] { return !FileExists(copy.File(L"base (1).db")); }, kMergeWait));
  EXPECT_TRUE(FileExists(copy.File(L"backup\\base (1).db")));
  EXPECT_EQ(Ids(OnDisk()), (std::set<std::int32_t>{1, 7}));
}

TEST_F(SharedFolder, AConflictCopyFoundAtStartIsMergedToo) {
  Deliver(L"base.sync-conflict-20261209-101010-ABCDEFG.db", {Placed(9, 400, 100)});
  Start({Placed(1, 100, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_EQ(Ids(OnDisk()), (std::set<std::int32_t>{1, 9}));
  EXPECT_FALSE(FileExists(copy.File(L"base.sync-conflict-20261209-101010-ABCDEFG.db")));
}

}  // namespace
