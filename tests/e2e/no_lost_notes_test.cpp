// Notes survive what a user's machine does to them: a crash right after a
// copy, a base.db held by another program, a shell restart, Alt+F4, and a
// second command arriving while an error box waits; and each day's first
// write keeps a copy of the file as it was.

#include <gtest/gtest.h>

#include <set>

#include "support/sticker_program_win.h"
#include "support/window_search_win.h"
#include "support/temp_folder_win.h"
#include "store/backup_names.h"
#include "store/local_time_win.h"
#include "win/file_io_win.h"

namespace {

using NoLostNotes = StickerProgram;

UniqueFile LockExclusively(const std::wstring& path) {
  return UniqueFile(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

TEST_F(NoLostNotes, DuplicatesGetIdsOfTheirOwnAndReachBaseDbBeforeAnyCrash) {
  HWND original = StartOne(Placed(1, 100, 100));
  ASSERT_NE(original, nullptr);
  ChooseFromMenu(original, kMenuPlaceDuplicate);  // twice within about a second
  ChooseFromMenu(original, kMenuPlaceDuplicate);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 3));  // each copy has its own window
  // A copy's window shows while its command is still being handled: the kill
  // comes once that command has ended, with no later save to wait for.
  ASSERT_TRUE(PostedMessagesHandled(original));
  program->Kill();                                // no save request, no orderly end
  const auto saved = OnDisk();
  ASSERT_EQ(saved.size(), 3u);
  std::set<std::int32_t> ids;
  for (const auto& r : saved) ids.insert(r.id);
  EXPECT_EQ(ids.size(), 3u);
  for (const auto& r : saved) EXPECT_EQ(r.visible, 1);
}

// The user's way back: backup\base.db.<today> holds the notes as the day
// began, whatever was written after.
TEST_F(NoLostNotes, TheFirstWriteOfTheDayKeepsBaseDbAsItWas) {
  const auto original = DatabaseImageOf({Placed(1, 100, 100), Placed(2, 400, 100)});
  WriteBytes(copy.File(L"base.db"), original);
  Run();
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  PostMessageW(WindowOf(2), WM_CLOSE, 0, 0);  // hidden and written at once
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  EXPECT_EQ(program->SendUserCommand(kUserSaveDatabase), 0);
  const std::wstring backup = copy.File(L"backup\\" + BackupName(L"base.db", LocalNow()));
  EXPECT_EQ(ReadBytes(backup), original);
  EXPECT_NE(ReadBytes(copy.File(L"base.db")), original);
}

// A sync tool that holds base.db for two seconds at logon: the start waits
// for it and opens every note, without a word.
TEST_F(NoLostNotes, ABaseDbHeldAMomentAtStartOpensAllItsNotes) {
  WriteBytes(copy.File(L"base.db"), DatabaseImageOf({Placed(1, 100, 100), Placed(2, 400, 100)}));
  UniqueFile lock = LockExclusively(copy.File(L"base.db"));
  ASSERT_TRUE(lock);
  program = std::make_unique<RunningProgram>(copy.Exe());
  Sleep(2000);  // how long the other program holds the file
  lock.Reset();
  main = program->MainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_TRUE(TopLevelWindows({L"#32770", Pid(), true}).empty());  // no error box
}

// Held through the whole start, then let go: the first change is written
// and every note of the old file is still there, open as it was saved.
TEST_F(NoLostNotes, ABaseDbHeldThroughTheStartLosesNoNoteAtTheFirstChange) {
  const auto original = DatabaseImageOf({Placed(1, 100, 100), Placed(2, 400, 100), Placed(3, 700, 100, false)});
  WriteBytes(copy.File(L"base.db"), original);
  UniqueFile lock = LockExclusively(copy.File(L"base.db"));
  ASSERT_TRUE(lock);
  program = std::make_unique<RunningProgram>(copy.Exe());
  DismissMessageBox(WaitForMessageBox(Pid(), L"Cannot open file"));
  main = program->MainWindow();
  ASSERT_NE(main, nullptr);
  // Still held: it can be neither read nor kept aside, so nothing is written.
  PostMessageW(main, WM_USER, 0, kUserSaveDatabase);
  DismissMessageBox(WaitForMessageBox(Pid(), L"Cannot create file"));
  lock.Reset();
  EXPECT_EQ(ReadBytes(copy.File(L"base.db")), original);

  program->SendUserCommand(kUserNewSticker, kUserNewStickerArgument);
  HWND form = ShownWindow(L"TFormStickerMess", 30000);  // the form waits for the start-up
  ASSERT_NE(form, nullptr);
  PostMessageW(form, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 3));  // the new note and the two saved open
  ASSERT_TRUE(Eventually([&] { return OnDisk().size() == 4; }));
  std::set<std::int32_t> ids;
  for (const auto& r : OnDisk()) ids.insert(r.id);
  EXPECT_EQ(ids.size(), 4u);
  for (std::int32_t id : {1, 2, 3}) EXPECT_EQ(ids.count(id), 1u) << id;
  EXPECT_FALSE(FileExists(copy.File(L"base.db.unread")));
  EXPECT_TRUE(TopLevelWindows({L"#32770", Pid(), true}).empty());
}

