#include "manager/manager_form_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "lang/text_id.h"
#include "store/local_time_win.h"
#include "protocol/messages.h"
#include "win/display_dpi_win.h"

namespace {

constexpr int kClientWidth = 513, kClientHeight = 329 + TFormManager::kFindRowHeight;
constexpr int kStickerRowHeight = 16, kTaskRowHeight = 20, kGridColumns = 4;
constexpr int kPageIds[] = {TFormManager::kStickersPage, TFormManager::kTasksPage};
constexpr int kPageTexts[] = {TextIndex(L"Manager", L"ts_manager"), TextIndex(L"Manager", L"ts_plan")};
constexpr UINT_PTR kSchedulerTimer = 1;  // MTimer_event
constexpr UINT kSchedulerInterval = 1000;

// Pictures of the "BITMAPS" strip.
enum Glyph : int {
  kGlyphHide = 0, kGlyphShow = 1, kGlyphBlock = 2, kGlyphUnblock = 3, kGlyphAdd = 6, kGlyphEditTask = 7,
  kGlyphDuplicate = 8, kGlyphSettings = 9, kGlyphRefresh = 10, kGlyphClose = 11, kGlyphDelete = 12,
  kGlyphShortcut = 18, kGlyphFloating = 21,
};

using F = TFormManager;

struct MenuEntry {
  int id;  // 0: a separator
  int text;
  int glyph;
};
consteval int Text(std::wstring_view key) { return TextIndex(L"Manager", key); }
constexpr MenuEntry kSeparator{0, kNoText, -1};

constexpr MenuEntry kStickerBar[] = {
    {F::kNewStickerButton, Text(L"add_stick"), kGlyphAdd},       {F::kDuplicateButton, Text(L"duplicate"), kGlyphDuplicate},
    {F::kShortcutItem, Text(L"Link"), kGlyphShortcut},     kSeparator,
    {F::kHideStickerItem, Text(L"hide_stick"), kGlyphHide}, {F::kShowStickerItem, Text(L"show_stick"), kGlyphShow},
    {F::kStickerSettingsButton, Text(L"edit_stick"), kGlyphSettings}, kSeparator,
    {F::kDeleteStickerButton, Text(L"delete_stick"), kGlyphDelete}};
constexpr MenuEntry kTaskBar[] = {{F::kNewTaskButton, Text(L"add_plan"), kGlyphAdd},
                                  {F::kEditTaskButton, Text(L"edit_plan"), kGlyphEditTask},
                                  {F::kDeleteTaskButton, Text(L"delete_plan"), kGlyphDelete}};
constexpr MenuEntry kStickerPopup[] = {
    {F::kDuplicateButton, Text(L"duplicate"), kGlyphDuplicate},     {F::kDeleteStickerButton, Text(L"delete_stick"), kGlyphDelete},
    kSeparator,
    {F::kFloatingItem, TextIndex(L"Setting", L"Float"), kGlyphFloating},
    kSeparator,
    {F::kHideStickerItem, Text(L"hide_stick"), kGlyphHide},   {F::kShowStickerItem, Text(L"show_stick"), kGlyphShow},
    kSeparator,
    {F::kShortcutItem, Text(L"Link"), kGlyphShortcut},       {F::kStickerSettingsButton, Text(L"edit_stick"), kGlyphSettings}};
constexpr MenuEntry kTaskPopup[] = {{F::kNewTaskButton, Text(L"add_plan"), kGlyphAdd},
                                    {F::kEditTaskButton, Text(L"edit_plan"), kGlyphEditTask},
                                    {F::kDeleteTaskButton, Text(L"delete_plan"), kGlyphDelete},
                                    kSeparator,
                                    {F::kBlockTaskButton, Text(L"lock_plan"), kGlyphBlock}};
// The focus mark inside a picture button, at 100 %.
constexpr int kFocusInset = 3;
constexpr int kBarTitles[] = {TextIndex(L"Tray", L"mSticks"), Text(L"ts_plan")};

struct ButtonGlyph {
  int id;
  int glyph;
};
constexpr ButtonGlyph kButtonGlyphs[] = {
    {F::kNewTaskButton, kGlyphAdd},         {F::kEditTaskButton, kGlyphEditTask},  {F::kDeleteTaskButton, kGlyphDelete},
    {F::kBlockTaskButton, kGlyphBlock},        {F::kRefreshStickersButton, kGlyphRefresh}, {F::kRefreshTasksButton, kGlyphRefresh},
    {F::kNewStickerButton, kGlyphAdd},          {F::kStickerSettingsButton, kGlyphSettings},   {F::kDuplicateButton, kGlyphDuplicate},
    {F::kDeleteStickerButton, kGlyphDelete},    {F::kShowHideButton, kGlyphHide},         {F::kFloatingButton, kGlyphFloating}};

void SetItemText(HMENU menu, UINT item, bool byPosition, const std::wstring& text) {
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  SetMenuItemInfoW(menu, item, byPosition, &info);
}

HMENU BuildMenu(std::span<const MenuEntry> entries) {
  HMENU menu = CreatePopupMenu();
  for (const MenuEntry& entry : entries)
    AppendMenuW(menu, entry.id ? MF_STRING : MF_SEPARATOR, static_cast<UINT_PTR>(entry.id), L"");
  return menu;
}

void RelabelMenu(HMENU menu, std::span<const MenuEntry> entries, const TextSource& texts) {
  for (const MenuEntry& entry : entries)
    if (entry.id) SetItemText(menu, static_cast<UINT>(entry.id), false, texts.TextAt(entry.text));
}

void EnableItem(HMENU menu, int id, bool enabled) {
  EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}


}  // namespace

