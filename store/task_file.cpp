#include "store/task_file.h"

#include <cstring>

std::vector<std::uint8_t> BuildTaskImage(const Tmassiv& store) {
  std::vector<std::uint8_t> image;
  image.reserve(static_cast<std::size_t>(store.CountTasks()) * kTaskRecordSize);
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    const TaskRecord& task = store.Task(slot);
    if (!task.in_use) continue;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&task);
    image.insert(image.end(), bytes, bytes + kTaskRecordSize);
  }
  return image;
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
