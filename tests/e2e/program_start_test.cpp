// Quillory.exe started from a private copy of its program folder and driven
// through the messages other programs use.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

#include "app/data_folder_win.h"
#include "win/handles_win.h"
#include "protocol/messages.h"
#include "app/single_instance_win.h"
#include "win/file_io_win.h"
#include "support/program_run_win.h"
#include "support/sticker_samples.h"
#include "support/sticker_windows_win.h"
#include "support/wait_win.h"
#include "support/window_search_win.h"

namespace {

constexpr std::int32_t kHiddenId = 2002;

std::vector<StickerRecord> ThreeStickers() {
  std::vector<StickerRecord> records = {MakeSticker(1001), MakeSticker(kHiddenId, false), MakeSticker(1003)};
  for (std::size_t i = 0; i < records.size(); ++i) {
    records[i].in_use = 1;  // as a written file holds them
    records[i].left = records[i].top = 40 + 200 * static_cast<int>(i);  // placed: no centring changes them
  }
  return records;
}

// A file image with every record's window handle cleared: the handles of a
// run are written but mean nothing in the next.
std::vector<std::uint8_t> WithoutWindowHandles(std::vector<std::uint8_t> image) {
  for (std::size_t at = 0; at + kStickerRecordSize <= image.size(); at += kStickerRecordSize)
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(at), sizeof(std::uint32_t), 0);
  return image;
}

std::string Lines(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

TEST(ProgramStart, AnswersTheMainWindowCommandsAndRewritesBaseDb) {
  ProgramCopy copy;
  const auto image = DatabaseImageOf(ThreeStickers());
  WriteBytes(copy.File(L"base.db"), image);
  RunningProgram program(copy.Exe());
  HWND main = program.MainWindow();
  ASSERT_NE(main, nullptr);

  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  wchar_t title[32] = {};
  GetWindowTextW(main, title, 32);
  EXPECT_STREQ(title, L"Quillory");

  EXPECT_EQ(program.SendUserCommand(kUserCountStickers), 3);
  EXPECT_EQ(program.SendUserCommand(0x1000A), 3);  // only the low word counts
  EXPECT_EQ(program.SendUserCommand(kUserVersionProbe), kVersionProbeAnswer);
  EXPECT_EQ(program.SendUserCommand(9999), 0);

  // A file gone is never taken for one emptied: the store writes it back.
  ASSERT_TRUE(DeleteFileW(copy.File(L"base.db").c_str()));
  EXPECT_EQ(program.SendUserCommand(kUserSaveDatabase), 0);
  EXPECT_EQ(WithoutWindowHandles(ReadBytes(copy.File(L"base.db"))), image);
  EXPECT_TRUE(program.Close());
}

TEST(ProgramStart, ClosingWritesTheConfigurationWithItsExactKeys) {
  ProgramCopy copy;
  RunningProgram program(copy.Exe());
  ASSERT_NE(program.MainWindow(), nullptr);
  ASSERT_TRUE(program.Close());
  EXPECT_EQ(program.ExitCode(), 0u);
  // In portable mode the switch file is the configuration: it exists, so the
  // missing "Chordix" section gives both actions the first key.
  EXPECT_EQ(Lines(ReadText(copy.File(L"config.txt"))),
            "[Base]\nportable=yes\n"
            "[Language]\nDefualtLanguageEng=1\nDefualtLanguageRus=0\nOtherLanguage=\n"
            "[Chordix]\nNEW=0\nMANAGER=0\n"
            "[Manager]\nSort=0\nPage=0\n");
}

TEST(ProgramStart, KeepsTheStoredConfigurationAndEndsWithTheSession) {
  ProgramCopy copy;
  WriteText(copy.File(L"config.txt"),
            "[Base]\r\nportable=1\r\n[Language]\r\nDefualtLanguageEng=0\r\nOtherLanguage=Deutsch.lng\r\n"
            "[Chordix]\r\nMANAGER=12\r\n[Manager]\r\nPage=1\r\n");
  RunningProgram program(copy.Exe());
  HWND main = program.MainWindow();
  ASSERT_NE(main, nullptr);
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer);
  EXPECT_EQ(answer, 1u);
  // Another program may still cancel the end of the session: the program
  // has saved its configuration but runs on until the end is confirmed.
  EXPECT_FALSE(program.WaitForExit(500));
  SendMessageTimeoutW(main, WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 10000, &answer);
  EXPECT_FALSE(program.WaitForExit(500));
  SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &answer);
  ASSERT_TRUE(program.WaitForExit());
  // Keys already in the file are rewritten where they stand, new ones follow.
  EXPECT_EQ(Lines(ReadText(copy.File(L"config.txt"))),
            "[Base]\nportable=1\n"
            "[Language]\nDefualtLanguageEng=0\nOtherLanguage=Deutsch.lng\nDefualtLanguageRus=0\n"
            "[Chordix]\nMANAGER=0\nNEW=0\n"  // 12 is no key: the first one
            "[Manager]\nPage=1\nSort=0\n");
}

