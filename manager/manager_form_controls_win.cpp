// The controls of the manager window, as its design lays them out: the two
// tab pages, each with its row of picture buttons above its grid and a Close
// button below; the sticker page has a find field between buttons and grid.
// Picture buttons are drawn by the form; they carry their text for screen
// readers and as their tool tip.

#include <windows.h>
#include <commctrl.h>

#include <array>

#include "lang/text_id.h"
#include "manager/manager_form_win.h"

namespace {

using F = TFormManager;

constexpr wchar_t kPage[] = L"ControlPage";
constexpr wchar_t kCheck[] = L"TMyCheckBox";
constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kPicture = BS_OWNERDRAW | WS_TABSTOP;
constexpr DWORD kGrid = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | LVS_OWNERDRAWFIXED | LVS_NOSORTHEADER | WS_BORDER |
                        WS_TABSTOP | WS_GROUP;
constexpr int kButton = 24, kGridTop = 30, kGridWidth = 497, kGridHeight = 228;
constexpr int kFind = F::kFindRowHeight, kCloseTop = 264 + kFind, kFindLabelWidth = 44;

consteval int Text(std::wstring_view key) { return TextIndex(L"Manager", key); }

}  // namespace

std::span<const ControlRow> TFormManager::Controls() {
  static constexpr auto kControls = std::to_array<ControlRow>({
      {L"PC", F::kTabs, WC_TABCONTROLW, 4, 4, 505, 321 + kFind, kTab | WS_CLIPSIBLINGS, kNoText, nullptr},
      {L"TS_manager", F::kStickersPage, kPage, 8, 30, 497, 291 + kFind, 0, kNoText, nullptr},
      {L"TS_Plan", F::kTasksPage, kPage, 8, 30, 497, 291 + kFind, 0, kNoText, nullptr},
      // Stickers
      {L"b_man_add", F::kNewStickerButton, WC_BUTTONW, 0, 2, kButton, kButton, kPicture | WS_GROUP, Text(L"add_stick"), &Handler<&F::StickerNewClick>, F::kStickersPage, Text(L"add_stick")},
      {L"b_man_sh", F::kShowHideButton, WC_BUTTONW, 26, 2, kButton, kButton, kPicture, Text(L"show_stick"), &Handler<&F::StickerShowHideClick>, F::kStickersPage, Text(L"show_stick")},
      {L"b_man_edit", F::kStickerSettingsButton, WC_BUTTONW, 52, 2, kButton, kButton, kPicture, Text(L"edit_stick"), &Handler<&F::StickerSettingsClick>, F::kStickersPage, Text(L"edit_stick")},
      {L"SB_copy", F::kDuplicateButton, WC_BUTTONW, 78, 2, kButton, kButton, kPicture, Text(L"duplicate"), &Handler<&F::StickerDuplicateClick>, F::kStickersPage, Text(L"duplicate")},
      {L"SB_float", F::kFloatingButton, WC_BUTTONW, 104, 2, kButton, kButton, kPicture, TextIndex(L"Setting", L"Float"), &Handler<&F::StickerFloatingClick>, F::kStickersPage, TextIndex(L"Setting", L"Float")},
      {L"b_man_delete", F::kDeleteStickerButton, WC_BUTTONW, 130, 2, kButton, kButton, kPicture, Text(L"delete_stick"), &Handler<&F::StickerDeleteClick>, F::kStickersPage, Text(L"delete_stick")},
      {L"sb_refresh_manager", F::kRefreshStickersButton, WC_BUTTONW, 162, 2, kButton, kButton, kPicture, Text(L"refresh"), &Handler<&F::StickerRefreshClick>, F::kStickersPage, Text(L"refresh")},
      {L"CB_sort_stick", F::kSortByNameCheck, kCheck, 200, 5, 200, 18, BS_AUTOCHECKBOX | kTab | WS_GROUP, Text(L"sort_list"), &Handler<&F::StickerRefreshClick>, F::kStickersPage},
      {L"L_find", F::kFindLabel, WC_STATICW, 0, kGridTop + 4, kFindLabelWidth, 18, SS_LEFT, Text(L"find"), nullptr, F::kStickersPage},
      {L"E_find", F::kFindEdit, WC_EDITW, kFindLabelWidth + 2, kGridTop, kGridWidth - kFindLabelWidth - 2, 22, WS_BORDER | ES_AUTOHSCROLL | kTab | WS_GROUP, kNoText, &Handler<&F::FindChange>, F::kStickersPage},
      {L"SG", F::kStickerGrid, WC_LISTVIEWW, 0, kGridTop + kFind, kGridWidth, kGridHeight, kGrid, kNoText, nullptr, F::kStickersPage},
      {L"b_close", F::kCloseStickersButton, WC_BUTTONW, 422, kCloseTop, 75, 25, kTab | WS_GROUP, Text(L"close"), &Handler<&F::CloseClick>, F::kStickersPage},
      // Tasks
      {L"B_addplan", F::kNewTaskButton, WC_BUTTONW, 0, 2, kButton, kButton, kPicture | WS_GROUP, Text(L"add_plan"), &Handler<&F::TaskAddClick>, F::kTasksPage, Text(L"add_plan")},
      {L"b_edit_plan", F::kEditTaskButton, WC_BUTTONW, 26, 2, kButton, kButton, kPicture, Text(L"edit_plan"), &Handler<&F::TaskEditClick>, F::kTasksPage, Text(L"edit_plan")},
      {L"b_del_plan", F::kDeleteTaskButton, WC_BUTTONW, 52, 2, kButton, kButton, kPicture, Text(L"delete_plan"), &Handler<&F::TaskDeleteClick>, F::kTasksPage, Text(L"delete_plan")},
      {L"B_LU_plan", F::kBlockTaskButton, WC_BUTTONW, 78, 2, kButton, kButton, kPicture, TextIndex(L"Plan", L"planBlock"), &Handler<&F::TaskBlockClick>, F::kTasksPage, TextIndex(L"Plan", L"planBlock")},
      {L"SB_refresh_plan", F::kRefreshTasksButton, WC_BUTTONW, 110, 2, kButton, kButton, kPicture, Text(L"refresh"), &Handler<&F::TaskRefreshClick>, F::kTasksPage, Text(L"refresh")},
      {L"SG_plan", F::kTaskGrid, WC_LISTVIEWW, 0, kGridTop, kGridWidth, kGridHeight, kGrid, kNoText, nullptr, F::kTasksPage},
      {L"B_close1", F::kCloseTasksButton, WC_BUTTONW, 422, kCloseTop, 75, 25, kTab | WS_GROUP, Text(L"close"), &Handler<&F::CloseClick>, F::kTasksPage},
  });
  return kControls;
}
