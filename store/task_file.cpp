#include "store/task_file.h"

#include <cstring>

#include "store/slot_image.h"

std::vector<std::uint8_t> BuildTaskImage(const Tmassiv& store) {
  return ImageOfUsedSlots<TaskRecord>(kTaskSlotCount, store.CountTasks(), [&](int slot) {
    return store.Task(slot).in_use ? &store.Task(slot) : nullptr;
  });
}

std::vector<TaskRecord> TaskRecords(std::span<const std::uint8_t> image) {
  std::vector<TaskRecord> tasks(image.size() / kTaskRecordSize);
  if (!tasks.empty()) std::memcpy(tasks.data(), image.data(), tasks.size() * kTaskRecordSize);
  return tasks;
}

void LoadTaskImage(std::span<const std::uint8_t> image, Tmassiv& store) {
  for (TaskRecord task : TaskRecords(image)) {
    const int slot = store.FirstFreeTaskSlot();
    if (slot < 0) return;
    task.in_use = 1;
    store.WriteTask(slot, task);
  }
}