TEST(ProgramStart, WithoutThePortableSwitchTheDataLivesInDocuments) {
  ProgramCopy copy(false);
  const auto documents = DocumentsFolder();
  ASSERT_TRUE(documents.has_value());
  const std::wstring config = *documents + L"\\Quillory\\config.txt";
  DeleteFileW(config.c_str());  // left by an earlier run in the same test prefix
  RunningProgram program(copy.Exe());
  ASSERT_NE(program.MainWindow(), nullptr);
  ASSERT_TRUE(program.Close());
  EXPECT_FALSE(FileExists(copy.File(L"config.txt")));
  // Wine keeps Documents inside the private home of the test run. There was
  // no config.txt: the language follows the system and no hot key is set.
  EXPECT_EQ(Lines(ReadText(config)),
            "[Language]\nDefualtLanguageEng=1\nDefualtLanguageRus=0\nOtherLanguage=\n"
            "[Chordix]\nNEW=-1\nMANAGER=-1\n"
            "[Manager]\nSort=0\nPage=0\n");
  DeleteFileW(config.c_str());
}

// A data folder made by this start gets one welcome note, written at once;
// a start that finds the folder adds nothing.
TEST(ProgramStart, TheFirstStartGreetsWithOneNoteAndLaterStartsDoNot) {
  ProgramCopy copy(false);
  const auto documents = DocumentsFolder();
  ASSERT_TRUE(documents.has_value());
  const std::wstring folder = *documents + L"\\Quillory\\";
  for (const wchar_t* name : {L"base.db", L"plan.db", L"config.txt", L"default_settings.txt"})
    DeleteFileW((folder + name).c_str());  // left by an earlier run in the same test prefix
  RemoveDirectoryW(folder.c_str());
  ASSERT_FALSE(FolderExists(folder));
  for (int start = 0; start < 2; ++start) {
    RunningProgram program(copy.Exe());
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.SendUserCommand(kUserCountStickers), 1) << start;
    ASSERT_TRUE(program.Close());
  }
  const auto notes = ReadDatabase(folder + L"base.db");
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].visible, 1);
  EXPECT_EQ(GetStickerText(notes[0]).substr(0, 8), "Welcome!");
  for (const wchar_t* name : {L"base.db", L"plan.db", L"config.txt", L"default_settings.txt"})
    DeleteFileW((folder + name).c_str());
}

TEST(ProgramStart, AStartUpIdOpensThatStickerEvenWhenSavedHidden) {
  ProgramCopy copy;
  WriteBytes(copy.File(L"base.db"), DatabaseImageOf(ThreeStickers()));
  RunningProgram program(copy.Exe(), L"id=" + std::to_wstring(kHiddenId));
  ASSERT_NE(program.MainWindow(), nullptr);
  program.SendUserCommand(kUserSaveDatabase);
  const auto bytes = ReadBytes(copy.File(L"base.db"));
  ASSERT_EQ(bytes.size(), 3 * kStickerRecordSize);
  StickerRecord second;
  std::memcpy(&second, bytes.data() + kStickerRecordSize, kStickerRecordSize);
  EXPECT_EQ(second.id, kHiddenId);
  EXPECT_EQ(second.visible, 1);
  EXPECT_TRUE(program.Close());
}