TFormManager::TFormManager(ManagerArgs args)
    : DialogBase(*args.texts, Controls()),
      a_(args),
      scheduler_(*args.store, args.clock ? *args.clock : systemClock_),
      tabs_(*this, kTabs, kPageIds, kPageTexts) {}

TFormManager::~TFormManager() = default;

bool TFormManager::Create() {
  if (!DialogBase::Create({.className = L"TFormManager", .clientWidth = kClientWidth, .clientHeight = kClientHeight,
                           .captionText = Text(L"ts_manager"), .style = WS_MINIMIZEBOX}))
    return false;
  stickerGrid_ = std::make_unique<ReportGrid>(
      Control(kStickerGrid), kGridColumns, [this](const ReportGrid::RowPaint& p) { PaintStickerRow(p); },
      [this](int row, int column) { return StickerCellText(row, column); });
  taskGrid_ = std::make_unique<ReportGrid>(
      Control(kTaskGrid), kGridColumns, [this](const ReportGrid::RowPaint& p) { PaintTaskRow(p); },
      [this](int row, int column) { return TaskCellText(row, column); });
  CreateMenus();
  tabs_.Create();
  SetButtonGlyphs();
  Check(kSortByNameCheck, a_.sortByName);
  tabs_.Show(a_.page);
  scheduler_.Start();
  Relabel();
  SetTimer(Handle(), kSchedulerTimer, kSchedulerInterval, nullptr);
  return true;
}

void TFormManager::ComputeNextEvent() {
  scheduler_.ComputeNextEvent();
  RefillTasks();
}

// The timer keeps running while a modal dialog of the program is open.
void TFormManager::OnTimer() {
  const Scheduler::TickResult tick = scheduler_.Tick(*a_.actions);
  if (tick.fired || tick.dateChanged) {
    RefillStickers();
    RefillTasks();
  }
  if (tick.dateChanged) a_.commands->RebuildShownStickers();
}

// The system clock was set: what it stepped over fires now, once.
void TFormManager::OnTimeChange() {
  OnTimer();
  ComputeNextEvent();
  RefillStickers();
  a_.commands->RebuildShownStickers();
}

