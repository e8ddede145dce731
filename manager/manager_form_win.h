#pragma once
// TFormManager: the manager window. One page lists every sticker and offers
// the commands on them; the other lists the tasks of the scheduler. Created
// hidden at start-up, it lives until the program ends; closing only hides it.
// It keeps itself in step through WM_MANAGER_REFRESH.

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "lang/tmui.h"
#include "win/form_dialog_win.h"
#include "manager/manager_commands.h"
#include "manager/manager_rows.h"
#include "manager/scheduler.h"
#include "manager/task_wizard_form_win.h"
#include "win/menu_glyphs_win.h"
#include "store/system_clock_win.h"
#include "store/tmassiv.h"
#include "win/dialog_base_win.h"
#include "win/report_grid_win.h"
#include "win/tab_pages_win.h"

struct ManagerArgs {
  TMUI* texts;                  // not owned
  Tmassiv* store;               // not owned
  ManagerCommands* commands;    // not owned
  TFormDialog* dialog;          // not owned: asks before deleting
  SchedulerActions* actions;    // not owned: what the scheduler's tasks do
  TFormPlan* wizard;            // not owned: makes and edits tasks
  const MenuGlyphs* menuGlyphs; // not owned: the pictures of the menu items, grids and buttons
  bool sortByName = false;      // remembered in config.txt
  int page = 0;
  const Clock* clock = nullptr; // not owned: the scheduler's time; the system clock when null
};

class TFormManager final : public DialogBase {
 public:
  explicit TFormManager(ManagerArgs args);
  ~TFormManager() override;

  [[nodiscard]] bool Create();
  // Shows the window (or brings it to the front) on the page it had.
  void Open();
  void RefillStickers();
  void RefillTasks();
  bool SortByName() const;
  int Page() const { return tabs_.Current(); }

  // Control and menu ids; the menu items share the ids of the buttons that
  // do the same.
  enum : int {
    kTabs = 100, kStickersPage, kTasksPage, kStickerGrid, kSortByNameCheck, kNewStickerButton, kShowHideButton,
    kStickerSettingsButton, kDuplicateButton, kFloatingButton, kDeleteStickerButton, kRefreshStickersButton,
    kCloseStickersButton, kTaskGrid, kNewTaskButton, kEditTaskButton, kDeleteTaskButton, kBlockTaskButton,
    kRefreshTasksButton, kCloseTasksButton, kFindLabel, kFindEdit,
    kHideStickerItem = 200, kShowStickerItem, kShortcutItem, kFloatingItem,
  };

  // The find field above the sticker grid: the window is this much taller
  // than its design, and the sticker grid and both Close buttons this much
  // lower.
  static constexpr int kFindRowHeight = 26;

  void StickerNewClick();
  void StickerShowHideClick();
  void StickerSettingsClick();
  void StickerDuplicateClick();
  void StickerFloatingClick();
  void StickerDeleteClick();
  void StickerRefreshClick();
  void CloseClick();
  void TaskAddClick();
  void TaskEditClick();
  void TaskDeleteClick();
  void TaskBlockClick();
  void TaskRefreshClick();
  void FindChange();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Relabel() override;
  void OnCancel() override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool OnKey(const MSG& message) override;
  bool OnOtherCommand(int id) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  void OnDpiChanged() override;

  void CreateMenus();
  void RelabelMenus();
  void SetButtonGlyphs();
  void AttachMenuGlyphs() const;
  void UpdateStickerStates();
  void UpdateTaskStates();
  void SetButtonPicture(int id, int glyph, int text);
  void ShowPopup(const ReportGrid& grid, HMENU menu, LPARAM place);
  // The selected row's sticker id or task slot, when a row is selected.
  std::optional<std::int32_t> SelectedSticker() const;
  std::optional<int> SelectedTaskSlot() const;
  void StickerCommand(void (ManagerCommands::*command)(std::int32_t));
  void AfterTaskChange();
  // The scheduler's computation, which ends with the task grid refilled.
  void ComputeNextEvent();
  void OnTimer();
  void OnTimeChange();
  void OnPowerBroadcast(WPARAM event);

  // Grid drawing and texts (manager_grids_win.cpp).
  void PaintStickerRow(const ReportGrid::RowPaint& paint) const;
  void PaintTaskRow(const ReportGrid::RowPaint& paint) const;
  std::wstring StickerCellText(int row, int column) const;
  std::wstring TaskCellText(int row, int column) const;
  std::wstring StickerName(const StickerRow& row) const;
  void SortStickers();
  void SetGridHeaders() const;
  void FitColumns(const ReportGrid& grid, int pictureColumn, int lastColumn) const;

  ManagerArgs a_;
  SystemClock systemClock_;
  Scheduler scheduler_;
  TabPages tabs_;
  HMENU mainMenu_ = nullptr;  // the window's menu bar: it goes with the window
  UniqueMenu stickerMenu_, taskMenu_;
  std::unique_ptr<ReportGrid> stickerGrid_, taskGrid_;
  std::vector<StickerRow> stickerRows_;
  std::wstring filter_;  // what the find field held at the last refill
  std::vector<TaskRow> taskRows_;

  // Find (manager_find_win.cpp): the stickers whose body text or caption
  // holds the typed text, case ignored; Enter, Esc and Ctrl+F.
  void FilterStickerRows();
  bool OnFindKey(const MSG& message);
  void FocusFind();

  static std::span<const ControlRow> Controls();
};
