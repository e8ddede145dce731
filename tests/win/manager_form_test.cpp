// The manager window built by the program's own code over a store of its
// own: what its lists hold, which commands a selection allows, and what the
// commands ask of the program.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <vector>

#include "lang/button_texts.h"
#include "manager/manager_form_win.h"
#include "support/dialog_fit_win.h"
#include "support/scheduler_fakes.h"
#include "support/sticker_samples.h"
#include "support/task_wizard_user_win.h"
#include "protocol/messages.h"

namespace {

struct RecordingCommands final : ManagerCommands {
  std::vector<std::pair<const char*, std::int32_t>> calls;
  int taskSaves = 0;
  void NewSticker() override { calls.push_back({"new", 0}); }
  void ShowSticker(std::int32_t id) override { calls.push_back({"show", id}); }
  void HideSticker(std::int32_t id) override { calls.push_back({"hide", id}); }
  void DeleteSticker(std::int32_t id) override { calls.push_back({"delete", id}); }
  void DuplicateSticker(std::int32_t id) override { calls.push_back({"duplicate", id}); }
  void ToggleFloating(std::int32_t id) override { calls.push_back({"floating", id}); }
  void OpenSettings(std::int32_t id) override { calls.push_back({"settings", id}); }
  void CreateShortcut(std::int32_t id) override { calls.push_back({"shortcut", id}); }
  void RebuildShownStickers() override {}
  bool SaveTasks() override { return ++taskSaves > 0; }
};

using F = TFormManager;

class ManagerFormTest : public ::testing::Test {
 public:
  ManagerFormTest() {
    StickerRecord floating = MakeSticker(30, true);
    floating.floating = 1;
    for (const StickerRecord& r : {MakeSticker(10, true), MakeSticker(20, false), floating}) store->AddRecord(r);
    for (int slot : {0, 3}) {
      TaskRecord task = NewTask(46000.0);
      task.active = slot == 0 ? 1 : 0;
      store->WriteTask(slot, task);
    }
    EXPECT_TRUE(dialog.Create());
    EXPECT_TRUE(wizard.Create());
    manager = std::make_unique<TFormManager>(ManagerArgs{&texts, store.get(), &commands, &dialog, &actions, &wizard, &menuGlyphs});
    EXPECT_TRUE(manager->Create());
  }

