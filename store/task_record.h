#pragma once
// The task record: one 240-byte scheduler entry, the same image in memory and
// in plan.db. Every offset is a file format and is checked below.

#include <cstddef>
#include <cstdint>

#include "store/date_time.h"
#include "store/short_string.h"

#pragma pack(push, 1)

struct TaskRecord {
  std::uint8_t active;  // 0: blocked
  std::uint8_t kind;    // TaskKind; a larger value is never scheduled
  std::uint8_t action;  // TaskAction; a larger value does nothing
  std::uint8_t reserved3[5];
  DateTime date_time;  // kind 0: the moment; kind 1: the fraction is the time of day
  std::uint8_t auto_block;
  std::uint8_t reserved17[7];
  DateTime follow_up;  // written, never read
  std::uint8_t auto_delete;
  std::uint8_t due;  // belongs to the scheduler's next event
  std::uint8_t reserved34[2];
  std::int32_t sticker_id;  // -1: none
  std::uint8_t in_use;
  ShortString<64> name;
  ShortString<128> message;
  std::uint8_t reserved235[5];
};

#pragma pack(pop)

inline constexpr std::size_t kTaskRecordSize = 240;

static_assert(sizeof(TaskRecord) == kTaskRecordSize);
static_assert(offsetof(TaskRecord, kind) == 1 && offsetof(TaskRecord, action) == 2);
static_assert(offsetof(TaskRecord, date_time) == 8 && offsetof(TaskRecord, auto_block) == 16);
static_assert(offsetof(TaskRecord, follow_up) == 24 && offsetof(TaskRecord, auto_delete) == 32);
static_assert(offsetof(TaskRecord, due) == 33 && offsetof(TaskRecord, sticker_id) == 36);
static_assert(offsetof(TaskRecord, in_use) == 40 && offsetof(TaskRecord, name) == 41);
static_assert(offsetof(TaskRecord, message) == 106 && offsetof(TaskRecord, reserved235) == 235);

enum TaskKind : std::uint8_t { kTaskOnce = 0, kTaskDaily = 1, kTaskHourly = 2 };
enum TaskAction : std::uint8_t {
  kTaskShowSticker = 0,
  kTaskHideSticker = 1,
  kTaskDeleteSticker = 2,
  kTaskStickerBalloon = 3,
  kTaskMessageWindow = 4,
  kTaskMessageBalloon = 5,
};

inline constexpr std::int32_t kNoTaskSticker = -1;

// What the manager's Add hands to the wizard: active, once, show sticker, at `now`.
TaskRecord NewTask(DateTime now);
