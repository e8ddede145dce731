#include "store/task_file.h"

#include <cstring>

#include "store/slot_image.h"

std::vector<std::uint8_t> BuildTaskImage(const Tmassiv& store) {
  return ImageOfUsedSlots<TaskRecord>(kTaskSlotCount, store.CountTasks(), [&](int slot) {
    return store.Task(slot).in_use ? &store.Task(slot) : nullptr;
  });
}

void LoadTaskImage(std::span<const std::uint8_t> image, Tmassiv& store) {
  const std::size_t count = image.size() / kTaskRecordSize;
  for (std::size_t k = 0; k < count; ++k) {
    const int slot = store.FirstFreeTaskSlot();
    if (slot < 0) return;
    TaskRecord task;
    std::memcpy(&task, image.data() + k * kTaskRecordSize, kTaskRecordSize);
    task.in_use = 1;
    store.WriteTask(slot, task);
  }
}
