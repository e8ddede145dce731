#include "app/sticker_operations_win.h"

#include <algorithm>

#include "store/local_time_win.h"
#include "sticker/sticker_geometry.h"
#include "sticker/work_area_win.h"
#include "store/record_merge.h"
#include "store/sticker_identity.h"
#include "win/messages.h"

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

void StickerOperations::Show(std::int32_t id, bool onlyIfHidden) {
  const int slot = a_.store->FindSticker(id);
  if (slot < 0 || (onlyIfHidden && a_.store->Sticker(slot).visible)) return;
  ShowSlot(slot, CurrentMonitors());
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
    const ScreenPoint centre = CentredPosition(CurrentWorkArea(), window->PictureWidth(), window->PictureHeight());
    record.left = centre.x;
    record.top = centre.y;
  }
  window->ShowAt(record.left, record.top);
  window->BringBackIfStranded(monitors);
  windows_.push_back(std::move(window));
  return true;
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

void StickerOperations::ReleaseClosedWindows() {
  std::erase_if(closed_, [](const auto& window) { return !window->Busy(); });
}

void StickerOperations::CloseWindow(std::uint32_t storedHandle) {
  StickerRecord probe{};
  probe.window = storedHandle;
  if (TStickForm* window = OpenWindowOf(probe))
    SendMessageW(window->Handle(), WM_STICKER_COMMAND, 0, kStickerCommandClose);
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

void StickerOperations::CloseAllWindows() { CommandOpenWindows(kStickerCommandClose, 0, false); }
void StickerOperations::RedrawAll() { CommandOpenWindows(kStickerCommandRebuild, 0, false); }
void StickerOperations::BringAllOnScreen() { CommandOpenWindows(kStickerCommandBringOnScreen, 0, true); }
void StickerOperations::MakeAllVisible() { CommandOpenWindows(kStickerCommandMakeVisible, 0, true); }
void StickerOperations::RelabelAll() { CommandOpenWindows(kStickerCommandRelabel, kStickerCommandRelabel, true); }

void StickerOperations::BringBackStranded() {
  const std::vector<Monitor> monitors = CurrentMonitors();
  for (const auto& window : windows_) window->BringBackIfStranded(monitors);
}

void StickerOperations::ToggleById(std::int32_t id) {
  const StickerRecord* record = Record(id);
  if (!record) return;
  if (record->visible)
    a_.store->HideSticker(id, true);
  else
    Show(id, true);
}

void StickerOperations::ShowAll() {
  for (int slot = 0; slot < kStickerSlotCount; ++slot)
    if (a_.store->Sticker(slot).in_use) Show(a_.store->Sticker(slot).id, true);
}

void StickerOperations::HideAll() {
  for (int slot = 0; slot < kStickerSlotCount; ++slot)
    if (a_.store->Sticker(slot).in_use) a_.store->HideSticker(a_.store->Sticker(slot).id, true);
}

void StickerOperations::DeleteAll() {
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    StickerRecord& r = a_.store->Sticker(slot);
    if (!r.in_use) continue;
    if (TStickForm* window = OpenWindowOf(r))
      SendMessageW(window->Handle(), WM_STICKER_COMMAND, kStickerCommandClose, kStickerCommandClose);
    r.in_use = 0;
  }
  a_.saveDatabase();
}

void StickerOperations::SetBounds(std::int32_t id, int left, int top, int width, int height) {
  StickerRecord* r = Record(id);
  if (!r) return;
  const bool moved = r->left != left || r->top != top;
  r->left = left;
  r->top = top;
  r->width = width;
  r->height = height;
  if (moved) a_.saveDatabase();
}

// A window applies its position every time it is given its record, at start-up
// too; rewriting base.db when nothing changed would only cost time.
void StickerOperations::SetStackingPosition(std::int32_t id, int position) {
  StickerRecord* r = Record(id);
  if (!r || position < kPositionNormal || position > kPositionDesktop || r->position == position) return;
  r->position = static_cast<std::uint8_t>(position);
  a_.saveDatabase();
}