// Unreadable for good (a folder in its place): kept aside whole, and the
// user is told once where it is.
TEST_F(NoLostNotes, ABaseDbThatCannotBeReadIsMovedAsideWhole) {
  // A folder where the file should be: it exists but cannot be read.
  CreateDirectoryW(copy.File(L"base.db").c_str(), nullptr);
  WriteBytes(copy.File(L"base.db\\inside"), DatabaseImageOf({Placed(1, 100, 100)}));
  const std::vector<std::uint8_t> earlier = {1, 2, 3};
  WriteBytes(copy.File(L"base.db.unread"), earlier);  // an earlier copy keeps its name
  program = std::make_unique<RunningProgram>(copy.Exe());
  DismissMessageBox(WaitForMessageBox(Pid(), L"Cannot open file"));
  main = program->MainWindow();
  ASSERT_NE(main, nullptr);
  PostMessageW(main, WM_USER, 0, kUserSaveDatabase);
  const ShownMessageBox told = WaitForMessageBox(Pid(), L"base.db.unread.1");
  ASSERT_NE(told.window, nullptr);
  EXPECT_NE(told.text.find(L"kept unchanged"), std::wstring::npos) << told.text;
  DismissMessageBox(told);
  EXPECT_EQ(program->SendUserCommand(kUserSaveDatabase), 0);  // said once only
  EXPECT_TRUE(TopLevelWindows({L"#32770", Pid(), true}).empty());
  EXPECT_EQ(ReadBytes(copy.File(L"base.db.unread")), earlier);
  EXPECT_EQ(ReadDatabase(copy.File(L"base.db.unread.1\\inside")).size(), 1u);
  EXPECT_TRUE(FileExists(copy.File(L"base.db")));
}

TEST_F(NoLostNotes, AShellRestartKeepsWhatWasNotWrittenYet) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceToggleSticker, 2);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  DWORD_PTR ignored;
  SendMessageTimeoutW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_NORMAL, 10000, &ignored);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 1));
  ASSERT_TRUE(PostedMessagesHandled(StickerWindowsOf(Pid()).front()));  // whatever the restart posted has run
  EXPECT_EQ(StickerWindowsOf(Pid()).size(), 1u);
  const auto saved = OnDisk();
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[1].visible, 0);
}

TEST_F(NoLostNotes, AltF4HidesTheStickerSoThatShowAllBringsItBack) {
  Start({Placed(1, 100, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  PostMessageW(StickerWindowsOf(Pid()).front(), WM_CLOSE, 0, 0);  // what Alt+F4 sends
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 0));
  EXPECT_TRUE(Eventually([&] { return OnDisk().size() == 1 && OnDisk()[0].visible == 0; }));
  Instance(kInstanceShowAll, kInstanceShowAll);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 1));
}

TEST_F(NoLostNotes, AClosedWindowIsForgottenByItsRecord) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceToggleSticker, 2);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  const auto saved = Saved();
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_NE(saved[0].window, 0u);
  EXPECT_EQ(saved[1].window, 0u);  // no stale handle for commands to reach
}

// A failed save inside a sticker's own handler shows a box; its message loop
// runs a "hide all" from another program, which closes that very window.
TEST_F(NoLostNotes, AWindowClosedWhileItsHandlerWaitsOnABoxIsFreedAfterwards) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  UniqueFile lock = LockExclusively(copy.File(L"base.db"));
  ASSERT_TRUE(lock);
  RECT r{};
  GetWindowRect(sticker, &r);
  DragWithMouse({r.left + 60, r.top + 30}, {r.left + 160, r.top + 90});
  const ShownMessageBox box = WaitForMessageBox(Pid(), L"Cannot create file");
  ASSERT_NE(box.window, nullptr);
  PostMessageW(main, WM_INSTANCE_COMMAND, kInstanceHideAll, kInstanceHideAll);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 0));
  // Answered once the hide-all has run to its end: the release of closed
  // windows it posted comes before the box's Ok.
  Answers(main);
  lock.Reset();
  DismissMessageBox(box);
  EXPECT_EQ(program->SendUserCommand(kUserVersionProbe), kVersionProbeAnswer);
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), 1);
  const auto saved = Saved();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].visible, 0);
}

}  // namespace