TEST(ProgramStart, ASecondInstanceEndsWithoutAWindowAndAutorunIsWritten) {
  ProgramCopy copy;
  RunningProgram first(copy.Exe());
  ASSERT_NE(first.MainWindow(), nullptr);

  RunningProgram second(copy.Exe());
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_EQ(second.ExitCode(), 0u);
  RunningProgram third(copy.Exe(), L"hideall new");
  ASSERT_TRUE(third.WaitForExit());

  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"Quillory");
  RunningProgram autorun(copy.Exe(), L"-autorun");
  ASSERT_TRUE(autorun.WaitForExit());
  EXPECT_EQ(CountMainWindows(), 1);
  EXPECT_EQ(FindMainWindowOf(second.ProcessId()), nullptr);

  wchar_t value[MAX_PATH] = {};
  DWORD size = sizeof(value), type = 0;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"Quillory",
                         RRF_RT_REG_SZ, &type, value, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(_wcsicmp(value, copy.Exe().c_str()), 0);
  EXPECT_EQ(size, (copy.Exe().size() + 1) * sizeof(wchar_t));  // with its terminating zero
  EXPECT_TRUE(first.Close());
}

// The program's store holds what the user sees, written or not: a restart of
// the shell neither reads base.db again nor writes it.
TEST(ProgramStart, AShellRestartKeepsTheStoreAndLeavesTheFileAlone) {
  ProgramCopy copy;
  WriteBytes(copy.File(L"base.db"), DatabaseImageOf(ThreeStickers()));
  RunningProgram program(copy.Exe());
  HWND main = program.MainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_EQ(program.SendUserCommand(kUserCountStickers), 3);
  // Gone meanwhile (a sync tool between its steps): neither read nor written.
  ASSERT_TRUE(DeleteFileW(copy.File(L"base.db").c_str()));
  DWORD_PTR ignored;
  SendMessageTimeoutW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_NORMAL, 10000, &ignored);
  EXPECT_EQ(program.SendUserCommand(kUserCountStickers), 3);
  EXPECT_FALSE(FileExists(copy.File(L"base.db")));
  EXPECT_TRUE(program.Close());
}

