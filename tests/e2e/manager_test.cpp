// The manager window of a running Quillory.exe, found from outside and driven
// with real input: it opens on the instance command and a later start, its
// sticker list follows what the sticker windows do, its commands reach the
// windows and base.db, and plan.db survives a kill in the middle of a write.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <set>
#include <string>

#include "editors/new_sticker_form_win.h"
#include "manager/manager_form_win.h"
#include "store/task_record.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"

namespace {

using F = TFormManager;

std::vector<std::uint8_t> TaskFileImage(int count) {
  std::vector<std::uint8_t> image;
  for (int n = 1; n <= count; ++n) {
    TaskRecord task = NewTask(46000.0 + n);
    task.action = kTaskMessageWindow;
    task.name.Assign("task " + std::to_string(n));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&task);
    image.insert(image.end(), bytes, bytes + kTaskRecordSize);
  }
  return image;
}

class ManagerWindow : public StickerProgram {
 protected:
  // The manager of the running program, shown or not (null when none).
  HWND Manager() {
    const auto found = TopLevelWindows({L"TFormManager", Pid()});
    return found.size() == 1 ? found.front() : nullptr;
  }
  bool ManagerShown() {
    return Eventually([&] { return Manager() && IsWindowVisible(Manager()); });
  }
  bool ManagerHidden() {
    return Eventually([&] { return Manager() && !IsWindowVisible(Manager()); });
  }
  HWND Find(int id) { return ControlById(Manager(), id); }
  int Rows(int grid) { return static_cast<int>(SendMessageW(Find(grid), LVM_GETITEMCOUNT, 0, 0)); }
  int SelectedRow(int grid) {
    return static_cast<int>(SendMessageW(Find(grid), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  bool Enabled(int id) { return IsWindowEnabled(Find(id)) != FALSE; }
  // Another process's control: its text comes only by message.
  std::wstring Text(int id) {
    wchar_t text[64] = {};
    SendMessageW(Find(id), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
  }
  // Waits until the button's handler has run (a confirmation would make it wait).
  void Press(int id) {
    DWORD_PTR ignored;
    SendMessageTimeoutW(Find(id), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
  }
  static std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, 64);
    return name;
  }
  static std::string ClassAt(POINT at) { return ClassOf(WindowFromPoint(at)); }
  // Stickers may lie over parts of the first row: the first point along it
  // where the list itself is hit. (Another process's list gives its item
  // rectangles only into its own memory; its header's window is enough.)
  // Wine may take a click at the very point of the one before, even seconds
  // later, for the second click of a double-click, which opens the sticker's
  // settings: each click goes a little further along the row.
  POINT VisiblePointOfFirstRow(int grid) {
    HWND list = Find(grid);
    RECT header{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), &header);
    const int y = header.bottom + 5;
    const int start = header.left + 40 + (clicksOnRows_++ % 2) * 8;
    for (int x = start; x < header.right - 8; x += 16)
      if (WindowFromPoint({x, y}) == list) return {x, y};
    return {start, y};
  }
  int clicksOnRows_ = 0;
  // A click on the first row gives the grid the focus; the arrows do the rest.
  // Each key waits for the one before it to have moved the selection: a key
  // that comes while the list still decides whether the click began a drag
  // is lost.
  void SelectRow(int grid, int row) {
    const POINT at = VisiblePointOfFirstRow(grid);
    ClickWithMouse(at);
    EXPECT_TRUE(Eventually([&] { return FocusIn(Manager()) == Find(grid); }))
        << "clicked at " << at.x << "," << at.y << " on " << ClassAt(at) << ", foreground " << ClassOf(GetForegroundWindow());
    PressKeys({VK_HOME});
    EXPECT_TRUE(Eventually([&] { return SelectedRow(grid) == 0; })) << SelectedRow(grid);
    for (int i = 1; i <= row; ++i) {
      PressKeys({VK_DOWN});
      EXPECT_TRUE(Eventually([&] { return SelectedRow(grid) == i; })) << SelectedRow(grid);
    }
  }
  // Delete on the selected row, answered with the dialog's button of that id.
  void DeleteSelected(int answer) {
    PostMessageW(Find(F::kDeleteStickerButton), BM_CLICK, 0, 0);  // the question waits in its own loop
    HWND dialog = ShownWindow(L"TFormDialog");
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
    ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(dialog); }));
  }
  bool OnDiskHas(std::int32_t id) {
    for (const auto& r : OnDisk())
      if (r.id == id) return true;
    return false;
  }
};