// Back from sleep the timer may wait up to a second; the reminders missed
// while asleep should not.
void TFormManager::OnPowerBroadcast(WPARAM event) {
  if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) OnTimer();
}

void TFormManager::CreateMenus() {
  mainMenu_ = CreateMenu();
  AppendMenuW(mainMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(kStickerBar)), L"");
  AppendMenuW(mainMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(kTaskBar)), L"");
  stickerMenu_.Reset(BuildMenu(kStickerPopup));
  taskMenu_.Reset(BuildMenu(kTaskPopup));
  AttachMenuGlyphs();
  SetMenu(Handle(), mainMenu_);
  // The menu bar comes on top of the client area the dialog was made with.
  const SIZE frame = FrameSizeAt({Scaled(kClientWidth), Scaled(kClientHeight)},
                                 static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)),
                                 static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)), true, DisplayScale(Dpi()));
  SetWindowPos(Handle(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The menus' pictures at the window's scale.
void TFormManager::AttachMenuGlyphs() const {
  const auto attach = [this](HMENU menu, std::span<const MenuEntry> entries) {
    for (const MenuEntry& entry : entries)
      if (entry.id) a_.menuGlyphs->AttachTo(menu, static_cast<UINT>(entry.id), entry.glyph, Dpi());
  };
  attach(GetSubMenu(mainMenu_, 0), kStickerBar);
  attach(GetSubMenu(mainMenu_, 1), kTaskBar);
  attach(stickerMenu_.Get(), kStickerPopup);
  attach(taskMenu_.Get(), kTaskPopup);
}

void TFormManager::RelabelMenus() {
  for (int i = 0; i < 2; ++i) SetItemText(mainMenu_, static_cast<UINT>(i), true, Texts().TextAt(kBarTitles[i]));
  RelabelMenu(GetSubMenu(mainMenu_, 0), kStickerBar, Texts());
  RelabelMenu(GetSubMenu(mainMenu_, 1), kTaskBar, Texts());
  RelabelMenu(stickerMenu_.Get(), kStickerPopup, Texts());
  RelabelMenu(taskMenu_.Get(), kTaskPopup, Texts());
  DrawMenuBar(Handle());
}

// A picture button keeps its picture's number with its window.
void TFormManager::SetButtonGlyphs() {
  for (const ButtonGlyph& button : kButtonGlyphs) SetWindowLongPtrW(Control(button.id), GWLP_USERDATA, button.glyph);
}

// The grids' columns are measured in the new font; the pictures are those
// of the new scale.
void TFormManager::OnDpiChanged() {
  AttachMenuGlyphs();
  DrawMenuBar(Handle());
  RefillStickers();
  RefillTasks();
}

// The grids' rows are 16 and 20 pixels high at 100 %; the list asks as it is
// made, and again when it is resized.
bool TFormManager::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTVIEW) return false;
  item.itemHeight = Scaled(item.CtlID == static_cast<UINT>(kStickerGrid) ? kStickerRowHeight : kTaskRowHeight);
  return true;
}

// The grids' rows, and the picture buttons: the face, the picture (faded
// while disabled) and the focus mark.
bool TFormManager::OnDrawItem(const DRAWITEMSTRUCT& item) {
  for (const ReportGrid* grid : {stickerGrid_.get(), taskGrid_.get()})
    if (grid && grid->OnDrawItem(item)) return true;
  if (item.CtlType != ODT_BUTTON) return false;
  RECT face = item.rcItem;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
  const int glyph = static_cast<int>(GetWindowLongPtrW(item.hwndItem, GWLP_USERDATA));
  const int shift = (item.itemState & ODS_SELECTED) ? 1 : 0;
  const int side = Scaled(kGlyphSize);
  const int x = (item.rcItem.left + item.rcItem.right - side) / 2 + shift;
  const int y = (item.rcItem.top + item.rcItem.bottom - side) / 2 + shift;
  HIMAGELIST glyphs = a_.menuGlyphs->List(Dpi());
  if (item.itemState & ODS_DISABLED)
    ImageList_DrawEx(glyphs, glyph, item.hDC, x, y, 0, 0, CLR_NONE, GetSysColor(COLOR_BTNFACE),
                     ILD_TRANSPARENT | ILD_BLEND50);
  else
    ImageList_Draw(glyphs, glyph, item.hDC, x, y, ILD_TRANSPARENT);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -Scaled(kFocusInset), -Scaled(kFocusInset));
    DrawFocusRect(item.hDC, &focus);
  }
  return true;
}

