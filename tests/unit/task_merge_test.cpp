// Another computer's plan.db merged into the task table: what makes a task
// the task it is, each rule once, and random histories of two computers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "store/slot_image.h"
#include "store/task_merge.h"

namespace {

using Tasks = std::vector<TaskRecord>;

TaskRecord Task(const std::string& name, DateTime when = 46000.5) {
  TaskRecord task = NewTask(when);
  task.name.Assign(name);
  task.follow_up = when + 0.0035;
  return task;
}
TaskRecord Blocked(TaskRecord task) {
  task.active = 0;
  return task;
}
std::vector<std::uint8_t> Image(const Tasks& tasks) { return ImageOfRecords<TaskRecord>(tasks); }

class TaskMergeTest : public ::testing::Test {
 protected:
  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();

  void SetUp() override { store->ResetTasks(46000); }
  void Have(const Tasks& tasks) {
    for (const TaskRecord& task : tasks) store->WriteTask(store->FirstFreeTaskSlot(), task);
  }
  TaskMergeReport Merge(const Tasks& base, const Tasks& theirs) { return MergeTaskImage(*store, Image(base), Image(theirs)); }
  // The names of the used slots in slot order, "-" after a blocked one.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int slot = 0; slot < kTaskSlotCount; ++slot)
      if (store->Task(slot).in_use) names.push_back(store->Task(slot).name.Str() + (store->Task(slot).active ? "" : "-"));
    return names;
  }
};

// Every field of the identity tells two tasks apart; what the scheduler and
// the table keep for themselves never does.
TEST(TaskIdentity, WhatATaskDoesAndWhenButNotItsState) {
  const TaskRecord task = Task("call");
  const std::string identity = TaskIdentity(task);
  const std::vector<void (*)(TaskRecord&)> others = {
      [](TaskRecord& t) { t.kind = kTaskDaily; },
      [](TaskRecord& t) { t.action = kTaskHideSticker; },
      [](TaskRecord& t) { t.date_time += 1.0 / 86400; },
      [](TaskRecord& t) { t.auto_block = 1; },
      [](TaskRecord& t) { t.auto_delete = 1; },
      [](TaskRecord& t) { t.sticker_id = 1234; },
      [](TaskRecord& t) { t.name.Assign("call!"); },
      [](TaskRecord& t) { t.message.Assign("x"); },
  };
  for (std::size_t i = 0; i < others.size(); ++i) {
    TaskRecord other = task;
    others[i](other);
    EXPECT_NE(TaskIdentity(other), identity) << "change " << i;
  }
  const std::vector<void (*)(TaskRecord&)> same = {
      [](TaskRecord& t) { t.active = 0; },
      [](TaskRecord& t) { t.due = 1; },
      [](TaskRecord& t) { t.in_use = 0; },
      [](TaskRecord& t) { t.follow_up = 1; },
      [](TaskRecord& t) { t.reserved3[0] = t.reserved17[6] = t.reserved34[1] = t.reserved235[4] = 9; },
      [](TaskRecord& t) { t.name.chars[40] = 'z'; },  // behind the name's characters
  };
  for (std::size_t i = 0; i < same.size(); ++i) {
    TaskRecord other = task;
    same[i](other);
    EXPECT_EQ(TaskIdentity(other), identity) << "state " << i;
  }
  // The name's end and the message's start are not interchangeable.
  TaskRecord a = task, b = task;
  a.name.Assign("ab");
  b.name.Assign("a");
  b.message.Assign("b");
  EXPECT_NE(TaskIdentity(a), TaskIdentity(b));
}

TEST_F(TaskMergeTest, MadeOnEitherSideComesInOnce) {
  Have({Task("ours"), Task("both")});
  TaskRecord theirs = Task("theirs");
  theirs.due = 1;
  const TaskMergeReport report = Merge({}, {Task("both"), theirs});
  EXPECT_EQ(Names(), (std::vector<std::string>{"ours", "both", "theirs"}));
  EXPECT_EQ(report.addedSlots, std::vector<int>{2});
  EXPECT_EQ(store->Task(2).due, 0);  // the scheduler marks its next event itself
}

