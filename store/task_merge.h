#pragma once
// Another computer's plan.db merged into the task table.
//
// A task has no id: it is known by what it does and when, its identity
// (TaskIdentity). Editing a task in the wizard makes it another task, so a
// task changed on one side is the old one deleted there and a new one made.
// Two fields are not identity:
// - `active` is state: the scheduler clears it when a task that blocks itself
//   fires, on each computer on its own, and the user flips it with the lock
//   button. Were it identity, a task fired on both computers would still
//   merge, but a task blocked on one and edited on the other would come back
//   twice. It merges like a field of the task instead: the side that flipped
//   it wins.
// - `due`, `in_use`, the follow-up time (written, never read) and the
//   reserved bytes mean nothing about the task and never count.
// Against the base, for each identity: made on one side or both, the task is
// there once; deleted on one side and untouched on the other, it is gone.
// Where the base or the file holds one task several times over, its active
// and its blocked copies are two numbers, each merged the same way.
//
// The table holds 256 tasks; what a merge cannot place is handed back.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "store/tmassiv.h"

struct TaskMergeReport {
  std::vector<int> changedSlots;     // blocked or unblocked on the other side
  std::vector<int> addedSlots;       // new in the table
  std::vector<TaskRecord> removed;   // deleted on the other side, as they were here
  std::vector<TaskRecord> unplaced;  // came in but found no free slot

  bool TableChanged() const { return !changedSlots.empty() || !addedSlots.empty() || !removed.empty(); }
};

// The bytes that make a task the task it is: kind, action, moment, the two
// after-firing choices, sticker, name and message (their characters only).
std::string TaskIdentity(const TaskRecord& task);

// `base`: plan.db as this program last read or wrote it; `theirs`: as it is now.
TaskMergeReport MergeTaskImage(Tmassiv& store, std::span<const std::uint8_t> base, std::span<const std::uint8_t> theirs);

// A conflict copy: tasks only the copy has come in; nothing is deleted.
TaskMergeReport MergeTaskCopy(Tmassiv& store, std::span<const std::uint8_t> copy);
