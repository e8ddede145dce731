#pragma once
// The store of the program: 256 sticker slots and 256 task slots, allocated
// once and searched linearly from slot 0. A full store drops new entries.
// It only holds records: what a change means for the windows, the manager and
// base.db is the sticker operations' business.

#include <array>
#include <cstdint>

#include "store/sticker_record.h"
#include "store/task_record.h"

inline constexpr int kStickerSlotCount = 256;
inline constexpr int kTaskSlotCount = 256;

class Tmassiv {
 public:
  Tmassiv();

  // Frees every sticker slot; task slots are left alone.
  void ResetStickers();

  int FindFreeStickerSlot() const;
  int FindSticker(std::int32_t id) const;  // first occupied slot with that id, or -1
  int CountStickers() const;
  std::int32_t StickerIdOfSlot(int slot) const;  // -1 for a free slot
  // The first id from `first` on that no used slot holds: a new sticker made
  // within the same second as another still gets an id of its own.
  std::int32_t UnusedStickerId(std::int32_t first) const;

  const StickerRecord& Sticker(int slot) const { return stickers_[static_cast<std::size_t>(slot)]; }
  StickerRecord& Sticker(int slot) { return stickers_[static_cast<std::size_t>(slot)]; }

  // Copies the record into the first free slot and marks it used; AddRecord
  // also clears the window handle. Both return the slot, or -1 when full.
  int AddRecord(const StickerRecord& record);
  int AddRecordUnchanged(const StickerRecord& record);

  // Frees the first slot with the id; false when none holds it.
  bool DeleteSticker(std::int32_t id);

  // Frees every task slot and sets both its times to `now`, as at start-up.
  void ResetTasks(DateTime now);
  int FirstFreeTaskSlot() const;  // -1 when all are used
  int CountTasks() const;
  // The slot of the n-th used task (from 0) in slot order, or -1.
  int UsedTaskSlot(int n) const;
  const TaskRecord& Task(int slot) const { return tasks_[static_cast<std::size_t>(slot)]; }
  void WriteTask(int slot, const TaskRecord& task) { tasks_[static_cast<std::size_t>(slot)] = task; }
  void FreeTask(int slot) { tasks_[static_cast<std::size_t>(slot)].in_use = 0; }
  void SetTaskDue(int slot, bool due) { tasks_[static_cast<std::size_t>(slot)].due = due ? 1 : 0; }

 private:
  std::array<StickerRecord, kStickerSlotCount> stickers_{};
  std::array<TaskRecord, kTaskSlotCount> tasks_{};
};
