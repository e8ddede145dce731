// Files, profile files and the data-folder rule against the real system calls.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

#include "app/data_folder_win.h"
#include "win/error_box_win.h"
#include "win/handles_win.h"
#include "win/file_io_win.h"
#include "store/profile_file_win.h"
#include "win/text_convert_win.h"
#include "store/backup_names.h"
#include "store/data_files_win.h"
#include "support/sticker_samples.h"
#include "support/sticker_windows_win.h"
#include "support/temp_folder_win.h"

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

UniqueFile LockExclusively(const std::wstring& path) {
  return UniqueFile(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

bool Save(StickerDatabaseFile& file, Tmassiv& store) {
  std::vector<int> late;
  return file.Write(store, late);
}

// What a data file reports, heard instead of shown.
struct HeardReports {
  std::vector<std::pair<FileErrorKind, DWORD>> errors;
  std::vector<std::wstring> kept;

  GuardedFileArgs Args(std::chrono::milliseconds patience = std::chrono::milliseconds(0)) {
    return {.backup = std::nullopt,
            .reports = {.fileError = [this](FileErrorKind kind, const std::wstring&, DWORD error) {
                          errors.emplace_back(kind, error);
                        },
                        .keptUnread = [this](const std::wstring& keptAs) { kept.push_back(keptAs); }},
            .patience = patience,
            .writePatience = patience};
  }
};

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
  // A folder that is gone (a USB stick pulled) hides the file rather than lacks it.
  for (const std::wstring& hidden : {folder.File(L"gone\\base.db"), std::wstring(L"Q:\\nowhere\\base.db")}) {
    const FileReadResult read = ReadWholeFile(hidden, 100);
    EXPECT_EQ(read.status, FileReadResult::Status::kFailed) << hidden;
    EXPECT_NE(read.error, 0u) << hidden;
  }
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
  StickerDatabaseFile written(path);
  ASSERT_TRUE(Save(written, *store));
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

// base.db in a data folder that is gone: the read fails and says so, and no
// write creates a near-empty base.db in its place. With the folder back, the
// notes it holds join those made meanwhile, and nothing is set aside.
TEST(UnreadDataFile, AMissingFolderIsAFailedReadAndItsNotesJoinTheStoreOnceItIsBack) {
  TempFolder root;
  const std::wstring folder = root.File(L"stick\\"), path = folder + L"base.db";
  HeardReports heard;
  StickerDatabaseFile file(path, heard.Args());
  auto store = std::make_unique<Tmassiv>();
  std::int32_t none = 0;
  file.Read(*store, none);
  EXPECT_TRUE(file.LastReadFailed());
  ASSERT_EQ(heard.errors.size(), 1u);
  EXPECT_EQ(heard.errors[0].first, FileErrorKind::kOpen);

  store->AddRecord(MakeSticker(5));  // made while the folder was away
  std::vector<int> late;
  EXPECT_FALSE(file.Write(*store, late));
  ASSERT_EQ(heard.errors.size(), 2u);
  EXPECT_EQ(heard.errors[1].first, FileErrorKind::kCreate);
  EXPECT_FALSE(FolderExists(folder));

  CreateDirectoryW(folder.c_str(), nullptr);
  WriteBytes(path, DatabaseImageOf({MakeSticker(1), MakeSticker(5, false)}));
  ASSERT_TRUE(file.Write(*store, late));
  EXPECT_EQ(late, (std::vector<int>{1, 2}));
  EXPECT_EQ(ReadDatabase(path).size(), 3u);
  EXPECT_EQ(store->Sticker(2).visible, 0);
  EXPECT_NE(store->StickerIdOfSlot(2), 5);  // its id was taken meanwhile
  EXPECT_TRUE(heard.kept.empty());
  EXPECT_EQ(heard.errors.size(), 2u);
  EXPECT_FALSE(FileExists(path + L".unread"));
}

// A tool that holds base.db for a moment at logon: the read waits for it.
TEST(UnreadDataFile, AFileHeldForAMomentIsReadOnceItIsFree) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  WriteBytes(path, DatabaseImageOf({MakeSticker(1), MakeSticker(2)}));
  UniqueFile lock = LockExclusively(path);
  ASSERT_TRUE(lock);
  std::thread holder([&] {
    Sleep(400);  // how long the other program holds the file
    lock.Reset();
  });
  HeardReports heard;
  StickerDatabaseFile file(path, heard.Args(std::chrono::seconds(10)));
  auto store = std::make_unique<Tmassiv>();
  std::int32_t none = 0;
  file.Read(*store, none);
  holder.join();
  EXPECT_EQ(store->CountStickers(), 2);
  EXPECT_FALSE(file.LastReadFailed());
  EXPECT_TRUE(heard.errors.empty());

  // A folder where the file should be never frees itself: no waiting.
  const std::wstring folderPath = folder.File(L"plan.db");
  CreateDirectoryW(folderPath.c_str(), nullptr);
  const auto started = std::chrono::steady_clock::now();
  TaskFile(folderPath, heard.Args(std::chrono::seconds(10))).Read(*store);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  EXPECT_EQ(heard.errors.size(), 1u);
}

// A scanner or a sync tool reading base.db the moment it is replaced: the
// write waits for it to let go, and nothing is said.
TEST(UnreadDataFile, AWriteWaitsForAReaderOfAMomentAndSaysNothing) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  WriteBytes(path, DatabaseImageOf({MakeSticker(1)}));
  UniqueFile reader(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(reader);
  ASSERT_NE(WriteFileAtomically(path, Bytes("refused while it is read")), 0u);
  std::thread holder([&] {
    Sleep(400);  // how long the other program reads
    reader.Reset();
  });
  HeardReports heard;
  StickerDatabaseFile file(path, heard.Args(std::chrono::seconds(10)));
  auto store = std::make_unique<Tmassiv>();
  store->AddRecord(MakeSticker(1));
  store->AddRecord(MakeSticker(2));
  EXPECT_TRUE(Save(file, *store));
  holder.join();
  EXPECT_TRUE(heard.errors.empty());
  EXPECT_EQ(ReadDatabase(path).size(), 2u);
}

// Held through the whole start and released before the first change: the
// change is written and every older note and task is still there. Held
// still: nothing is written. Unreadable for good: set aside, said once.
TEST(UnreadDataFile, TheFirstWriteReadsAgainBeforeItSetsTheFileAside) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db"), tasks = folder.File(L"plan.db");
  WriteBytes(path, DatabaseImageOf({MakeSticker(1), MakeSticker(2, false)}));
  std::vector<std::uint8_t> taskImage(2 * kTaskRecordSize);
  for (int k = 0; k < 2; ++k) {
    const TaskRecord task = NewTask(46000.0 + k);
    std::memcpy(taskImage.data() + k * kTaskRecordSize, &task, kTaskRecordSize);
  }
  WriteBytes(tasks, taskImage);
  HeardReports heard;
  StickerDatabaseFile file(path, heard.Args());
  TaskFile taskFile(tasks, heard.Args());
  auto store = std::make_unique<Tmassiv>();
  std::int32_t none = 0;
  {
    UniqueFile lock = LockExclusively(path), taskLock = LockExclusively(tasks);
    file.Read(*store, none);
    taskFile.Read(*store);
    store->AddRecord(MakeSticker(3));
    store->WriteTask(0, NewTask(47000.0));
    std::vector<int> late;
    EXPECT_FALSE(file.Write(*store, late));  // still held: it can be neither read nor kept
    EXPECT_FALSE(taskFile.Write(*store));
  }
  EXPECT_EQ(heard.errors.size(), 4u);
  std::vector<int> late;
  ASSERT_TRUE(file.Write(*store, late));
  ASSERT_TRUE(taskFile.Write(*store));
  EXPECT_EQ(late, (std::vector<int>{1, 2}));
  EXPECT_EQ(ReadDatabase(path).size(), 3u);
  EXPECT_EQ(ReadBytes(tasks).size(), 3 * kTaskRecordSize);
  EXPECT_EQ(store->Task(1).date_time, 46000.0);
  EXPECT_TRUE(heard.kept.empty());
  EXPECT_EQ(heard.errors.size(), 4u);

  // A folder in the file's place reads never: kept aside, and said so once.
  const std::wstring blocked = folder.File(L"other.db");
  CreateDirectoryW(blocked.c_str(), nullptr);
  StickerDatabaseFile unreadable(blocked, heard.Args());
  unreadable.Read(*store, none);
  ASSERT_TRUE(Save(unreadable, *store));
  ASSERT_TRUE(Save(unreadable, *store));
  EXPECT_EQ(heard.kept, std::vector<std::wstring>{blocked + L".unread"});
  EXPECT_TRUE(FolderExists(blocked + L".unread"));
}

