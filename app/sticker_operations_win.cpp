#include "app/sticker_operations_win.h"

#include <algorithm>
#include <utility>

#include "store/local_time_win.h"
#include "sticker/sticker_geometry.h"
#include "sticker/work_area_win.h"
#include "store/record_merge.h"
#include "store/sticker_identity.h"
#include "protocol/messages.h"

namespace {
// Below this a sticker counts as transparent for "Show transparent stickers".
constexpr std::uint8_t kMinVisibleAlpha = 32;
constexpr std::uint8_t kOpaque = 255;
}  // namespace

// The list first: a write that fails shows a box, and the manager behind it
// should already be right.
StickerOperations::Change::~Change() {
  if (--operations_.depth_ > 0) return;
  const unsigned effects = std::exchange(operations_.pending_, 0u);
  if (effects & kListed) operations_.a_.refreshManager();
  if (effects & kStored) operations_.a_.saveDatabase();
}

StickerRecord* StickerOperations::Record(std::int32_t id) {
  const int slot = a_.store->FindSticker(id);
  return slot < 0 ? nullptr : &a_.store->Sticker(slot);
}

std::optional<StickerRecord> StickerOperations::StoredRecord(std::int32_t id) const {
  const int slot = a_.store->FindSticker(id);
  if (slot < 0) return std::nullopt;
  return a_.store->Sticker(slot);
}

TStickForm* StickerOperations::OpenWindowOf(const StickerRecord& record) const {
  if (record.window == 0) return nullptr;
  for (const auto& window : windows_)
    if (window->StoredHandle() == record.window) return window.get();
  return nullptr;
}

void StickerOperations::CloseWindowOf(const StickerRecord& record) {
  if (TStickForm* window = OpenWindowOf(record))
    SendMessageW(window->Handle(), WM_STICKER_COMMAND, kStickerCommandClose, kStickerCommandClose);
}

// By slot rather than id, so that two stickers sharing an id (files written
// before ids were made unique) each get their own window.
void StickerOperations::ShowLoaded() {
  const std::vector<Monitor> monitors = CurrentMonitors();  // asked once for all
  for (int slot = 0; slot < kStickerSlotCount; ++slot)
    if (a_.store->Sticker(slot).in_use && a_.store->Sticker(slot).visible) ShowSlot(slot, monitors);
}

// A sticker whose window is open keeps that one: a second window would be
// one the record does not name.
bool StickerOperations::ShowSlot(int slot, const std::vector<Monitor>& monitors) {
  StickerRecord& record = a_.store->Sticker(slot);
  if (OpenWindowOf(record)) return true;
  auto window = std::make_unique<TStickForm>(*this, a_.art, *a_.texts, *a_.glyphs, a_.mainWindow,
                                             [this](TStickForm* closed) { OnWindowClosed(closed); });
  if (!window->Open(record)) return false;
  record.visible = 1;
  record.window = window->StoredHandle();
  if (IsUnplaced(record)) {
    const ScreenPoint centre = window->StoredPlace(
        CentredPosition(CurrentWorkArea(), window->PictureWidth(), window->PictureHeight()));
    record.left = centre.x;
    record.top = centre.y;
  }
  window->ShowAt(record.left, record.top);
  window->BringBackIfStranded(monitors);
  windows_.push_back(std::move(window));
  return true;
}

void StickerOperations::HideRecord(StickerRecord& record) {
  CloseWindowOf(record);
  record.visible = 0;
}

// Runs while the window is being destroyed, before its handle can be given to
// any other window, and again once its last handler has returned.
void StickerOperations::OnWindowClosed(TStickForm* window) {
  const auto it = std::find_if(windows_.begin(), windows_.end(), [window](const auto& w) { return w.get() == window; });
  if (it != windows_.end()) {
    for (int slot = 0; slot < kStickerSlotCount; ++slot)
      if (a_.store->Sticker(slot).window == window->StoredHandle()) a_.store->Sticker(slot).window = 0;
    closed_.push_back(std::move(*it));
    windows_.erase(it);
  }
  PostMessageW(a_.mainWindow, kReleaseClosedStickers, 0, 0);
}

// A changed sticker's window is made anew: its place, look and texts may all
// have changed, and a window keeps its own place when given a record.
void StickerOperations::ShowMerged(const StickerMergeReport& report) {
  if (!report.StoreChanged()) return;
  for (const StickerRecord& gone : report.removed) CloseWindowOf(gone);
  const std::vector<Monitor> monitors = CurrentMonitors();
  for (const int slot : report.changedSlots) {
    CloseWindowOf(a_.store->Sticker(slot));
    if (a_.store->Sticker(slot).visible) ShowSlot(slot, monitors);
  }
  for (const int slot : report.addedSlots) {
    a_.store->Sticker(slot).window = 0;
    if (a_.store->Sticker(slot).visible) ShowSlot(slot, monitors);
  }
  a_.refreshManager();
}

