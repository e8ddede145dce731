#include "store/task_merge.h"

#include <algorithm>
#include <cstring>
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
    for (const Group& group : groups_) MergeGroup(group, arrivals);
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

  // How many of the identity stay: the side that changed the number wins,
  // and where both did, the larger keeps what either made.
  std::size_t Kept(const Group& g) const {
    const std::size_t ours = g.ourSlots.size(), base = g.base.size(), theirs = g.theirs.size();
    if (!base_) return std::max(ours, theirs);
    if (ours == base) return theirs;
    if (theirs == base) return ours;
    return std::max(ours, theirs);
  }

  void MergeGroup(const Group& g, std::vector<std::size_t>& arrivals) {
    const std::size_t kept = Kept(g);
    for (std::size_t k = kept; k < g.ourSlots.size(); ++k) {
      report_.removed.push_back(store_.Task(g.ourSlots[k]));
      store_.FreeTask(g.ourSlots[k]);
    }
    for (std::size_t k = 0; k < std::min(kept, g.ourSlots.size()); ++k)
      if (k < g.base.size() && k < g.theirs.size()) MergeState(g.ourSlots[k], (*base_)[g.base[k]], theirs_[g.theirs[k]]);
    for (std::size_t k = g.ourSlots.size(); k < kept; ++k) arrivals.push_back(g.theirs[k]);
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