// An edited task is another task: the old one is gone on that side.
TEST_F(TaskMergeTest, DeletedOrEditedOnOneSideAndUntouchedOnTheOther) {
  Have({Task("keep"), Task("gone there"), Task("edit there")});
  const TaskMergeReport report =
      Merge({Task("keep"), Task("gone there"), Task("edit there"), Task("gone here")},
            {Task("keep"), Task("edited there"), Task("gone here")});
  EXPECT_EQ(Names(), (std::vector<std::string>{"keep", "edited there"}));
  ASSERT_EQ(report.removed.size(), 2u);
  EXPECT_EQ(report.removed[0].name.Str(), "gone there");
}

// Edited on both sides, or deleted on one and edited on the other: every
// new version stays, the old one goes.
TEST_F(TaskMergeTest, EditsOnBothSidesAllStay) {
  Have({Task("ours at nine"), Task("edited here")});
  Merge({Task("at eight"), Task("shared")}, {Task("theirs at ten")});
  EXPECT_EQ(Names(), (std::vector<std::string>{"ours at nine", "edited here", "theirs at ten"}));
}

// Blocked is state: the side that flipped it wins, whichever did the edit
// otherwise; flipped alike on both (fired on both computers), nothing moves.
TEST_F(TaskMergeTest, BlockedAndUnblockedMergeLikeAField) {
  Have({Task("fired there"), Blocked(Task("unblocked there")), Blocked(Task("fired on both")), Task("flipped here")});
  const TaskMergeReport report =
      Merge({Task("fired there"), Blocked(Task("unblocked there")), Task("fired on both"), Blocked(Task("flipped here"))},
            {Blocked(Task("fired there")), Task("unblocked there"), Blocked(Task("fired on both")), Blocked(Task("flipped here"))});
  EXPECT_EQ(Names(), (std::vector<std::string>{"fired there-", "unblocked there", "fired on both-", "flipped here"}));
  EXPECT_EQ(report.changedSlots, (std::vector<int>{0, 1}));
}

// The same task several times over: the blocked copies are a number of
// their own, so one blocked there is one blocked here.
TEST_F(TaskMergeTest, IdenticalTasksMergeTheirStatesAsNumbers) {
  Have({Task("twice"), Task("twice")});
  Merge({Task("twice"), Task("twice")}, {Blocked(Task("twice")), Task("twice")});
  EXPECT_EQ(Names(), (std::vector<std::string>{"twice", "twice-"}));
}

// A file that differs from the base only in what is no part of a task leaves
// the table as it was.
TEST_F(TaskMergeTest, StateTheSchedulerKeepsIsNoChange) {
  const TaskRecord task = Task("ring");
  Have({task});
  TaskRecord theirs = task;
  theirs.due = 1;
  theirs.follow_up = 1;
  theirs.reserved235[0] = 7;
  const TaskMergeReport report = Merge({task}, {theirs});
  EXPECT_FALSE(report.TableChanged());
  EXPECT_EQ(std::memcmp(&store->Task(0), &task, sizeof task), 0);
}

TEST_F(TaskMergeTest, AFullTableHandsBackWhatFindsNoSlot) {
  Tasks ours;
  for (int i = 0; i < kTaskSlotCount; ++i) ours.push_back(Task("task " + std::to_string(i)));
  Have(ours);
  Tasks theirs(ours.begin() + 1, ours.end());
  theirs.push_back(Task("new 1"));
  theirs.push_back(Task("new 2"));
  const TaskMergeReport report = Merge(ours, theirs);
  EXPECT_EQ(store->CountTasks(), kTaskSlotCount);
  EXPECT_EQ(store->Task(0).name.Str(), "new 1");
  ASSERT_EQ(report.unplaced.size(), 1u);
  EXPECT_EQ(report.unplaced[0].name.Str(), "new 2");
}

TEST_F(TaskMergeTest, AConflictCopyAddsOnceAndNeverDeletes) {
  Have({Task("ours"), Task("both")});
  const Tasks copy = {Blocked(Task("both")), Task("copy")};
  EXPECT_EQ(MergeTaskCopy(*store, Image(copy)).addedSlots, std::vector<int>{2});
  EXPECT_EQ(Names(), (std::vector<std::string>{"ours", "both", "copy"}));
  EXPECT_FALSE(MergeTaskCopy(*store, Image(copy)).TableChanged());
}