TEST_F(ManagerWindow, OpensOnTheInstanceCommandAndALaterStartListingEveryStickerAndEscHidesIt) {
  Start({Placed(1, 10, 10), Placed(2, 790, 10), Placed(3, 400, 600, false)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  ASSERT_NE(Manager(), nullptr);  // made at start-up, hidden
  EXPECT_FALSE(IsWindowVisible(Manager()));

  Instance(kInstanceShowManager, kInstanceShowManager);
  ASSERT_TRUE(ManagerShown());
  EXPECT_EQ(Rows(F::kStickerGrid), 3);  // the hidden sticker too
  EXPECT_EQ(SelectedRow(F::kStickerGrid), -1);
  ASSERT_TRUE(WaitForKeyboard(Manager()));
  PressKeys({VK_ESCAPE});
  EXPECT_TRUE(ManagerHidden());
  EXPECT_EQ(StickerWindowsOf(Pid()).size(), 2u);  // only the manager went

  RunningProgram second(copy.Exe(), L"manager");
  EXPECT_TRUE(second.WaitForExit());
  EXPECT_TRUE(ManagerShown());
  EXPECT_EQ(TopLevelWindows({L"TFormManager", Pid()}).size(), 1u);
}

// From the keyboard alone: Ctrl+F, a few letters, Enter opens the match's
// settings; Esc empties the field, a second Esc hides the window.
TEST_F(ManagerWindow, CtrlFTypingAndEnterOpenTheNoteFound) {
  StickerRecord call = Placed(2, 790, 10);
  SetStickerText(call, "Call ANNA at five");
  Start({Placed(1, 10, 10), call, Placed(3, 400, 600, false)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceShowManager, kInstanceShowManager);
  ASSERT_TRUE(ManagerShown());
  ASSERT_TRUE(WaitForKeyboard(Manager()));
  PressKeys({VK_CONTROL, 'F'});
  for (WORD key : {'A', 'N', 'N'}) PressKeys({key});
  // "an" alone already leaves one row: the field shows each key once it is handled
  ASSERT_TRUE(Eventually([&] { return Text(F::kFindEdit) == L"ann"; })) << Text(F::kFindEdit).c_str();
  EXPECT_EQ(Rows(F::kStickerGrid), 1);
  PressKeys({VK_RETURN});
  HWND settings = ShownWindow(L"TSettingsForm");
  ASSERT_NE(settings, nullptr);
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(settings); }));
  Instance(kInstanceShowManager, kInstanceShowManager);  // back to the manager, as a user would click it
  ASSERT_TRUE(WaitForKeyboard(Manager()));
  PressKeys({VK_ESCAPE});
  EXPECT_TRUE(Eventually([&] { return Rows(F::kStickerGrid) == 3; }));
  EXPECT_TRUE(IsWindowVisible(Manager()));
  PressKeys({VK_ESCAPE});
  EXPECT_TRUE(ManagerHidden());
}

