// base.db and plan.db shared with another program that writes them too: what
// it wrote is merged in before ours goes over it, and nothing is lost.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <thread>

#include "store/data_files_win.h"
#include "store/slot_image.h"
#include "store/task_record.h"
#include "support/sticker_samples.h"
#include "support/sticker_windows_win.h"
#include "support/temp_folder_win.h"
#include "win/file_io_win.h"

namespace {

constexpr auto kPatience = std::chrono::seconds(10);

GuardedFileArgs QuietArgs() {
  return {.backup = std::nullopt,
          .reports = {.fileError = [](FileErrorKind, const std::wstring&, DWORD) { ADD_FAILURE() << "file error"; }},
          .patience = kPatience,
          .writePatience = kPatience};
}

bool Save(StickerDatabaseFile& file, Tmassiv& store) {
  std::vector<int> late;
  return file.Write(store, late);
}

std::set<std::int32_t> IdsIn(const Tmassiv& store) {
  std::set<std::int32_t> ids;
  for (int slot = 0; slot < kStickerSlotCount; ++slot)
    if (store.Sticker(slot).in_use) ids.insert(store.Sticker(slot).id);
  return ids;
}

std::set<std::int32_t> IdsOnDisk(const std::wstring& path) {
  auto store = std::make_unique<Tmassiv>();
  std::int32_t start = 0;
  StickerDatabaseFile(path, QuietArgs()).Read(*store, start);
  return IdsIn(*store);
}

// One computer's side: its own store and its own view of the file.
struct Side {
  explicit Side(const std::wstring& path)
      : file(path, QuietArgs(), [this](const StickerMergeReport& report) { reports.push_back(report); }) {}
  void Add(const StickerRecord& record) { ASSERT_GE(store->AddRecordUnchanged(record), 0); }

  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();
  std::vector<StickerMergeReport> reports;
  StickerDatabaseFile file;
};

TEST(SharedDatabaseFile, AChangeMadeSinceOurReadIsMergedBeforeOurWrite) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  WriteBytes(path, DatabaseImageOf({MakeSticker(1), MakeSticker(2)}));
  Side ours(path);
  std::int32_t start = 0;
  ours.file.Read(*ours.store, start);

  // The other computer hides 2 and makes 3; here 4 is made meanwhile.
  WriteBytes(path, DatabaseImageOf({MakeSticker(1), MakeSticker(2, false), MakeSticker(3)}));
  ours.Add(MakeSticker(4));
  ASSERT_TRUE(Save(ours.file, *ours.store));

  EXPECT_EQ(IdsOnDisk(path), (std::set<std::int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(ours.store->Sticker(ours.store->FindSticker(2)).visible, 0);
  ASSERT_EQ(ours.reports.size(), 1u);
  EXPECT_EQ(ours.reports[0].addedSlots.size(), 1u);
  EXPECT_EQ(ours.reports[0].changedSlots.size(), 1u);
}

TEST(SharedDatabaseFile, OurOwnWritesAreNotTakenForAnotherProgramsChange) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  Side ours(path);
  ours.Add(MakeSticker(1));
  ASSERT_TRUE(Save(ours.file, *ours.store));
  EXPECT_EQ(ours.file.MergeChanges(*ours.store), GuardedFile::Check::kUnchanged);

  // The same bytes put back by a sync tool, with a new time: nothing to merge.
  WriteBytes(path, ReadBytes(path));
  EXPECT_EQ(ours.file.MergeChanges(*ours.store), GuardedFile::Check::kUnchanged);

  WriteBytes(path, DatabaseImageOf({MakeSticker(1), MakeSticker(5)}));
  EXPECT_EQ(ours.file.MergeChanges(*ours.store), GuardedFile::Check::kMerged);
  EXPECT_EQ(IdsIn(*ours.store), (std::set<std::int32_t>{1, 5}));
  EXPECT_EQ(ours.file.MergeChanges(*ours.store), GuardedFile::Check::kUnchanged);
  EXPECT_TRUE(ours.reports.size() == 1u);
}

TEST(SharedDatabaseFile, AFileStillArrivingOrGoneIsNeverMergedAsItStands) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  Side ours(path);
  ours.Add(MakeSticker(1));
  ours.Add(MakeSticker(2));
  ASSERT_TRUE(Save(ours.file, *ours.store));