// Random histories of two computers: add tasks (often the same ones), delete,
// edit, block and unblock them.
class TaskHistory {
 public:
  explicit TaskHistory(unsigned seed) : random_(seed) {}

  Tasks Base() {
    Tasks base;
    for (int n = Between(0, 8); n > 0; --n) base.push_back(Made());
    return base;
  }
  Tasks Replica(Tasks tasks) {
    for (int edits = Between(0, 5); edits > 0; --edits) {
      const int what = Between(0, 3);
      if (what == 0 || tasks.empty()) {
        tasks.push_back(Made());
        continue;
      }
      TaskRecord& task = tasks[static_cast<std::size_t>(Between(0, static_cast<int>(tasks.size()) - 1))];
      if (what == 1) tasks.erase(tasks.begin() + (&task - tasks.data()));
      else if (what == 2) task.active ^= 1;
      else task.name.Assign(task.name.Str() + "'");
    }
    return tasks;
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  TaskRecord Made() {
    TaskRecord task = Task(std::string(1, static_cast<char>('a' + Between(0, 9))));
    task.kind = static_cast<std::uint8_t>(Between(0, 1));
    return task;
  }
  std::mt19937 random_;
};

// How many tasks of each identity, and how many of them are active.
struct Census {
  std::map<std::string, int> count, active;
  explicit Census(const Tasks& tasks) {
    for (const TaskRecord& task : tasks) {
      ++count[TaskIdentity(task)];
      active[TaskIdentity(task)] += task.active ? 1 : 0;
    }
  }
  int Of(const std::string& identity) const { return count.count(identity) ? count.at(identity) : 0; }
  int ActiveOf(const std::string& identity) const { return active.count(identity) ? active.at(identity) : 0; }
  bool SameAs(const Census& other, const std::string& identity) const {
    return Of(identity) == other.Of(identity) && ActiveOf(identity) == other.ActiveOf(identity);
  }
};

Tasks Used(const Tmassiv& store) {
  Tasks used;
  for (int slot = 0; slot < kTaskSlotCount; ++slot)
    if (store.Task(slot).in_use) used.push_back(store.Task(slot));
  return used;
}

TEST_F(TaskMergeTest, HistoriesLoseNothingMadeAndMergeOnce) {
  for (int seed = 0; seed < 2000; ++seed) {
    SCOPED_TRACE("history " + std::to_string(seed));
    TaskHistory history(static_cast<unsigned>(seed));
    const Tasks base = history.Base(), ours = history.Replica(base), theirs = history.Replica(base);
    store->ResetTasks(46000);
    Have(ours);

    EXPECT_FALSE(Merge(base, base).TableChanged());
    EXPECT_EQ(ImageOfRecords<TaskRecord>(Used(*store)), Image(ours));
    Merge(base, theirs);
    const Tasks merged = Used(*store);
    EXPECT_FALSE(Merge(base, theirs).TableChanged());

    const Census b(base), o(ours), t(theirs), r(merged);
    for (const Census* side : {&o, &t}) {
      const Census& other = side == &o ? t : o;
      for (const auto& [identity, n] : side->count) {
        if (n > b.Of(identity)) {
          EXPECT_GE(r.Of(identity), 1) << "a task made on one side is lost";
        }
        // One task, blocked or unblocked on one side only: that side's state.
        const bool one = n == 1 && b.Of(identity) == 1 && other.Of(identity) == 1;
        if (one && !side->SameAs(b, identity) && other.SameAs(b, identity)) {
          EXPECT_TRUE(r.SameAs(*side, identity)) << "a change of state is lost";
        }
      }
      for (const auto& [identity, n] : b.count)
        if (side->Of(identity) == 0 && other.SameAs(b, identity)) {
          EXPECT_EQ(r.Of(identity), 0) << "a deleted task stayed";
        }
    }
    if (HasFailure()) return;
  }
}

}  // namespace