// A file kept out of the way takes the first free name, keeps every byte, and
// a file that is gone already needs no keeping.
TEST(KeepUnreadFile, MovesTheFileToTheFirstFreeName) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db");
  WriteBytes(path, Bytes("first"));
  EXPECT_EQ(KeepUnreadFile(path).keptAs, path + L".unread");
  WriteBytes(path, Bytes("second"));
  WriteBytes(folder.File(L"base.db.unread.1"), Bytes("in the way"));
  const KeptFile second = KeepUnreadFile(path);
  EXPECT_EQ(second.error, 0u);
  EXPECT_EQ(second.keptAs, path + L".unread.2");
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(ReadBytes(folder.File(L"base.db.unread")), Bytes("first"));
  EXPECT_EQ(ReadBytes(folder.File(L"base.db.unread.1")), Bytes("in the way"));
  EXPECT_EQ(ReadBytes(folder.File(L"base.db.unread.2")), Bytes("second"));
  const KeptFile gone = KeepUnreadFile(path);
  EXPECT_EQ(gone.error, 0u);
  EXPECT_TRUE(gone.keptAs.empty());
  // A folder that is gone may come back with the file: that is no "gone".
  EXPECT_NE(KeepUnreadFile(folder.File(L"gone\\base.db")).error, 0u);

  WriteBytes(path, Bytes("locked"));
  UniqueFile exclusive = LockExclusively(path);
  EXPECT_NE(KeepUnreadFile(path).error, 0u);  // cannot be moved: the caller must not write
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