void TFormManager::Relabel() {
  DialogBase::Relabel();
  if (!stickerGrid_) return;  // still being made
  tabs_.Relabel();
  RelabelMenus();
  SetGridHeaders();
  RefillStickers();
  RefillTasks();
}

// A picture button's text is its tool tip and what a screen reader says.
void TFormManager::SetButtonPicture(int id, int glyph, int text) {
  SetWindowLongPtrW(Control(id), GWLP_USERDATA, glyph);
  InvalidateRect(Control(id), nullptr, FALSE);
  SetControlText(id, Texts().TextAt(text));
  SetHint(id, text);
}

// Filled afresh each time it opens: nothing may have told a hidden list.
void TFormManager::Open() {
  if (!IsWindowVisible(Handle())) {
    RefillStickers();
    RefillTasks();
    ShowModeless();
    return;
  }
  if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
  SetForegroundWindow(Handle());
}

void TFormManager::OnCancel() { ShowWindow(Handle(), SW_HIDE); }

void TFormManager::CloseClick() { OnCancel(); }

bool TFormManager::SortByName() const { return Checked(kSortByNameCheck); }

std::optional<std::int32_t> TFormManager::SelectedSticker() const {
  const int row = stickerGrid_->Selected();
  if (row < 0 || row >= static_cast<int>(stickerRows_.size())) return std::nullopt;
  const std::int32_t id = stickerRows_[static_cast<std::size_t>(row)].id;
  if (a_.store->FindSticker(id) < 0) return std::nullopt;  // gone meanwhile; the refresh follows
  return id;
}

std::optional<int> TFormManager::SelectedTaskSlot() const {
  const int row = taskGrid_->Selected();
  const int slot = row < 0 ? -1 : a_.store->UsedTaskSlot(row);
  if (slot < 0) return std::nullopt;
  return slot;
}

void TFormManager::UpdateStickerStates() {
  const auto id = SelectedSticker();
  const StickerRow* row = id ? &stickerRows_[static_cast<std::size_t>(stickerGrid_->Selected())] : nullptr;
  const bool shown = row && row->shown;
  for (int button : {kShowHideButton, kStickerSettingsButton, kDuplicateButton, kFloatingButton, kDeleteStickerButton}) EnableControl(button, row != nullptr);
  for (HMENU menu : {GetSubMenu(mainMenu_, 0), stickerMenu_.Get()}) {
    for (int item : {kDuplicateButton, kShortcutItem, kStickerSettingsButton, kDeleteStickerButton, kFloatingItem}) EnableItem(menu, item, row != nullptr);
    EnableItem(menu, kHideStickerItem, row && shown);
    EnableItem(menu, kShowStickerItem, row && !shown);
  }
  CheckMenuItem(stickerMenu_.Get(), kFloatingItem, MF_BYCOMMAND | (row && row->floating ? MF_CHECKED : MF_UNCHECKED));
  SetButtonPicture(kShowHideButton, shown ? kGlyphHide : kGlyphShow, shown ? Text(L"hide_stick") : Text(L"show_stick"));
}

