#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "store/task_file.h"
#include "support/sticker_samples.h"

namespace {

class TaskFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();

  TaskRecord Named(const std::string& name, DateTime when = 46000.5) {
    TaskRecord task = NewTask(when);
    task.name.Assign(name);
    return task;
  }
  int Add(const TaskRecord& task) {
    const int slot = store->FirstFreeTaskSlot();
    store->WriteTask(slot, task);
    return slot;
  }
};

// The bytes of plan.db are read by other programs and by older copies of
// this one: the record's image is checked byte by byte, not only by offsets.
TEST_F(TaskFileTest, ARecordLaysItsFieldsAtTheirFileOffsets) {
  TaskRecord task = Named("Ring");
  task.kind = kTaskDaily;
  task.action = kTaskMessageWindow;
  task.auto_block = 1;
  task.auto_delete = 1;
  task.sticker_id = -1;
  task.message.Assign("Hello");
  Add(task);
  const auto image = BuildTaskImage(*store);
  ASSERT_EQ(image.size(), 240u);
  EXPECT_EQ(image[0], 1);  // active
  EXPECT_EQ(image[1], 1);
  EXPECT_EQ(image[2], 4);
  double when = 0;
  std::memcpy(&when, &image[8], 8);
  EXPECT_EQ(when, 46000.5);
  EXPECT_EQ(image[16], 1);
  EXPECT_EQ(image[32], 1);
  EXPECT_EQ(image[36], 0xFF);
  EXPECT_EQ(image[39], 0xFF);
  EXPECT_EQ(image[40], 1);
  EXPECT_EQ(image[41], 4);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[42]), 4), "Ring");
  EXPECT_EQ(image[106], 5);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[107]), 5), "Hello");
}

TEST_F(TaskFileTest, FilesShorterThanARecordLoadNoTaskAndAPartialTailIsIgnored) {
  LoadTaskImage({}, *store);
  EXPECT_EQ(store->CountTasks(), 0);
  const std::vector<std::uint8_t> short_file(239, 1);
  LoadTaskImage(short_file, *store);
  EXPECT_EQ(store->CountTasks(), 0);

  for (int i = 0; i < 3; ++i) Add(Named("t" + std::to_string(i)));
  std::vector<std::uint8_t> image = BuildTaskImage(*store);
  image.resize(241 * 3, 0x55);
  auto loaded = std::make_unique<Tmassiv>();
  LoadTaskImage(image, *loaded);
  EXPECT_EQ(loaded->CountTasks(), 3);
  EXPECT_EQ(loaded->Task(2).name.Str(), "t2");
}

// A record read from the file is in use whatever its byte said, and fills the
// lowest free slot; a full table drops the rest.
TEST_F(TaskFileTest, LoadedTasksFillTheLowestFreeSlotsUpToAFullTable) {
  TaskRecord unused = Named("x");
  unused.in_use = 0;
  std::vector<std::uint8_t> image;
  for (int i = 0; i < kTaskSlotCount + 2; ++i) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&unused);
    image.insert(image.end(), bytes, bytes + kTaskRecordSize);
  }
  Add(Named("kept"));
  LoadTaskImage(image, *store);
  EXPECT_EQ(store->CountTasks(), kTaskSlotCount);
  EXPECT_EQ(store->Task(0).name.Str(), "kept");
  EXPECT_EQ(store->FirstFreeTaskSlot(), -1);
}

TEST_F(TaskFileTest, DeletingTheMiddleOfThreeWritesTwoThatComeBackInSlotsZeroAndOne) {
  for (const char* name : {"first", "middle", "last"}) Add(Named(name));
  store->FreeTask(1);
  EXPECT_EQ(store->UsedTaskSlot(1), 2);  // the second row of the list is the former third task
  const auto image = BuildTaskImage(*store);
  ASSERT_EQ(image.size(), 480u);
  auto loaded = std::make_unique<Tmassiv>();
  LoadTaskImage(image, *loaded);
  EXPECT_EQ(loaded->Task(0).name.Str(), "first");
  EXPECT_EQ(loaded->Task(1).name.Str(), "last");
  EXPECT_EQ(loaded->FirstFreeTaskSlot(), 2);
  EXPECT_EQ(loaded->UsedTaskSlot(2), -1);
}

TEST_F(TaskFileTest, NamesAndMessagesOfFullLengthSurviveAndLongerOnesAreCut) {
  TaskRecord task = Named(std::string(64, 'n'));
  task.message.Assign(std::string(128, 'm'));
  Add(task);
  TaskRecord longer = Named(std::string(70, 'o'));
  longer.message.Assign(std::string(200, 'p'));
  Add(longer);
  auto loaded = std::make_unique<Tmassiv>();
  LoadTaskImage(BuildTaskImage(*store), *loaded);
  EXPECT_EQ(loaded->Task(0).name.Str(), std::string(64, 'n'));
  EXPECT_EQ(loaded->Task(0).message.Str(), std::string(128, 'm'));
  EXPECT_EQ(loaded->Task(1).name.Str(), std::string(64, 'o'));
  EXPECT_EQ(loaded->Task(1).message.Str(), std::string(128, 'p'));
}

TEST_F(TaskFileTest, StartUpResetFreesEverySlotAndAddDefaultsAreActiveAndAttachedToNoSticker) {
  TaskRecord task = Named("old");
  task.due = 1;
  task.auto_block = 1;
  Add(task);
  store->ResetTasks(45000.25);
  EXPECT_EQ(store->CountTasks(), 0);
  EXPECT_EQ(store->Task(0).due, 0);
  EXPECT_EQ(store->Task(0).auto_block, 0);
  EXPECT_EQ(store->Task(0).name.length, 0);
  EXPECT_EQ(store->Task(255).date_time, 45000.25);
  EXPECT_EQ(store->Task(255).follow_up, 45000.25);

  const TaskRecord fresh = NewTask(45001.0);
  EXPECT_EQ(fresh.active, 1);
  EXPECT_EQ(fresh.in_use, 1);
  EXPECT_EQ(fresh.kind, kTaskOnce);
  EXPECT_EQ(fresh.action, kTaskShowSticker);
  EXPECT_EQ(fresh.sticker_id, kNoTaskSticker);
  EXPECT_EQ(fresh.follow_up, 45001.0);
}

}  // namespace
