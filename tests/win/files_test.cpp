// Files, profile files and the data-folder rule against the real system calls.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/data_folder_win.h"
#include "win/error_box_win.h"
#include "win/handles_win.h"
#include "win/file_io_win.h"
#include "win/profile_file_win.h"
#include "store/backup_names.h"
#include "store/data_files_win.h"
#include "support/sticker_samples.h"
#include "support/temp_folder_win.h"

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(AtomicWrite, ReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  WriteBytes(path, Bytes("an older and much longer content"));
  ASSERT_EQ(WriteFileAtomically(path, Bytes("new")), 0u);
  EXPECT_EQ(ReadBytes(path), Bytes("new"));
  EXPECT_FALSE(FileExists(path + L".tmp"));
  ASSERT_EQ(WriteFileAtomically(path, {}), 0u);  // an empty store gives an empty file, not a missing one
  EXPECT_TRUE(FileExists(path));
  EXPECT_TRUE(ReadBytes(path).empty());
}

TEST(AtomicWrite, AFailedWriteKeepsTheOldFile) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  WriteBytes(path, Bytes("old"));
  // A reader that denies writers and deleters blocks the replacement.
  UniqueFile locked(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(locked.Valid());
  EXPECT_NE(WriteFileAtomically(path, Bytes("new")), 0u);
  locked.Reset();
  EXPECT_EQ(ReadBytes(path), Bytes("old"));
  EXPECT_FALSE(FileExists(path + L".tmp"));
  EXPECT_NE(WriteFileAtomically(folder.File(L"no such folder\\base.db"), Bytes("x")), 0u);
}