// A write that cannot reach the file (its folder is gone) is remembered with
// the system's reason, so that the caller can say so once for all its keys.
TEST(ProfileFiles, AFailedWriteIsRememberedWithItsReason) {
  TempFolder folder;
  IniFile written(folder.File(L"default_settings.txt"));
  written.WriteInt(L"Default", L"Style", 5);
  EXPECT_FALSE(written.WriteFailed());
  IniFile lost(folder.File(L"gone\\config.txt"));
  lost.WriteInt(L"Chordix", L"NEW", 1);
  lost.WriteInt(L"Chordix", L"MANAGER", 2);
  EXPECT_TRUE(lost.WriteFailed());
  EXPECT_NE(lost.WriteError(), 0u);
  EXPECT_FALSE(FolderExists(folder.File(L"gone")));
}

// A sync tool reading the file while a key is written: the key waits for it.
TEST(ProfileFiles, AKeyWaitsForAReaderOfAMoment) {
  TempFolder folder;
  const std::wstring path = folder.File(L"default_settings.txt");
  WriteText(path, "[Default]\r\nStyle=1\r\n");
  UniqueFile reader(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(reader);
  std::thread holder([&] {
    Sleep(300);  // how long the other program reads
    reader.Reset();
  });
  IniFile file(path);
  file.WriteInt(L"Default", L"Style", 8);
  holder.join();
  EXPECT_FALSE(file.WriteFailed()) << file.WriteError();
  EXPECT_EQ(file.ReadString(L"Default", L"Style", L""), L"8");
}

// The Win32 side knows each code page's lead bytes; cut with them, text in
// code page 932 keeps whole characters.
TEST(AnsiCodePages, LeadBytesComeFromTheCodePageAndKeepCutsWhole) {
  const LeadBytes shiftJis = LeadBytesOfCodePage(932), western = LeadBytesOfCodePage(1252);
  EXPECT_TRUE(western.None());
  EXPECT_FALSE(LeadBytesOfCodePage(1251).IsLead('\xC0'));
  for (const char lead : {'\x81', '\x9F', '\xE0', '\xFC'}) EXPECT_TRUE(shiftJis.IsLead(lead));
  for (const char single : {'A', '\x80', '\xA0', '\xDF'}) EXPECT_FALSE(shiftJis.IsLead(single));

  const wchar_t* wide = L"a\u65e5\u672c\u8a9e";  // a and three kanji: 7 bytes in 932
  char ansi[16] = {};
  const int n = WideCharToMultiByte(932, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr) - 1;
  ASSERT_EQ(n, 7);
  const std::string_view stored(ansi, static_cast<std::size_t>(n));
  wchar_t back[8] = {};
  for (const auto& [capacity, expected] : {std::pair<std::size_t, std::wstring_view>{6, L"a\u65e5\u672c"},
                                           {4, L"a\u65e5"}, {2, L"a"}}) {
    const std::size_t fitting = FittingLength(stored, capacity, shiftJis);
    const int chars = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, ansi, static_cast<int>(fitting), back, 8);
    EXPECT_EQ(std::wstring_view(back, static_cast<std::size_t>(chars)), expected) << capacity;
  }
}