void StickerOperations::SetExpanded(std::int32_t id, bool expanded) {
  StickerRecord* r = Record(id);
  if (!r) return;
  r->expanded = expanded ? 1 : 0;
  a_.saveDatabase();
}

void StickerOperations::SetExpandedQuietly(std::int32_t id, bool expanded) { a_.store->SetExpanded(id, expanded); }

void StickerOperations::SetFloating(std::int32_t id, bool floating) {
  StickerRecord* r = Record(id);
  if (!r) return;
  r->floating = floating ? 1 : 0;
  a_.postManagerRefresh();
  a_.saveDatabase();
}

void StickerOperations::ToggleFloating(std::int32_t id) {
  StickerRecord* r = Record(id);
  if (!r) return;
  r->floating = r->floating ? 0 : 1;
  a_.saveDatabase();
  if (TStickForm* window = OpenWindowOf(*r))
    PostMessageW(window->Handle(), WM_STICKER_COMMAND, r->floating ? kFloatingOn : kFloatingOff, kStickerCommandFloating);
  a_.postManagerRefresh();
}

void StickerOperations::ChangePosition(std::int32_t id, int position) {
  const StickerRecord* r = Record(id);
  if (!r || position < kPositionNormal || position > kPositionDesktop) return;
  StickerRecord edited = *r;
  edited.position = static_cast<std::uint8_t>(position);
  ApplyStickerSettings(id, edited);
}

void StickerOperations::BringToFront(std::int32_t id) {
  const StickerRecord* r = Record(id);
  if (TStickForm* window = r ? OpenWindowOf(*r) : nullptr)
    PostMessageW(window->Handle(), WM_STICKER_COMMAND, 0, kStickerCommandTemporarilyTopmost);
}

void StickerOperations::HideFromWindow(std::int32_t id) {
  if (!Record(id)) return;
  a_.store->HideSticker(id, false);
  a_.saveDatabase();
}

void StickerOperations::DeleteFromWindow(std::int32_t id) {
  if (!Record(id)) return;
  a_.store->DeleteSticker(id, false);
  a_.saveDatabase();
}

void StickerOperations::AddNewSticker(StickerRecord record) {
  record.id = a_.store->UnusedStickerId(NewStickerId(LocalNow()));
  record.visible = 1;
  record.left = record.top = -1;
  record.window = 0;
  const int slot = a_.store->AddRecordUnchanged(record);
  if (slot < 0) return;
  ShowSlot(slot, CurrentMonitors());
  a_.postManagerRefresh();
  a_.saveDatabase();
}

// The copy is written as soon as its window shows: nothing else would write
// it before the program ends, and it must survive a crash.
void StickerOperations::Duplicate(std::int32_t id) {
  const StickerRecord* original = Record(id);
  if (!original) return;
  StickerRecord copy = DuplicateOf(*original, a_.store->UnusedStickerId(NewStickerId(LocalNow())));
  copy.window = 0;  // the original's window is not the copy's
  const int slot = a_.store->AddRecordUnchanged(copy);
  if (slot < 0) return;
  ShowSlot(slot, CurrentMonitors());
  a_.postManagerRefresh();
  a_.saveDatabase();
}

void StickerOperations::ApplyStickerSettings(std::int32_t id, const StickerRecord& edited) {
  StickerRecord* r = Record(id);
  if (!r) return;
  MergeStickerSettings(*r, edited);
  if (TStickForm* window = OpenWindowOf(*r)) {
    COPYDATASTRUCT data{kRecordDeliveryData, static_cast<DWORD>(kStickerRecordSize), r};
    SendMessageW(window->Handle(), WM_COPYDATA, kRecordDeliveryTag, reinterpret_cast<LPARAM>(&data));
  }
  a_.postManagerRefresh();
  a_.saveDatabase();
}

// The dialog works on a copy: the store changes only when it applies.
void StickerOperations::OpenSettings(std::int32_t id) {
  if (const StickerRecord* r = Record(id)) a_.openSettings(id, *r);
}

void StickerOperations::CreateShortcut(std::int32_t id) {
  if (const StickerRecord* r = Record(id)) a_.createShortcut(id, *r);
}
