#include "store/task_merge.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <utility>

#include "store/task_file.h"

namespace {

template <typename Value>
void Append(std::string& bytes, const Value& value) {
  const auto* raw = reinterpret_cast<const char*>(&value);
  bytes.append(raw, sizeof value);
}

void AppendCounted(std::string& bytes, std::string_view text) {
  bytes.push_back(static_cast<char>(text.size()));
  bytes.append(text);
}

bool Active(const TaskRecord& task) { return task.active != 0; }

// The tasks of one identity on each side.
struct Group {
  std::vector<int> ourSlots;
  std::vector<std::size_t> base;  // indexes into the base's tasks
  std::vector<std::size_t> theirs;  // and the file's
};

class TaskMerge {
 public:
  TaskMerge(Tmassiv& store, std::optional<std::vector<TaskRecord>> base, std::vector<TaskRecord> theirs)
      : store_(store), base_(std::move(base)), theirs_(std::move(theirs)) {}

  TaskMergeReport Run() {
    Collect();
    std::vector<std::size_t> arrivals;
    for (Group& group : groups_) MergeGroup(group, arrivals);
    std::sort(arrivals.begin(), arrivals.end());  // in the file's order
    for (std::size_t i : arrivals) Bring(theirs_[i]);
    return std::move(report_);
  }

 private:
  Group& GroupOf(const TaskRecord& task) {
    const auto [at, made] = index_.try_emplace(TaskIdentity(task), groups_.size());
    if (made) groups_.emplace_back();
    return groups_[at->second];
  }

  void Collect() {
    for (int slot = 0; slot < kTaskSlotCount; ++slot)
      if (store_.Task(slot).in_use) GroupOf(store_.Task(slot)).ourSlots.push_back(slot);
    for (std::size_t i = 0; base_ && i < base_->size(); ++i) GroupOf((*base_)[i]).base.push_back(i);
    for (std::size_t i = 0; i < theirs_.size(); ++i) GroupOf(theirs_[i]).theirs.push_back(i);
  }

  // A number three-way: the side that changed it wins, and where both did,
  // the larger keeps what either made.
  std::size_t Merged(std::size_t ours, std::size_t base, std::size_t theirs) const {
    if (!base_) return std::max(ours, theirs);
    if (ours == base) return theirs;
    if (theirs == base) return ours;
    return std::max(ours, theirs);
  }

  // The base and the file choose the way: they are the same when the same
  // file is merged again, so a second merge goes the way the first went.
  void MergeGroup(Group& g, std::vector<std::size_t>& arrivals) {
    if (g.base.size() > 1 || g.theirs.size() > 1) MergeByState(g, arrivals);
    else MergeOne(g, arrivals);
  }

  // The usual case, one such task in the base and in the file: it is there
  // or not as the count merges, and its state merges like a field.
  void MergeOne(Group& g, std::vector<std::size_t>& arrivals) {
    Count(g.ourSlots, g.base, g.theirs, arrivals);
    if (base_ && g.base.size() == 1 && g.theirs.size() == 1 && !g.ourSlots.empty())
      MergeState(g.ourSlots[0], (*base_)[g.base[0]], theirs_[g.theirs[0]]);
  }

  // Several identical tasks: the active and the blocked ones are two numbers
  // that merge on their own.
  void MergeByState(const Group& g, std::vector<std::size_t>& arrivals) {
    for (const bool active : {true, false}) {
      std::vector<int> ours;
      std::vector<std::size_t> base, theirs;
      std::copy_if(g.ourSlots.begin(), g.ourSlots.end(), std::back_inserter(ours),
                   [&](int slot) { return Active(store_.Task(slot)) == active; });
      std::copy_if(g.base.begin(), g.base.end(), std::back_inserter(base),
                   [&](std::size_t i) { return Active((*base_)[i]) == active; });
      std::copy_if(g.theirs.begin(), g.theirs.end(), std::back_inserter(theirs),
                   [&](std::size_t i) { return Active(theirs_[i]) == active; });
      Count(ours, base, theirs, arrivals);
    }
  }

  // Removes ours beyond the merged number, last first, or asks for the
  // file's that bring it up to it; `ours` keeps the slots that stay.
  void Count(std::vector<int>& ours, const std::vector<std::size_t>& base, const std::vector<std::size_t>& theirs,
             std::vector<std::size_t>& arrivals) {
    const std::size_t kept = Merged(ours.size(), base.size(), theirs.size());
    for (std::size_t k = kept; k < ours.size(); ++k) {
      report_.removed.push_back(store_.Task(ours[k]));
      store_.FreeTask(ours[k]);
    }
    for (std::size_t k = ours.size(); k < kept; ++k) arrivals.push_back(theirs[k]);
    if (kept < ours.size()) ours.resize(kept);
  }

  void MergeState(int slot, const TaskRecord& base, const TaskRecord& theirs) {
    TaskRecord ours = store_.Task(slot);
    if (Active(ours) != Active(base) || Active(theirs) == Active(base)) return;
    ours.active = theirs.active;
    store_.WriteTask(slot, ours);
    report_.changedSlots.push_back(slot);
  }

  void Bring(TaskRecord task) {
    task.in_use = 1;
    task.due = 0;  // the scheduler marks its next event itself
    const int slot = store_.FirstFreeTaskSlot();
    if (slot < 0) {
      report_.unplaced.push_back(task);
      return;
    }
    store_.WriteTask(slot, task);
    report_.addedSlots.push_back(slot);
  }

  Tmassiv& store_;
  std::optional<std::vector<TaskRecord>> base_;  // none for a conflict copy
  std::vector<TaskRecord> theirs_;
  std::vector<Group> groups_;  // in the order first met: ours, base, file
  std::unordered_map<std::string, std::size_t> index_;
  TaskMergeReport report_;
};

}  // namespace

std::string TaskIdentity(const TaskRecord& task) {
  std::string bytes;
  Append(bytes, task.kind);
  Append(bytes, task.action);
  Append(bytes, task.date_time);
  Append(bytes, task.auto_block);
  Append(bytes, task.auto_delete);
  Append(bytes, task.sticker_id);
  AppendCounted(bytes, task.name.View());
  AppendCounted(bytes, task.message.View());
  return bytes;
}

TaskMergeReport MergeTaskImage(Tmassiv& store, std::span<const std::uint8_t> base, std::span<const std::uint8_t> theirs) {
  return TaskMerge(store, TaskRecords(base), TaskRecords(theirs)).Run();
}

TaskMergeReport MergeTaskCopy(Tmassiv& store, std::span<const std::uint8_t> copy) {
  return TaskMerge(store, std::nullopt, TaskRecords(copy)).Run();
}