TEST_F(ManagerWindow, TheListFollowsWhatOtherWindowsDoToStickers) {
  Start({Placed(1, 10, 10), Placed(2, 790, 10)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceShowManager, kInstanceShowManager);
  ASSERT_TRUE(ManagerShown());
  ASSERT_EQ(Rows(F::kStickerGrid), 2);
  SelectRow(F::kStickerGrid, 1);
  EXPECT_EQ(Text(F::kShowHideButton), L"Hide");

  // Hidden by its own window: the selected row now offers Show.
  PostMessageW(WindowOf(2), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  EXPECT_TRUE(Eventually([&] { return Text(F::kShowHideButton) == L"Show"; })) << Text(F::kShowHideButton).c_str();
  EXPECT_EQ(Rows(F::kStickerGrid), 2);

  // A new sticker from the form.
  program->SendUserCommand(kUserNewSticker, kUserNewStickerArgument);
  HWND form = ShownWindow(L"TFormStickerMess", 30000);  // the form waits for the start-up
  ASSERT_NE(form, nullptr);
  PostMessageW(form, WM_COMMAND, TFormStickerMess::kOkButton, 0);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_TRUE(Eventually([&] { return Rows(F::kStickerGrid) == 3; })) << Rows(F::kStickerGrid);

  // A copy from the sticker's menu, then the original removed from its own menu.
  std::set<std::int32_t> earlier;
  for (const auto& r : OnDisk()) earlier.insert(r.id);
  ASSERT_EQ(earlier.size(), 3u);
  ChooseFromMenu(WindowOf(1), kMenuPlaceDuplicate);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 3));
  EXPECT_TRUE(Eventually([&] { return Rows(F::kStickerGrid) == 4; })) << Rows(F::kStickerGrid);
  std::int32_t copyId = 0;
  ASSERT_TRUE(Eventually([&] {
    for (const auto& r : OnDisk())
      if (!earlier.count(r.id)) copyId = r.id;
    return copyId != 0;
  }));
  ASSERT_NE(WindowOf(copyId), nullptr);
  // The original is removed: the copy opened over it, but under Wine without a
  // window manager the original may be raised again as its menu ends.
  ChooseFromMenu(WindowOf(1), kMenuPlaceRemove);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_NE(WindowOf(copyId), nullptr);
  EXPECT_TRUE(Eventually([&] { return Rows(F::kStickerGrid) == 3; })) << Rows(F::kStickerGrid);
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), 3);
  EXPECT_EQ(Text(F::kShowHideButton), L"Show");  // still on the hidden sticker
}

TEST_F(ManagerWindow, ItsCommandsReachTheStickerWindowsAndBaseDbAtOnce) {
  Start({Placed(1, 10, 10), Placed(2, 790, 10)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceShowManager, kInstanceShowManager);
  ASSERT_TRUE(ManagerShown());
  ASSERT_EQ(Rows(F::kStickerGrid), 2);
  for (int id : {F::kShowHideButton, F::kStickerSettingsButton, F::kDuplicateButton, F::kFloatingButton, F::kDeleteStickerButton}) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled(F::kNewStickerButton));
  SelectRow(F::kStickerGrid, 0);
  for (int id : {F::kShowHideButton, F::kStickerSettingsButton, F::kDuplicateButton, F::kFloatingButton, F::kDeleteStickerButton}) EXPECT_TRUE(Enabled(id)) << id;

  // Hide and show: the window goes and comes back, base.db follows each time.
  Press(F::kShowHideButton);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 1));
  EXPECT_EQ(WindowOf(1), nullptr);
  EXPECT_TRUE(Eventually([&] { return OnDisk().size() == 2 && OnDisk()[0].visible == 0; }));
  EXPECT_EQ(Text(F::kShowHideButton), L"Show");
  Press(F::kShowHideButton);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_NE(WindowOf(1), nullptr);
  EXPECT_TRUE(Eventually([&] { return OnDisk().size() == 2 && OnDisk()[0].visible == 1; }));

  // Floating: the window gives up its area, and takes it back.
  Press(F::kFloatingButton);
  EXPECT_TRUE(Eventually([&] { return OnDisk().size() == 2 && OnDisk()[0].floating == 1; }));
  RECT r{};
  EXPECT_TRUE(Eventually([&] {
    GetWindowRect(WindowOf(1), &r);
    return r.right - r.left == 0;
  }));
  Press(F::kFloatingButton);
  EXPECT_TRUE(Eventually([&] { return OnDisk().size() == 2 && OnDisk()[0].floating == 0; }));
  EXPECT_TRUE(Eventually([&] {
    GetWindowRect(WindowOf(1), &r);
    return r.right - r.left > 0;
  }));
  EXPECT_EQ(OnDisk()[1].floating, 0);

  // A copy with its own id and window, written before anything else asks.
  Press(F::kDuplicateButton);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 3));
  std::vector<StickerRecord> saved;
  EXPECT_TRUE(Eventually([&] { return (saved = OnDisk()).size() == 3; }));
  ASSERT_EQ(saved.size(), 3u);
  const std::set<std::int32_t> ids{saved[0].id, saved[1].id, saved[2].id};
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_EQ(saved[2].visible, 1);
  EXPECT_EQ(GetStickerText(saved[2]), "note 1");
  EXPECT_NE(WindowOf(saved[2].id), nullptr);
  EXPECT_TRUE(Eventually([&] { return Rows(F::kStickerGrid) == 3; }));

  // Delete asks first: Cancel keeps the sticker, Ok removes it.
  SelectRow(F::kStickerGrid, 1);
  const auto before = ReadBytes(copy.File(L"base.db"));
  DeleteSelected(IDCANCEL);
  EXPECT_EQ(ReadBytes(copy.File(L"base.db")), before);
  EXPECT_NE(WindowOf(2), nullptr);
  EXPECT_EQ(Rows(F::kStickerGrid), 3);
  DeleteSelected(IDOK);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 2));
  EXPECT_EQ(WindowOf(2), nullptr);
  EXPECT_TRUE(Eventually([&] { return OnDisk().size() == 2 && !OnDiskHas(2); }));
  EXPECT_TRUE(Eventually([&] { return Rows(F::kStickerGrid) == 2; }));
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), 2);
}

