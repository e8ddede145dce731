// A change made to a sticker by any route (a later start, a desktop
// shortcut, the tray, the manager, the scheduler, the sticker's own window)
// is in base.db when it happens and in the manager's list at once; a restart
// of the shell keeps what the program holds, written or not; a full store
// says so before a form is filled in.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "manager/manager_form_win.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"

namespace {

class OneRoad : public StickerProgram {
 protected:
  // The visible flags of base.db, in file order, as they are on disk now.
  std::vector<int> VisibleOnDisk() {
    std::vector<int> flags;
    for (const StickerRecord& r : OnDisk()) flags.push_back(r.visible);
    return flags;
  }
  bool DiskShows(const std::vector<int>& flags) {
    return Eventually([&] { return VisibleOnDisk() == flags; });
  }
  HWND OpenManager() {
    Instance(kInstanceShowManager, kInstanceShowManager);
    return ShownWindow(L"TFormManager");
  }
  int Rows(HWND manager) {
    return static_cast<int>(SendMessageW(ControlById(manager, TFormManager::kStickerGrid), LVM_GETITEMCOUNT, 0, 0));
  }
};

UniqueFile LockExclusively(const std::wstring& path) {
  return UniqueFile(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

// No save is asked for: each command must write by itself, as the user
// expects to find it after a restart (or a crash).
TEST_F(OneRoad, WholeSetCommandsAndToggleByIdWriteBaseDbAtOnce) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100), Placed(3, 600, 100, false)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceHideAll, kInstanceHideAll);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 0));
  EXPECT_TRUE(DiskShows({0, 0, 0}));
  Instance(kInstanceShowAll, kInstanceShowAll);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 3));
  EXPECT_TRUE(DiskShows({1, 1, 1}));
  Instance(kInstanceToggleSticker, 2);  // what a desktop shortcut sends
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_TRUE(DiskShows({1, 0, 1}));
  program->Kill();  // no orderly end: what is on disk is all there is
  program.reset();
  Run();
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_EQ(WindowOf(2), nullptr);
}

TEST_F(OneRoad, TheManagerFollowsEveryRouteAndIsFilledAfreshWhenOpened) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  HWND manager = OpenManager();
  ASSERT_NE(manager, nullptr);
  ASSERT_EQ(Rows(manager), 2);
  ChooseFromMenu(WindowOf(1), kMenuPlaceDuplicate);  // from the sticker's own menu
  EXPECT_TRUE(Eventually([&] { return Rows(manager) == 3; })) << Rows(manager);
  PostMessageW(manager, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(manager); }));
  Instance(kInstanceToggleSticker, 2);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 2));
  ASSERT_EQ(OpenManager(), manager);
  EXPECT_EQ(Rows(manager), 3);
}

// A write that failed (a locked file here; a full disk or a pulled stick
// alike) leaves the change in the program only. A restart of the shell must
// neither lose it nor empty the screen by reading the file again.
TEST_F(OneRoad, AShellRestartRebuildsFromTheStoreAndNeverRereadsTheFiles) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100), Placed(3, 600, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 3));
  UniqueFile lock = LockExclusively(copy.File(L"base.db"));
  ASSERT_TRUE(lock);
  PostMessageW(main, WM_INSTANCE_COMMAND, 3, kInstanceToggleSticker);
  const ShownMessageBox refused = WaitForMessageBox(Pid(), L"Cannot create file");
  ASSERT_NE(refused.window, nullptr);
  DismissMessageBox(refused);
  DWORD_PTR ignored;
  SendMessageTimeoutW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_NORMAL, 10000, &ignored);
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), 3);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_EQ(WindowOf(3), nullptr);
  lock.Reset();
  EXPECT_EQ(program->SendUserCommand(kUserSaveDatabase), 0);
  EXPECT_EQ(VisibleOnDisk(), (std::vector<int>{1, 1, 0}));
}

TEST_F(OneRoad, AFullStoreSaysSoBeforeTheNewStickerFormOpens) {
  std::vector<StickerRecord> full;
  for (int i = 1; i <= kStickerSlotCount; ++i) full.push_back(Placed(i, 100, 100, false));
  Start(full);
  Instance(kInstanceNewSticker, kInstanceNewSticker);
  const ShownMessageBox box = WaitForMessageBox(Pid(), L"256");
  ASSERT_NE(box.window, nullptr);
  EXPECT_TRUE(TopLevelWindows({L"TFormStickerMess", Pid(), true}).empty());
  DismissMessageBox(box);
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), kStickerSlotCount);
}

}  // namespace