  std::vector<std::uint8_t> half = DatabaseImageOf({MakeSticker(1), MakeSticker(2), MakeSticker(3)});
  half.resize(half.size() - kStickerRecordSize / 2);
  WriteBytes(path, half);
  EXPECT_EQ(ours.file.MergeChanges(*ours.store), GuardedFile::Check::kNotYet);
  EXPECT_EQ(IdsIn(*ours.store), (std::set<std::int32_t>{1, 2}));

  // A file deleted between a sync tool's steps does not delete the notes.
  ASSERT_TRUE(DeleteFileW(path.c_str()));
  EXPECT_EQ(ours.file.MergeChanges(*ours.store), GuardedFile::Check::kUnchanged);
  EXPECT_EQ(IdsIn(*ours.store), (std::set<std::int32_t>{1, 2}));
  ASSERT_TRUE(Save(ours.file, *ours.store));
  EXPECT_EQ(IdsOnDisk(path), (std::set<std::int32_t>{1, 2}));
}

// Two programs on one file, each making notes and writing after each one as
// fast as it can: every note of both is in the file at the end.
TEST(SharedDatabaseFile, TwoWritersInALoopLoseNothing) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  constexpr int kNotes = 25;
  Side first(path), second(path);
  const auto makeNotes = [](Side& side, std::int32_t firstId) {
    for (std::int32_t id = firstId; id < firstId + kNotes; ++id) {
      side.Add(MakeSticker(id));
      ASSERT_TRUE(Save(side.file, *side.store));
    }
  };
  std::thread other([&] { makeNotes(second, 2000); });
  makeNotes(first, 1000);
  other.join();
  ASSERT_TRUE(Save(first.file, *first.store));

  const std::set<std::int32_t> onDisk = IdsOnDisk(path);
  EXPECT_EQ(onDisk.size(), 2u * kNotes);
  EXPECT_EQ(onDisk, IdsIn(*first.store));
  ASSERT_EQ(second.file.MergeChanges(*second.store), GuardedFile::Check::kMerged);
  EXPECT_EQ(IdsIn(*second.store), onDisk);
}

TEST(SharedTaskFile, ATaskMadeElsewhereSurvivesOurWrite) {
  TempFolder folder;
  const std::wstring path = folder.File(L"plan.db");
  TaskRecord call = NewTask(46000.5);
  call.name.Assign("call");
  TaskRecord water = NewTask(46000.75);
  water.name.Assign("water the plants");
  std::vector<TaskMergeReport> reports;
  auto store = std::make_unique<Tmassiv>();
  store->ResetTasks(46000);
  TaskFile file(path, QuietArgs(), [&](const TaskMergeReport& report) { reports.push_back(report); });
  file.Read(*store);
  store->WriteTask(store->FirstFreeTaskSlot(), call);
  ASSERT_TRUE(file.Write(*store));

  WriteBytes(path, ImageOfRecords<TaskRecord>(std::vector<TaskRecord>{call, water}));
  ASSERT_TRUE(file.Write(*store));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].addedSlots.size(), 1u);
  auto loaded = std::make_unique<Tmassiv>();
  loaded->ResetTasks(46000);
  TaskFile(path, QuietArgs()).Read(*loaded);
  int tasks = 0;
  for (int slot = 0; slot < kTaskSlotCount; ++slot) tasks += loaded->Task(slot).in_use ? 1 : 0;
  EXPECT_EQ(tasks, 2);
}

}  // namespace