// Each block or release writes plan.db whole; a kill at any moment leaves
// either the old file or the new one, never a torn one.
TEST_F(ManagerWindow, AKillDuringTaskWritesNeverLeavesAPartialPlanDb) {
  const auto tasks = TaskFileImage(3);
  WriteBytes(copy.File(L"plan.db"), tasks);
  const DWORD delays[] = {150, 420, 40, 270};
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    Start({});
    Instance(kInstanceShowManager, kInstanceShowManager);
    ASSERT_TRUE(ManagerShown());
    ASSERT_TRUE(WaitForKeyboard(Manager()));
    PressKeys({VK_CONTROL, VK_TAB});
    ASSERT_TRUE(Eventually([&] { return IsWindowVisible(Find(F::kTasksPage)) != FALSE; }));
    ASSERT_EQ(Rows(F::kTaskGrid), 3);
    SelectRow(F::kTaskGrid, 1);
    ASSERT_TRUE(Enabled(F::kBlockTaskButton));
    if (round == 0) {
      Press(F::kBlockTaskButton);  // one block, written at once
      const auto blocked = ReadBytes(copy.File(L"plan.db"));
      ASSERT_EQ(blocked.size(), tasks.size());
      EXPECT_EQ(blocked[kTaskRecordSize], 0);
      EXPECT_EQ(blocked[0], 1);
    }
    HWND button = Find(F::kBlockTaskButton);
    const ULONGLONG end = GetTickCount64() + delays[round];
    while (GetTickCount64() < end) {  // each click handled before the next: the program sets the pace
      DWORD_PTR ignored;
      SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 1000, &ignored);
    }
    program->Kill();
    program.reset();
    // The next start must not take the killed one for a running instance.
    ASSERT_TRUE(Eventually([] { return !UniqueHandle(OpenMutexW(SYNCHRONIZE, FALSE, L"Quillorer")); }));

    const auto left = ReadBytes(copy.File(L"plan.db"));
    ASSERT_EQ(left.size(), 3 * kTaskRecordSize);
    for (int n = 0; n < 3; ++n) {
      TaskRecord task{};
      std::memcpy(&task, left.data() + n * kTaskRecordSize, kTaskRecordSize);
      EXPECT_EQ(task.name.View(), "task " + std::to_string(n + 1));
      EXPECT_EQ(task.in_use, 1);
      if (n != 1) {
        EXPECT_EQ(task.active, 1);  // only the selected task changes
      }
    }
  }
}

}  // namespace