void StickerOperations::ReleaseClosedWindows() {
  std::erase_if(closed_, [](const auto& window) { return !window->Busy(); });
}

// The handles are taken first: a command may close windows and so change the
// list; a window that has gone meanwhile is skipped.
void StickerOperations::CommandOpenWindows(LPARAM command, WPARAM argument, bool post) {
  std::vector<HWND> open;
  for (const auto& window : windows_) open.push_back(window->Handle());
  for (HWND handle : open) {
    const bool stillOpen =
        std::any_of(windows_.begin(), windows_.end(), [handle](const auto& w) { return w->Handle() == handle; });
    if (!stillOpen) continue;
    if (post)
      PostMessageW(handle, WM_STICKER_COMMAND, argument, command);
    else
      SendMessageW(handle, WM_STICKER_COMMAND, argument, command);
  }
}

void StickerOperations::RedrawAll() { CommandOpenWindows(kStickerCommandRebuild, 0, false); }
void StickerOperations::RelabelAll() { CommandOpenWindows(kStickerCommandRelabel, kStickerCommandRelabel, true); }

// Each window that moves reports its new place, which is written once.
void StickerOperations::BringAllOnScreen() {
  const Change change(*this);
  CommandOpenWindows(kStickerCommandBringOnScreen, 0, false);
}

void StickerOperations::BringBackStranded() {
  const std::vector<Monitor> monitors = CurrentMonitors();
  for (const auto& window : windows_) window->BringBackIfStranded(monitors);
}

void StickerOperations::FollowScale() {
  for (const auto& window : windows_) window->FollowScale();
}

void StickerOperations::ReopenAll() {
  CommandOpenWindows(kStickerCommandClose, 0, false);
  ShowLoaded();
}

void StickerOperations::MakeAllVisible() {
  Change change(*this);
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    StickerRecord& record = a_.store->Sticker(slot);
    if (!record.in_use || record.alpha >= kMinVisibleAlpha) continue;
    record.alpha = kOpaque;
    if (TStickForm* window = OpenWindowOf(record)) window->Apply(record);
    change.Made(kStored);
  }
}

void StickerOperations::Show(std::int32_t id) {
  Change change(*this);
  const int slot = a_.store->FindSticker(id);
  if (slot < 0 || a_.store->Sticker(slot).visible) return;
  if (ShowSlot(slot, CurrentMonitors())) change.Made(kStored | kListed);
}

void StickerOperations::Hide(std::int32_t id) {
  Change change(*this);
  StickerRecord* record = Record(id);
  if (!record) return;
  HideRecord(*record);
  change.Made(kStored | kListed);
}

void StickerOperations::ToggleById(std::int32_t id) {
  const StickerRecord* record = Record(id);
  if (!record) return;
  if (record->visible)
    Hide(id);
  else
    Show(id);
}

void StickerOperations::ShowAll() {
  Change change(*this);
  const std::vector<Monitor> monitors = CurrentMonitors();
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    const StickerRecord& record = a_.store->Sticker(slot);
    if (record.in_use && !record.visible && ShowSlot(slot, monitors)) change.Made(kStored | kListed);
  }
}

void StickerOperations::HideAll() {
  Change change(*this);
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    StickerRecord& record = a_.store->Sticker(slot);
    if (!record.in_use || !record.visible) continue;
    HideRecord(record);
    change.Made(kStored | kListed);
  }
}

void StickerOperations::Delete(std::int32_t id) {
  Change change(*this);
  StickerRecord* record = Record(id);
  if (!record) return;
  CloseWindowOf(*record);
  record->in_use = 0;
  undo_.erase(id);
  change.Made(kStored | kListed);
}

void StickerOperations::DeleteAll() {
  Change change(*this);
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    StickerRecord& record = a_.store->Sticker(slot);
    if (!record.in_use) continue;
    CloseWindowOf(record);
    record.in_use = 0;
  }
  undo_.clear();
  change.Made(kStored | kListed);  // written even when empty: the file says so
}

void StickerOperations::SetBounds(std::int32_t id, int left, int top, int width, int height) {
  Change change(*this);
  StickerRecord* r = Record(id);
  if (!r) return;
  const bool moved = r->left != left || r->top != top;
  r->left = left;
  r->top = top;
  r->width = width;
  r->height = height;
  if (moved) change.Made(kStored);
}

// A window applies its position every time it is given its record, at start-up
// too; rewriting base.db when nothing changed would only cost time.
void StickerOperations::SetStackingPosition(std::int32_t id, int position) {
  Change change(*this);
  StickerRecord* r = Record(id);
  if (!r || position < kPositionNormal || position > kPositionDesktop || r->position == position) return;
  r->position = static_cast<std::uint8_t>(position);
  change.Made(kStored);
}