void TFormManager::UpdateTaskStates() {
  const auto slot = SelectedTaskSlot();
  for (int id : {kEditTaskButton, kDeleteTaskButton, kBlockTaskButton}) {
    EnableControl(id, slot.has_value());
    EnableItem(GetSubMenu(mainMenu_, 1), id, slot.has_value());
    EnableItem(taskMenu_.Get(), id, slot.has_value());
  }
  if (!slot) return;
  const bool active = a_.store->Task(*slot).active != 0;
  const int text = active ? Text(L"lock_plan") : Text(L"unlock_plan");
  SetButtonPicture(kBlockTaskButton, active ? kGlyphBlock : kGlyphUnblock, text);
  SetItemText(taskMenu_.Get(), kBlockTaskButton, false, Texts().TextAt(text));
  a_.menuGlyphs->AttachTo(taskMenu_.Get(), kBlockTaskButton, active ? kGlyphBlock : kGlyphUnblock, Dpi());
}

// Sticker commands

// The program refreshes the list after each change it makes.
void TFormManager::StickerCommand(void (ManagerCommands::*command)(std::int32_t)) {
  if (const auto id = SelectedSticker()) (a_.commands->*command)(*id);
}

void TFormManager::StickerNewClick() { a_.commands->NewSticker(); }

void TFormManager::StickerShowHideClick() {
  const auto id = SelectedSticker();
  if (!id) return;
  const bool shown = a_.store->Sticker(a_.store->FindSticker(*id)).visible != 0;
  StickerCommand(shown ? &ManagerCommands::HideSticker : &ManagerCommands::ShowSticker);
}

void TFormManager::StickerSettingsClick() { StickerCommand(&ManagerCommands::OpenSettings); }
void TFormManager::StickerDuplicateClick() { StickerCommand(&ManagerCommands::DuplicateSticker); }
void TFormManager::StickerFloatingClick() { StickerCommand(&ManagerCommands::ToggleFloating); }
void TFormManager::StickerRefreshClick() { RefillStickers(); }

// The row chosen is taken before asking: the scheduler runs while the box
// waits and may remove rows, so the selection may then name another one. The
// sticker is deleted only if it still exists.
void TFormManager::StickerDeleteClick() {
  const auto id = SelectedSticker();
  if (!id) return;
  if (!a_.dialog->Confirm(Texts().TextAt(Text(L"dialog_del_stick_caption")), Texts().TextAt(Text(L"dialog_del_stick"))))
    return;
  if (a_.store->FindSticker(*id) >= 0) a_.commands->DeleteSticker(*id);
}

// Task commands. The wizard is modal and the scheduler keeps running
// meanwhile: the table is read again when it closes.

void TFormManager::TaskAddClick() {
  if (a_.store->FirstFreeTaskSlot() < 0) return;
  TaskRecord task = NewTask(LocalNow());
  if (!a_.wizard->Edit(task)) return;
  const int slot = a_.store->FirstFreeTaskSlot();
  if (slot < 0) return;
  a_.store->WriteTask(slot, task);
  AfterTaskChange();
}

void TFormManager::TaskEditClick() {
  const auto slot = SelectedTaskSlot();
  if (!slot) return;
  TaskRecord task = a_.store->Task(*slot);
  if (!a_.wizard->Edit(task)) return;
  a_.store->WriteTask(*slot, task);
  AfterTaskChange();
}

// As for stickers; no task can be made while the box waits, so a slot still
// in use holds the task chosen.
void TFormManager::TaskDeleteClick() {
  const auto slot = SelectedTaskSlot();
  if (!slot) return;
  if (!a_.dialog->Confirm(Texts().TextAt(Text(L"dialog_del_plan_caption")), Texts().TextAt(Text(L"dialog_del_plan"))))
    return;
  if (!a_.store->Task(*slot).in_use) return;
  a_.store->FreeTask(*slot);
  AfterTaskChange();
}

void TFormManager::TaskBlockClick() {
  const auto slot = SelectedTaskSlot();
  if (!slot) return;
  TaskRecord task = a_.store->Task(*slot);
  task.active = task.active ? 0 : 1;
  a_.store->WriteTask(*slot, task);
  AfterTaskChange();
}