TEST(WholeFileRead, TellsMissingFromUnreadableAndStopsAtTheLimit) {
  TempFolder folder;
  EXPECT_EQ(ReadWholeFile(folder.File(L"absent"), 100).status, FileReadResult::Status::kMissing);
  const std::wstring path = folder.File(L"data");
  WriteBytes(path, Bytes("0123456789"));
  const FileReadResult head = ReadWholeFile(path, 4);
  EXPECT_EQ(head.status, FileReadResult::Status::kOk);
  EXPECT_EQ(head.bytes, Bytes("0123"));
  UniqueFile exclusive(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  const FileReadResult locked = ReadWholeFile(path, 100);
  EXPECT_EQ(locked.status, FileReadResult::Status::kFailed);
  EXPECT_EQ(locked.error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

TEST(StickerDatabaseFile, WriteThenReadReproducesTheStoreWithGapsClosed) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  auto store = std::make_unique<Tmassiv>();
  for (int i = 0; i < 5; ++i) store->AddRecord(MakeSticker(i + 1, i != 2));
  store->DeleteSticker(2);
  ASSERT_TRUE(StickerDatabaseFile(path).Write(*store));
  EXPECT_EQ(ReadBytes(path).size(), 4 * kStickerRecordSize);

  auto loaded = std::make_unique<Tmassiv>();
  std::int32_t startId = 3;
  StickerDatabaseFile(path).Read(*loaded, startId);
  EXPECT_EQ(loaded->CountStickers(), 4);
  EXPECT_EQ(loaded->StickerIdOfSlot(1), 3);
  EXPECT_EQ(loaded->Sticker(1).visible, 1);  // saved hidden, opened by the start-up id
  std::int32_t none = 0;
  StickerDatabaseFile missing(folder.File(L"missing.db"));
  missing.Read(*loaded, none);  // silently nothing
  EXPECT_EQ(loaded->CountStickers(), 4);
  EXPECT_FALSE(missing.LastReadFailed());
}

// plan.db goes through the same guarded file as base.db: written whole, read
// back into the lowest slots, a missing file reads as no task.
TEST(TaskFile, WriteThenReadReproducesTheTasksWithGapsClosed) {
  TempFolder folder;
  const std::wstring path = folder.File(L"plan.db");
  auto store = std::make_unique<Tmassiv>();
  for (int slot : {2, 7}) {
    TaskRecord task = NewTask(46000.0 + slot);
    store->WriteTask(slot, task);
  }
  ASSERT_TRUE(TaskFile(path).Write(*store));
  EXPECT_EQ(ReadBytes(path).size(), 2 * kTaskRecordSize);
  auto loaded = std::make_unique<Tmassiv>();
  TaskFile(path).Read(*loaded);
  EXPECT_EQ(loaded->CountTasks(), 2);
  EXPECT_EQ(loaded->Task(1).date_time, 46007.0);
  TaskFile(folder.File(L"missing.db")).Read(*loaded);
  EXPECT_EQ(loaded->CountTasks(), 2);
}

// A file kept out of the way takes the first free name, keeps every byte, and
// a file that is gone already needs no keeping.
TEST(KeepUnreadFile, MovesTheFileToTheFirstFreeName) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  WriteBytes(path, Bytes("first"));
  ASSERT_EQ(KeepUnreadFile(path), 0u);
  WriteBytes(path, Bytes("second"));
  WriteBytes(folder.File(L"base.db.unread.1"), Bytes("in the way"));
  ASSERT_EQ(KeepUnreadFile(path), 0u);
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(ReadBytes(folder.File(L"base.db.unread")), Bytes("first"));
  EXPECT_EQ(ReadBytes(folder.File(L"base.db.unread.1")), Bytes("in the way"));
  EXPECT_EQ(ReadBytes(folder.File(L"base.db.unread.2")), Bytes("second"));
  EXPECT_EQ(KeepUnreadFile(path), 0u);

  WriteBytes(path, Bytes("locked"));
  UniqueFile exclusive(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_NE(KeepUnreadFile(path), 0u);  // cannot be moved: the caller must not write
  exclusive.Reset();
  EXPECT_EQ(ReadBytes(path), Bytes("locked"));
}

TEST(FileErrors, TheBoxTextNamesThePathAndTheReason) {
  const std::wstring text = FileErrorText(FileErrorKind::kCreate, L"C:\\x\\base.db", ERROR_ACCESS_DENIED);
  EXPECT_EQ(text.rfind(L"Cannot create file \"C:\\x\\base.db\". ", 0), 0u);
  EXPECT_GT(text.size(), std::wstring(L"Cannot create file \"C:\\x\\base.db\". ").size());
  EXPECT_EQ(FileErrorText(FileErrorKind::kOpen, L"a", 2).rfind(L"Cannot open file \"a\". ", 0), 0u);
}

TEST(ProfileFiles, RoundTripThroughTheSystemFunctionsIgnoringCase) {
  TempFolder folder;
  IniFile file(folder.File(L"config.txt"));
  EXPECT_EQ(file.ReadString(L"Language", L"OtherLanguage", L"none"), L"none");
  EXPECT_EQ(file.ReadInt(L"Chordix", L"NEW", 3), 3);
  file.WriteInt(L"Chordix", L"NEW", -1);
  file.WriteBool(L"Manager", L"Sort", true);
  file.WriteString(L"Language", L"OtherLanguage", L"Deutsch.lng");
  EXPECT_EQ(file.ReadInt(L"chordix", L"new", 3), -1);
  EXPECT_TRUE(file.ReadBool(L"MANAGER", L"sort", false));
  EXPECT_EQ(file.ReadString(L"language", L"otherlanguage", L""), L"Deutsch.lng");
  const std::string text = ReadText(file.Path());
  EXPECT_NE(text.find("[Chordix]\r\nNEW=-1\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find('\0'), std::string::npos) << "written as ANSI, not UTF-16";
}

// The first write of each day keeps the file as it was in backup\; twenty
// days of writes leave the newest fourteen copies.
TEST(DailyBackup, TheFirstWriteOfADayKeepsACopyAndFourteenDaysAreKept) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db"), backups = folder.File(L"backup\\");
  DateTime today = EncodeDateTime({2026, 11, 1, 9});
  StickerDatabaseFile file(path, DailyBackup(backups, [&] { return today; }));
  auto store = std::make_unique<Tmassiv>();
  store->AddRecord(MakeSticker(1));
  ASSERT_TRUE(file.Write(*store));  // nothing to keep yet
  EXPECT_TRUE(FileNamesIn(backups).empty());
  const std::vector<std::uint8_t> firstDay = ReadBytes(path);
  store->AddRecord(MakeSticker(2));
  ASSERT_TRUE(file.Write(*store));
  today += 1;
  ASSERT_TRUE(file.Write(*store));
  ASSERT_TRUE(file.Write(*store));
  EXPECT_EQ(FileNamesIn(backups), std::vector<std::wstring>{L"base.db.2026-11-02"});
  EXPECT_EQ(ReadBytes(backups + L"base.db.2026-11-02").size(), 2 * kStickerRecordSize);  // as the day began

  for (int day = 3; day <= 20; ++day) {
    today += 1;
    ASSERT_TRUE(file.Write(*store));
  }
  std::vector<std::wstring> kept = FileNamesIn(backups);
  std::sort(kept.begin(), kept.end());
  ASSERT_EQ(kept.size(), kKeptBackupDays);
  EXPECT_EQ(kept.front(), L"base.db.2026-11-07");
  EXPECT_EQ(kept.back(), L"base.db.2026-11-20");
  EXPECT_NE(ReadBytes(path), firstDay);
}

// A copy made by an earlier start the same day is the one kept; a backup
// folder that cannot be made never stops the write, and says nothing.
TEST(DailyBackup, AnEarlierCopyStaysAndAFailedCopyNeverStopsTheWrite) {
  TempFolder folder;
  const std::wstring path = folder.File(L"plan.db"), backups = folder.File(L"backup\\");
  const DateTime today = EncodeDateTime({2026, 12, 8, 9});
  auto store = std::make_unique<Tmassiv>();
  store->WriteTask(0, NewTask(today));
  CreateDirectoryW(backups.c_str(), nullptr);
  WriteBytes(backups + L"plan.db.2026-12-08", Bytes("earlier"));
  WriteBytes(path, Bytes("as the program found it"));
  ASSERT_TRUE(TaskFile(path, DailyBackup(backups, [&] { return today; })).Write(*store));
  EXPECT_EQ(ReadBytes(backups + L"plan.db.2026-12-08"), Bytes("earlier"));

  const std::wstring blocked = folder.File(L"blocked");
  WriteBytes(blocked, Bytes("a file where the backup folder should be"));
  ASSERT_TRUE(TaskFile(path, DailyBackup(blocked + L"\\", [&] { return today + 1; })).Write(*store));
  EXPECT_EQ(ReadBytes(path).size(), kTaskRecordSize);
}

TEST(DataFolderRule, PortableOnlyForTheListedWords) {
  TempFolder program;
  const std::optional<std::wstring> documents = L"C:\\users\\me\\Documents";
  EXPECT_EQ(ChooseDataFolder(program.Path(), documents), L"C:\\users\\me\\Documents\\Quillory\\");
  WriteText(program.File(L"config.txt"), "[Base]\r\nportable=YES\r\n");
  EXPECT_EQ(ChooseDataFolder(program.Path(), documents), program.Path());
  WriteText(program.File(L"config.txt"), "[base]\r\nPORTABLE=y\r\n");
  EXPECT_EQ(ChooseDataFolder(program.Path(), documents), program.Path());
  WriteText(program.File(L"config.txt"), "[Base]\r\nportable=on\r\n");
  EXPECT_EQ(ChooseDataFolder(program.Path(), documents), L"C:\\users\\me\\Documents\\Quillory\\");
  EXPECT_EQ(ChooseDataFolder(program.Path(), std::nullopt), L"\\Quillory\\");
}

TEST(DataFolderRule, TheDocumentsFolderAndProgramFolderAreKnown) {
  const auto documents = DocumentsFolder();
  ASSERT_TRUE(documents.has_value());
  EXPECT_FALSE(documents->empty());
  const std::wstring folder = ProgramFolder();
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_EQ(ProgramPath().rfind(folder, 0), 0u);
}

}  // namespace