// An installer closes a running program with WM_CLOSE; one still starting
// (an error box of the start-up waits) has not read its configuration yet
// and must not overwrite it with defaults. It ends once start-up is over.
TEST(ProgramStart, AskedToCloseDuringStartUpItKeepsTheConfigurationAndEndsAfterwards) {
  ProgramCopy copy;
  const std::string config = "[Base]\r\nportable=yes\r\n[Language]\r\nDefualtLanguageEng=0\r\nDefualtLanguageRus=1\r\n";
  WriteText(copy.File(L"config.txt"), config);
  WriteBytes(copy.File(L"base.db"), DatabaseImageOf(ThreeStickers()));
  UniqueFile locked(CreateFileW(copy.File(L"base.db").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(locked.Valid());
  RunningProgram program(copy.Exe());
  const ShownMessageBox box = WaitForMessageBox(program.ProcessId());
  ASSERT_NE(box.window, nullptr);
  const auto starting = TopLevelWindows({kMainWindowClass, program.ProcessId()});
  ASSERT_EQ(starting.size(), 1u);
  DWORD_PTR ignored;
  SendMessageTimeoutW(starting.front(), WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, &ignored);
  EXPECT_EQ(ReadText(copy.File(L"config.txt")), config);
  locked.Reset();
  DismissMessageBox(box);
  EXPECT_TRUE(program.WaitForExit());
  EXPECT_NE(ReadText(copy.File(L"config.txt")).find("DefualtLanguageRus=1"), std::string::npos);
}

TEST(ProgramStart, AnUnreadableDatabaseIsReportedAndTheProgramGoesOn) {
  ProgramCopy copy;
  WriteBytes(copy.File(L"base.db"), DatabaseImageOf(ThreeStickers()));
  UniqueFile locked(CreateFileW(copy.File(L"base.db").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(locked.Valid());
  RunningProgram program(copy.Exe());
  const ShownMessageBox box = WaitForMessageBox(program.ProcessId());
  ASSERT_NE(box.window, nullptr);
  EXPECT_NE(box.text.find(L"Cannot open file \"" + copy.File(L"base.db") + L"\". "), std::wstring::npos);
  DismissMessageBox(box);
  ASSERT_NE(program.MainWindow(), nullptr);
  EXPECT_EQ(program.SendUserCommand(kUserCountStickers), 0);
  EXPECT_TRUE(program.Close());
}

TEST(ProgramStart, AFailedSaveIsReportedKeepsTheOldFileAndTheNextSaveSucceeds) {
  ProgramCopy copy;
  const auto image = DatabaseImageOf(ThreeStickers());
  WriteBytes(copy.File(L"base.db"), image);
  RunningProgram program(copy.Exe());
  HWND main = program.MainWindow();
  ASSERT_NE(main, nullptr);
  WriteBytes(copy.File(L"base.db"), std::vector<std::uint8_t>(10, 0x77));  // tells old from new
  // A folder where the temporary file must go makes the write fail.
  ASSERT_TRUE(CreateDirectoryW(copy.File(L"base.db.tmp").c_str(), nullptr));
  PostMessageW(main, WM_USER, 0, kUserSaveDatabase);
  const ShownMessageBox box = WaitForMessageBox(program.ProcessId());
  ASSERT_NE(box.window, nullptr);
  EXPECT_NE(box.text.find(L"Cannot create file \"" + copy.File(L"base.db") + L"\". "), std::wstring::npos);
  DismissMessageBox(box);
  EXPECT_EQ(ReadBytes(copy.File(L"base.db")), std::vector<std::uint8_t>(10, 0x77));
  RemoveDirectoryW(copy.File(L"base.db.tmp").c_str());
  EXPECT_EQ(program.SendUserCommand(kUserSaveDatabase), 0);
  EXPECT_EQ(WithoutWindowHandles(ReadBytes(copy.File(L"base.db"))), image);
  EXPECT_TRUE(program.Close());
}

// Killing the program while it saves must leave either the old or the new
// file, whole: never a truncated or mixed base.db.
TEST(ProgramStart, KillingItWhileItSavesNeverLeavesABrokenDatabase) {
  std::vector<StickerRecord> records;
  for (int i = 0; i < kStickerSlotCount; ++i) records.push_back(MakeSticker(5000 + i, false));  // hidden: no windows
  for (auto& r : records) r.in_use = 1;
  const auto image = DatabaseImageOf(records);
  std::mt19937 random(11);
  for (int round = 0; round < 6; ++round) {
    SCOPED_TRACE(round);
    ProgramCopy copy;
    WriteBytes(copy.File(L"base.db"), image);
    RunningProgram program(copy.Exe());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    std::atomic<bool> stop{false};
    std::atomic<int> saves{0};
    std::thread saver([&] {
      while (!stop) {
        DWORD_PTR ignored;
        if (!SendMessageTimeoutW(main, WM_USER, 0, kUserSaveDatabase, SMTO_ABORTIFHUNG, 2000, &ignored)) break;
        ++saves;
      }
    });
    // Killed somewhere in a run of saves, a different place each round.
    const int killAfter = 1 + static_cast<int>(random() % 20);
    EXPECT_TRUE(Eventually([&] { return saves >= killAfter; }));
    program.Kill();
    stop = true;
    saver.join();
    EXPECT_EQ(ReadBytes(copy.File(L"base.db")), image);
  }
}

}  // namespace