// The first write of each day keeps the file as it was in backup\; twenty
// days of writes leave the newest fourteen copies.
TEST(DailyBackup, TheFirstWriteOfADayKeepsACopyAndFourteenDaysAreKept) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db"), backups = folder.File(L"backup\\");
  DateTime today = EncodeDateTime({2026, 11, 1, 9});
  StickerDatabaseFile file(path, {.backup = DailyBackup(backups, [&] { return today; })});
  auto store = std::make_unique<Tmassiv>();
  store->AddRecord(MakeSticker(1));
  ASSERT_TRUE(Save(file, *store));  // nothing to keep yet
  EXPECT_TRUE(FileNamesIn(backups).empty());
  const std::vector<std::uint8_t> firstDay = ReadBytes(path);
  store->AddRecord(MakeSticker(2));
  ASSERT_TRUE(Save(file, *store));
  today += 1;
  ASSERT_TRUE(Save(file, *store));
  ASSERT_TRUE(Save(file, *store));
  std::vector<std::wstring> copies = FileNamesIn(backups);
  std::sort(copies.begin(), copies.end());
  // The first day began without base.db: its copy came with the next write.
  EXPECT_EQ(copies, (std::vector<std::wstring>{L"base.db.2026-11-01", L"base.db.2026-11-02"}));
  EXPECT_EQ(ReadBytes(backups + L"base.db.2026-11-02").size(), 2 * kStickerRecordSize);  // as the day began

  for (int day = 3; day <= 20; ++day) {
    today += 1;
    ASSERT_TRUE(Save(file, *store));
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
  ASSERT_TRUE(TaskFile(path, {.backup = DailyBackup(backups, [&] { return today; })}).Write(*store));
  EXPECT_EQ(ReadBytes(backups + L"plan.db.2026-12-08"), Bytes("earlier"));

  const std::wstring blocked = folder.File(L"blocked");
  WriteBytes(blocked, Bytes("a file where the backup folder should be"));
  ASSERT_TRUE(TaskFile(path, {.backup = DailyBackup(blocked + L"\\", [&] { return today + 1; })}).Write(*store));
  EXPECT_EQ(ReadBytes(path).size(), kTaskRecordSize);
}

// The day counts as backed up only once a copy exists: a day that began
// without base.db gets its copy at the first write that finds one. Copies
// dated after today (a clock once set ahead) stay, and today's copy with them.
TEST(DailyBackup, ADayIsDoneOnlyWithItsCopyAndFutureCopiesPushNothingOut) {
  TempFolder folder;
  const std::wstring path = folder.File(L"base.db"), backups = folder.File(L"backup\\");
  const DateTime today = EncodeDateTime({2026, 12, 8, 9});
  StickerDatabaseFile file(path, {.backup = DailyBackup(backups, [&] { return today; })});
  auto store = std::make_unique<Tmassiv>();
  store->AddRecord(MakeSticker(1));
  ASSERT_TRUE(Save(file, *store));  // no file yet: nothing to copy
  const std::vector<std::uint8_t> first = ReadBytes(path);
  store->AddRecord(MakeSticker(2));
  ASSERT_TRUE(Save(file, *store));
  EXPECT_EQ(ReadBytes(backups + L"base.db.2026-12-08"), first);

  const std::wstring future = folder.File(L"future\\");
  CreateDirectoryW(future.c_str(), nullptr);
  for (int day = 1; day <= static_cast<int>(kKeptBackupDays) + 2; ++day)
    WriteBytes(future + BackupName(L"base.db", EncodeDateTime({2030, 1, day, 9})), Bytes("ahead"));
  StickerDatabaseFile ahead(path, {.backup = DailyBackup(future, [&] { return today; })});
  ASSERT_TRUE(Save(ahead, *store));
  EXPECT_TRUE(FileExists(future + L"base.db.2026-12-08"));
  EXPECT_EQ(FileNamesIn(future).size(), kKeptBackupDays + 3);
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
