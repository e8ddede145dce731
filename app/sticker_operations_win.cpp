#include "app/sticker_operations_win.h"

#include <algorithm>

#include "app/local_time_win.h"
#include "win/messages.h"
#include "win/window_handle_win.h"
#include "sticker/sticker_geometry.h"
#include "store/record_merge.h"
#include "store/sticker_identity.h"

namespace {


WorkArea CurrentWorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

StickerRecord* StickerOperations::Record(std::int32_t id) {
  const int slot = a_.store->FindSticker(id);
  return slot < 0 ? nullptr : &a_.store->Sticker(slot);
}

std::optional<StickerRecord> StickerOperations::StoredRecord(std::int32_t id) const {
  const int slot = a_.store->FindSticker(id);
  if (slot < 0) return std::nullopt;
  return a_.store->Sticker(slot);
}

void StickerOperations::Show(std::int32_t id, bool onlyIfHidden) {
  const int slot = a_.store->FindSticker(id);
  if (slot < 0 || (onlyIfHidden && a_.store->Sticker(slot).visible)) return;
  ShowSlot(slot);
}

// By slot rather than id, so that two stickers sharing an id (made within one
// second) each get their own window.
void StickerOperations::ShowLoaded() {
  for (int slot = 0; slot < kStickerSlotCount; ++slot)
    if (a_.store->Sticker(slot).in_use && a_.store->Sticker(slot).visible) ShowSlot(slot);
}

void StickerOperations::ShowSlot(int slot) {
  StickerRecord& record = a_.store->Sticker(slot);
  auto window = std::make_unique<TStickForm>(*this, a_.art, *a_.texts, *a_.glyphs, a_.mainWindow,
                                             [this](TStickForm* closed) { OnWindowClosed(closed); });
  if (!window->Open(record)) return;
  record.visible = 1;
  record.window = StoredWindowHandle(window->Handle());
  if (IsUnplaced(record)) {
    const ScreenPoint centre = CentredPosition(CurrentWorkArea(), window->PictureWidth(), window->PictureHeight());
    record.left = centre.x;
    record.top = centre.y;
  }
  window->ShowAt(record.left, record.top);
  windows_.push_back(std::move(window));
}

void StickerOperations::OnWindowClosed(TStickForm* window) {
  const auto it = std::find_if(windows_.begin(), windows_.end(), [window](const auto& w) { return w.get() == window; });
  if (it == windows_.end()) return;
  closed_.push_back(std::move(*it));
  windows_.erase(it);
  PostMessageW(a_.mainWindow, kReleaseClosedStickers, 0, 0);
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

void StickerOperations::ForEachWindow(bool visibleOnly, const std::function<void(HWND)>& act) {
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    const StickerRecord& r = a_.store->Sticker(slot);
    if (r.in_use && (!visibleOnly || r.visible)) act(WindowFromStored(r.window));
  }
}

void StickerOperations::RedrawAll() {
  ForEachWindow(true, [](HWND w) { SendMessageW(w, WM_STICKER_COMMAND, 0, kStickerCommandRebuild); });
}

void StickerOperations::BringAllOnScreen() {
  ForEachWindow(false, [](HWND w) { PostMessageW(w, WM_STICKER_COMMAND, 0, kStickerCommandBringOnScreen); });
}

void StickerOperations::MakeAllVisible() {
  ForEachWindow(false, [](HWND w) { PostMessageW(w, WM_STICKER_COMMAND, 0, kStickerCommandMakeVisible); });
}

void StickerOperations::DeleteAll() {
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    StickerRecord& r = a_.store->Sticker(slot);
    if (!r.in_use) continue;
    SendMessageW(WindowFromStored(r.window), WM_STICKER_COMMAND, kStickerCommandClose, kStickerCommandClose);
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
  PostMessageW(WindowFromStored(r->window), WM_STICKER_COMMAND, r->floating ? kFloatingOn : kFloatingOff, kStickerCommandFloating);
  a_.postManagerRefresh();
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

void StickerOperations::Duplicate(std::int32_t id) {
  const StickerRecord* r = Record(id);
  if (!r) return;
  const StickerRecord copy = DuplicateOf(*r, NewStickerId(LocalNow()));
  if (a_.store->AddRecordUnchanged(copy) < 0) return;
  Show(copy.id, false);
}

void StickerOperations::ApplyStickerSettings(std::int32_t id, const StickerRecord& edited) {
  StickerRecord* r = Record(id);
  if (!r) return;
  MergeStickerSettings(*r, edited);
  if (r->window != 0) {
    COPYDATASTRUCT data{kRecordDeliveryData, static_cast<DWORD>(kStickerRecordSize), r};
    SendMessageW(WindowFromStored(r->window), WM_COPYDATA, kRecordDeliveryTag, reinterpret_cast<LPARAM>(&data));
  }
  a_.postManagerRefresh();
  a_.saveDatabase();
}

// The settings dialog comes with the editors; until then there is nothing to open.
void StickerOperations::OpenSettings(std::int32_t) {}