void StickerOperations::SetExpanded(std::int32_t id, bool expanded) {
  Change change(*this);
  StickerRecord* r = Record(id);
  if (!r) return;
  r->expanded = expanded ? 1 : 0;
  change.Made(kStored | kListed);
}

void StickerOperations::SetFloating(std::int32_t id, bool floating) {
  Change change(*this);
  StickerRecord* r = Record(id);
  if (!r) return;
  r->floating = floating ? 1 : 0;
  change.Made(kStored | kListed);
}

void StickerOperations::ToggleFloating(std::int32_t id) {
  Change change(*this);
  StickerRecord* r = Record(id);
  if (!r) return;
  r->floating = r->floating ? 0 : 1;
  if (TStickForm* window = OpenWindowOf(*r)) window->Apply(*r);
  change.Made(kStored | kListed);
}

void StickerOperations::ChangePosition(std::int32_t id, int position) {
  const StickerRecord* r = Record(id);
  if (!r || position < kPositionNormal || position > kPositionDesktop) return;
  StickerRecord edited = *r;
  edited.position = static_cast<std::uint8_t>(position);
  MergeEdit(id, edited, false);  // a place in the stack, not text or look: the step back stays
}

void StickerOperations::BringToFront(std::int32_t id) {
  const StickerRecord* r = Record(id);
  if (TStickForm* window = r ? OpenWindowOf(*r) : nullptr)
    PostMessageW(window->Handle(), WM_STICKER_COMMAND, 0, kStickerCommandTemporarilyTopmost);
}

bool StickerOperations::HasRoomOrSays() {
  if (a_.store->FindFreeStickerSlot() >= 0) return true;
  a_.reportStoreFull();
  return false;
}

bool StickerOperations::AddShown(const StickerRecord& record) {
  Change change(*this);
  const int slot = a_.store->AddRecordUnchanged(record);
  if (slot < 0) {
    a_.reportStoreFull();
    return false;
  }
  ShowSlot(slot, CurrentMonitors());
  change.Made(kStored | kListed);
  return true;
}

void StickerOperations::AddNewSticker(StickerRecord record) {
  record.id = a_.store->UnusedStickerId(NewStickerId(LocalNow()));
  record.visible = 1;
  record.left = record.top = -1;
  record.window = 0;
  AddShown(record);
}

void StickerOperations::Duplicate(std::int32_t id) {
  const StickerRecord* original = Record(id);
  if (!original || !HasRoomOrSays()) return;
  StickerRecord copy = DuplicateOf(*original, a_.store->UnusedStickerId(NewStickerId(LocalNow())));
  copy.window = 0;  // the original's window is not the copy's
  AddShown(copy);
}

void StickerOperations::ApplyStickerSettings(std::int32_t id, const StickerRecord& edited) {
  MergeEdit(id, edited, true);
}

void StickerOperations::MergeEdit(std::int32_t id, const StickerRecord& edited, bool undoable) {
  Change change(*this);
  StickerRecord* r = Record(id);
  if (!r) return;
  const StickerRecord before = *r;
  MergeStickerSettings(*r, edited);
  if (undoable) NoteStep(id, before, *r);
  if (TStickForm* window = OpenWindowOf(*r)) window->Apply(*r);
  change.Made(kStored | kListed);
}

// An edit that changed nothing (Ok on an untouched dialog) leaves the step
// before it, so that it can still be taken back.
void StickerOperations::NoteStep(std::int32_t id, const StickerRecord& before, const StickerRecord& after) {
  if (EditChanges(before, after)) undo_.insert_or_assign(id, UndoStep{before, after});
}

void StickerOperations::NoteDelivered(std::int32_t id, const StickerRecord& before, const StickerRecord& after) {
  if (Record(id)) NoteStep(id, before, after);
}

bool StickerOperations::CanUndo(std::int32_t id) const { return undo_.contains(id) && a_.store->FindSticker(id) >= 0; }

// The store's record gets back what the step changed, and its window the
// whole record, as after any edit.
void StickerOperations::Undo(std::int32_t id) {
  Change change(*this);
  StickerRecord* r = Record(id);
  const auto step = undo_.find(id);
  if (!r || step == undo_.end()) return;
  RevertEdit(*r, step->second.before, step->second.after);
  undo_.erase(step);
  if (TStickForm* window = OpenWindowOf(*r)) window->Apply(*r);
  change.Made(kStored | kListed);
}

// The dialog works on a copy: the store changes only when it applies.
void StickerOperations::OpenSettings(std::int32_t id) {
  if (const StickerRecord* r = Record(id)) a_.openSettings(id, *r);
}

void StickerOperations::CreateShortcut(std::int32_t id) {
  if (const StickerRecord* r = Record(id)) a_.createShortcut(id, *r);
}
