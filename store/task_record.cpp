#include "store/task_record.h"

TaskRecord NewTask(DateTime now) {
  TaskRecord task{};
  task.active = 1;
  task.in_use = 1;
  task.date_time = now;
  task.follow_up = now;
  task.sticker_id = kNoTaskSticker;
  return task;
}