  bool Enabled(int id) const { return IsWindowEnabled(manager->Control(id)) != FALSE; }
  int Rows(int grid) const { return static_cast<int>(SendMessageW(manager->Control(grid), LVM_GETITEMCOUNT, 0, 0)); }
  void Select(int grid, int row) const {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = row < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(manager->Control(grid), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
  void Click(int id) const { SendMessageW(manager->Control(id), BM_CLICK, 0, 0); }
  void MenuCommand(int id) const { SendMessageW(manager->Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // The state of an item of the window's menu bar, by command.
  UINT BarItem(int popup, int id) const {
    return GetMenuState(GetSubMenu(GetMenu(manager->Handle()), popup), static_cast<UINT>(id), MF_BYCOMMAND);
  }
  std::wstring Text(int id) const { return manager->ControlText(id); }
  // A key pressed in a control, as the message loop hands it on to the form.
  bool Key(int control, WPARAM key) const {
    MSG message{manager->Control(control), WM_KEYDOWN, key, 0};
    return RouteDialogKey(message);
  }

  TMUI texts;
  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();
  RecordingCommands commands;
  NoSchedulerActions actions;
  TFormPlan wizard{texts, *store};
  TFormDialog dialog{texts, kOkText, kCancelText};
  MenuGlyphs menuGlyphs;  // none: the menus, grids and buttons go without pictures
  std::unique_ptr<TFormManager> manager;
};

TEST_F(ManagerFormTest, WithNoRowSelectedEveryCommandOnARowIsDisabled) {
  EXPECT_EQ(Rows(F::kStickerGrid), 3);
  EXPECT_EQ(Rows(F::kTaskGrid), 2);
  for (int id : {F::kShowHideButton, F::kStickerSettingsButton, F::kDuplicateButton, F::kFloatingButton, F::kDeleteStickerButton, F::kEditTaskButton, F::kDeleteTaskButton,
                 F::kBlockTaskButton})
    EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled(F::kNewStickerButton));
  EXPECT_TRUE(Enabled(F::kNewTaskButton));
  for (int id : {F::kHideStickerItem, F::kShowStickerItem, F::kStickerSettingsButton, F::kDeleteStickerButton, F::kShortcutItem})
    EXPECT_TRUE(BarItem(0, id) & MF_GRAYED) << id;
  EXPECT_FALSE(BarItem(0, F::kNewStickerButton) & MF_GRAYED);
  MenuCommand(F::kHideStickerItem);
  Click(F::kDeleteStickerButton);
  EXPECT_TRUE(commands.calls.empty());
}

TEST_F(ManagerFormTest, AShownRowAllowsHideAndAHiddenRowAllowsShow) {
  Select(F::kStickerGrid, 0);
  EXPECT_TRUE(Enabled(F::kShowHideButton));
  EXPECT_TRUE(Enabled(F::kDeleteStickerButton));
  EXPECT_FALSE(BarItem(0, F::kHideStickerItem) & MF_GRAYED);
  EXPECT_TRUE(BarItem(0, F::kShowStickerItem) & MF_GRAYED);
  EXPECT_EQ(Text(F::kShowHideButton), L"Hide");
  Click(F::kShowHideButton);

  Select(F::kStickerGrid, 1);
  EXPECT_TRUE(BarItem(0, F::kHideStickerItem) & MF_GRAYED);
  EXPECT_FALSE(BarItem(0, F::kShowStickerItem) & MF_GRAYED);
  EXPECT_EQ(Text(F::kShowHideButton), L"Show");
  Click(F::kShowHideButton);
  Click(F::kDuplicateButton);
  Click(F::kFloatingButton);
  MenuCommand(F::kShortcutItem);
  Click(F::kStickerSettingsButton);
  using Calls = std::vector<std::pair<const char*, std::int32_t>>;
  const Calls expected{{"hide", 10}, {"show", 20}, {"duplicate", 20}, {"floating", 20}, {"shortcut", 20}, {"settings", 20}};
  ASSERT_EQ(commands.calls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_STREQ(commands.calls[i].first, expected[i].first);
    EXPECT_EQ(commands.calls[i].second, expected[i].second);
  }
}

// While the confirmation waits, its message loop runs the scheduler, which
// may delete the very sticker chosen; the selection then lands on another
// row, which must not be deleted in its place.
ManagerFormTest* whileAsking = nullptr;

void CALLBACK SchedulerDeletesTheChosenSticker(HWND, UINT, UINT_PTR timer, DWORD) {
  ManagerFormTest& test = *whileAsking;
  if (!IsWindowVisible(test.dialog.Handle())) return;
  KillTimer(nullptr, timer);
  test.store->DeleteSticker(10);
  SendMessageW(test.manager->Handle(), WM_MANAGER_REFRESH, kManagerRefreshStickers, kManagerRefreshStickers);
  test.Select(F::kStickerGrid, 0);
  PostMessageW(test.dialog.Control(TFormDialog::kOkButton), BM_CLICK, 0, 0);
}

TEST_F(ManagerFormTest, DeleteActsOnTheStickerChosenBeforeTheQuestionAndOnlyIfItIsStillThere) {
  Select(F::kStickerGrid, 0);
  whileAsking = this;
  SetTimer(nullptr, 0, 10, SchedulerDeletesTheChosenSticker);
  Click(F::kDeleteStickerButton);
  EXPECT_TRUE(commands.calls.empty());
  EXPECT_EQ(Rows(F::kStickerGrid), 2);
}

// The grid follows the store: a sticker gone from it leaves the list at the
// next refresh, and the selection stays on the sticker it was on.
TEST_F(ManagerFormTest, ARefreshFollowsTheStoreAndKeepsTheSelectedSticker) {
  Select(F::kStickerGrid, 2);
  store->DeleteSticker(10);
  SendMessageW(manager->Handle(), WM_MANAGER_REFRESH, kManagerRefreshStickers, kManagerRefreshStickers);
  EXPECT_EQ(Rows(F::kStickerGrid), 2);
  Click(F::kFloatingButton);
  ASSERT_EQ(commands.calls.size(), 1u);
  EXPECT_EQ(commands.calls[0].second, 30);
}

// The keys as the message loop hands them on: Enter on the sticker grid opens
// the selected sticker's settings, Esc hides the window.
TEST_F(ManagerFormTest, EnterOnTheGridOpensTheSettingsAndEscHides) {
  manager->Open();
  Select(F::kStickerGrid, 1);
  EXPECT_TRUE(Key(F::kStickerGrid, VK_RETURN));
  ASSERT_EQ(commands.calls.size(), 1u);
  EXPECT_STREQ(commands.calls[0].first, "settings");
  EXPECT_EQ(commands.calls[0].second, 20);
  Key(F::kStickerGrid, VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(manager->Handle()));
}

// What the find field keeps: body text or caption, any case; an empty field
// lists everything; a refresh filters again.
TEST_F(ManagerFormTest, TheFindFieldNarrowsTheStickerGridByTextOrCaption) {
  StickerRecord call = MakeSticker(40, true);
  SetStickerText(call, "Call ANNA at five");
  call.caption.line_text.Assign("Phone");
  store->AddRecord(call);
  manager->RefillStickers();
  const auto find = [&](const wchar_t* text) { manager->SetControlText(F::kFindEdit, text); return Rows(F::kStickerGrid); };
  EXPECT_EQ(find(L"anna"), 1);
  EXPECT_EQ(find(L"pHONE"), 1);
  EXPECT_EQ(find(L"NoTe"), 3);
  EXPECT_EQ(find(L"note 2"), 1);
  EXPECT_EQ(find(L""), 4);
  EXPECT_EQ(find(L"nowhere"), 0);
  EXPECT_FALSE(Enabled(F::kStickerSettingsButton));
  EXPECT_EQ(find(L"Anna"), 1);
  store->AddRecord([] { StickerRecord r = MakeSticker(50, false); SetStickerText(r, "anna's birthday"); return r; }());
  SendMessageW(manager->Handle(), WM_MANAGER_REFRESH, kManagerRefreshStickers, kManagerRefreshStickers);
  EXPECT_EQ(Rows(F::kStickerGrid), 2);
  EXPECT_EQ(Text(F::kFindEdit), L"Anna");
}

// Enter in the field opens the first match; Esc empties the field first and
// hides the window only then.
TEST_F(ManagerFormTest, EnterInTheFindFieldOpensTheFirstMatchAndEscClearsBeforeHiding) {
  manager->Open();
  manager->SetControlText(F::kFindEdit, L"30");
  EXPECT_TRUE(Key(F::kFindEdit, VK_RETURN));
  ASSERT_EQ(commands.calls.size(), 1u);
  EXPECT_STREQ(commands.calls[0].first, "settings");
  EXPECT_EQ(commands.calls[0].second, 30);
  Key(F::kFindEdit, VK_ESCAPE);
  EXPECT_TRUE(IsWindowVisible(manager->Handle()));
  EXPECT_EQ(Text(F::kFindEdit), L"");
  EXPECT_EQ(Rows(F::kStickerGrid), 3);
  Key(F::kFindEdit, VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(manager->Handle()));
  manager->SetControlText(F::kFindEdit, L"nowhere");
  EXPECT_TRUE(Key(F::kFindEdit, VK_RETURN));  // nothing to open
  EXPECT_EQ(commands.calls.size(), 1u);
}

// Russian notes are kept in code page 1251; the typed text is Unicode.
using RussianLocaleManagerFind = ManagerFormTest;

TEST_F(RussianLocaleManagerFind, RussianTextMatchesInEitherCase) {
  StickerRecord milk = MakeSticker(40, true);
  SetStickerText(milk, "\xCA\xF3\xEF\xE8\xF2\xFC \xEC\xEE\xEB\xEE\xEA\xEE");  // "Купить молоко"
  store->AddRecord(milk);
  for (const wchar_t* typed : {L"МОЛОКО", L"купить", L"ть мО"}) {
    manager->SetControlText(F::kFindEdit, typed);
    EXPECT_EQ(Rows(F::kStickerGrid), 1);
  }
}

TEST_F(ManagerFormTest, BlockingATaskInvertsItsActiveByteSavesAndRelabelsTheButton) {
  Select(F::kTaskGrid, 0);
  EXPECT_TRUE(Enabled(F::kBlockTaskButton));
  EXPECT_EQ(Text(F::kBlockTaskButton), L"Block task");
  Click(F::kBlockTaskButton);
  EXPECT_EQ(store->Task(0).active, 0);
  EXPECT_EQ(commands.taskSaves, 1);
  Select(F::kTaskGrid, 0);
  EXPECT_EQ(Text(F::kBlockTaskButton), L"Unblock task");

  Select(F::kTaskGrid, 1);  // the second row is slot 3
  Click(F::kBlockTaskButton);
  EXPECT_EQ(store->Task(3).active, 1);
  EXPECT_EQ(commands.taskSaves, 2);
}

// The wizard hands back a task of a kind this version does not know as not
// edited, even when the user finishes it; the manager then writes nothing.
TEST_F(ManagerFormTest, FinishingTheWizardOnATaskOfAnUnknownKindWritesNothing) {
  TaskRecord later = store->Task(3);
  later.kind = 3;
  later.message.Assign("from a later version");
  store->WriteTask(3, later);
  Select(F::kTaskGrid, 1);  // slot 3
  bool finished = false;
  {
    WhenShown user(wizard.Handle(), [&] { finished = FinishWizard(wizard.Handle()); });
    Click(F::kEditTaskButton);
  }
  EXPECT_TRUE(finished);
  EXPECT_EQ(std::memcmp(&store->Task(3), &later, sizeof later), 0);
  EXPECT_EQ(commands.taskSaves, 0);
}

TEST_F(ManagerFormTest, EveryControlFitsAtItsScaleAndAtOneAndAHalfTimesIt) {
  EXPECT_EQ(ControlsThatDoNotFit(manager->Handle()), std::vector<std::wstring>{});
  const int dpi = manager->Dpi();
  MoveToDpi(manager->Handle(), dpi, dpi * 3 / 2);
  EXPECT_EQ(ControlsThatDoNotFit(manager->Handle()), std::vector<std::wstring>{});
  // The grids' columns still share the grid's width.
  HWND grid = manager->Control(TFormManager::kStickerGrid);
  RECT client{};
  GetClientRect(grid, &client);
  int columns = 0;
  for (int column = 0; column < 4; ++column) columns += static_cast<int>(SendMessageW(grid, LVM_GETCOLUMNWIDTH, column, 0));
  EXPECT_LE(columns, client.right);
  EXPECT_GT(columns, client.right - GetSystemMetrics(SM_CXVSCROLL) - 2);
}

}  // namespace