void TFormManager::TaskRefreshClick() { ComputeNextEvent(); }

void TFormManager::AfterTaskChange() {
  a_.commands->SaveTasks();
  ComputeNextEvent();
}

// Menus, keys and notifications

bool TFormManager::OnOtherCommand(int id) {
  switch (id) {
    case kHideStickerItem:
      StickerCommand(&ManagerCommands::HideSticker);
      return true;
    case kShowStickerItem:
      StickerCommand(&ManagerCommands::ShowSticker);
      return true;
    case kShortcutItem:
      StickerCommand(&ManagerCommands::CreateShortcut);
      return true;
    case kFloatingItem:
      StickerFloatingClick();
      return true;
    default:
      return false;
  }
}

// Enter on a grid opens its row, Delete removes it; Ctrl+Tab turns the page.
bool TFormManager::OnKey(const MSG& message) {
  if (OnFindKey(message)) return true;
  if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_DELETE)) {
    const bool enter = message.wParam == VK_RETURN;
    if (message.hwnd == Control(kStickerGrid)) {
      enter ? StickerSettingsClick() : StickerDeleteClick();
      return true;
    }
    if (message.hwnd == Control(kTaskGrid)) {
      enter ? TaskEditClick() : TaskDeleteClick();
      return true;
    }
  }
  return tabs_.OnKey(message);
}

LRESULT TFormManager::OnNotify(const NMHDR& header) {
  if (tabs_.OnNotify(header)) return 0;
  for (const ReportGrid* grid : {stickerGrid_.get(), taskGrid_.get()}) {
    if (!grid) continue;
    if (const auto answer = grid->OnNotify(header)) return *answer;
  }
  if (header.code == LVN_ITEMCHANGED) {
    header.idFrom == kStickerGrid ? UpdateStickerStates() : UpdateTaskStates();
  } else if (header.code == NM_DBLCLK) {
    header.idFrom == kStickerGrid ? StickerSettingsClick() : TaskEditClick();
  }
  return 0;
}

// Right click or the menu key on a grid: its menu, at the pointer or below
// the selected row.
void TFormManager::ShowPopup(const ReportGrid& grid, HMENU menu, LPARAM place) {
  POINT at{GET_X_LPARAM(place), GET_Y_LPARAM(place)};
  if (place == -1) {
    RECT row{LVIR_BOUNDS};
    const int selected = grid.Selected();
    if (selected < 0 ||
        !SendMessageW(grid.Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&row)))
      GetClientRect(grid.Handle(), &row);
    at = {row.left + Scaled(kGlyphSize), row.bottom};
    ClientToScreen(grid.Handle(), &at);
  }
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
}

LRESULT TFormManager::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MANAGER_REFRESH:
      if (lParam == kManagerRefreshTexts) {
        Relabel();
      } else if (lParam == kManagerRefreshStickers) {
        RefillStickers();
      }
      return 0;
    case WM_TIMER:
      if (wParam == kSchedulerTimer) OnTimer();
      return 0;
    case WM_TIMECHANGE:
      OnTimeChange();
      return 0;
    case WM_POWERBROADCAST:
      OnPowerBroadcast(wParam);
      return TRUE;
    case WM_CONTEXTMENU: {
      // From a grid, or from its page, which passes on the grid's request.
      const auto from = reinterpret_cast<HWND>(wParam);
      const bool stickers = from == Control(kStickerGrid) || from == Control(kStickersPage);
      if (!stickers && from != Control(kTaskGrid) && from != Control(kTasksPage)) break;
      ShowPopup(stickers ? *stickerGrid_ : *taskGrid_, stickers ? stickerMenu_.Get() : taskMenu_.Get(), lParam);
      return 0;
    }
    default:
      break;
  }
  return DialogBase::HandleMessage(message, wParam, lParam);
}
