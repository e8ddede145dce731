#include "store/tmassiv.h"

Tmassiv::Tmassiv() { ResetStickers(); }

void Tmassiv::ResetStickers() {
  for (auto& record : stickers_) {
    record.in_use = 0;
    record.reserved2529 = 0;
  }
}

int Tmassiv::FindFreeStickerSlot() const {
  for (int slot = 0; slot < kStickerSlotCount; ++slot)
    if (!Sticker(slot).in_use) return slot;
  return -1;
}

int Tmassiv::FindSticker(std::int32_t id) const {
  for (int slot = 0; slot < kStickerSlotCount; ++slot)
    if (Sticker(slot).in_use && Sticker(slot).id == id) return slot;
  return -1;
}

int Tmassiv::CountStickers() const {
  int count = 0;
  for (const auto& record : stickers_) count += record.in_use ? 1 : 0;
  return count;
}

std::int32_t Tmassiv::StickerIdOfSlot(int slot) const { return Sticker(slot).in_use ? Sticker(slot).id : -1; }

std::int32_t Tmassiv::UnusedStickerId(std::int32_t first) const {
  std::uint32_t id = static_cast<std::uint32_t>(first);  // wraps rather than overflows
  while (FindSticker(static_cast<std::int32_t>(id)) >= 0) ++id;
  return static_cast<std::int32_t>(id);
}

int Tmassiv::AddRecordUnchanged(const StickerRecord& record) {
  const int slot = FindFreeStickerSlot();
  if (slot < 0) return -1;
  Sticker(slot) = record;
  Sticker(slot).in_use = 1;
  return slot;
}

int Tmassiv::AddRecord(const StickerRecord& record) {
  const int slot = AddRecordUnchanged(record);
  if (slot >= 0) Sticker(slot).window = 0;
  return slot;
}

bool Tmassiv::DeleteSticker(std::int32_t id) {
  const int slot = FindSticker(id);
  if (slot < 0) return false;
  Sticker(slot).in_use = 0;
  return true;
}

void Tmassiv::ResetTasks(DateTime now) {
  for (TaskRecord& task : tasks_) {
    task.active = task.kind = task.action = 0;
    task.auto_block = task.auto_delete = task.due = task.in_use = 0;
    task.name.length = 0;
    task.date_time = task.follow_up = now;
  }
}

int Tmassiv::FirstFreeTaskSlot() const {
  for (int slot = 0; slot < kTaskSlotCount; ++slot)
    if (!Task(slot).in_use) return slot;
  return -1;
}

int Tmassiv::CountTasks() const {
  int count = 0;
  for (const TaskRecord& task : tasks_) count += task.in_use ? 1 : 0;
  return count;
}

int Tmassiv::UsedTaskSlot(int n) const {
  for (int slot = 0; slot < kTaskSlotCount; ++slot)
    if (Task(slot).in_use && n-- == 0) return slot;
  return -1;
}
