#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "manager/task_wizard.h"
#include "support/sticker_samples.h"

namespace {

std::vector<int> Walk(const WizardRoute& route) {
  std::vector<int> pages{0};
  while (!route.last[static_cast<std::size_t>(pages.back())] && pages.size() < 10)
    pages.push_back(NextPage(route, pages.back()));
  return pages;
}

TEST(TaskWizard, TheActionAndTheEventTypeChooseThePages) {
  EXPECT_EQ(Walk(RouteForAction(kTaskShowSticker)), (std::vector<int>{0, 1, 2, 4, 5}));
  EXPECT_EQ(Walk(RouteForAction(kTaskStickerBalloon)), (std::vector<int>{0, 1, 2, 4, 5}));
  EXPECT_EQ(Walk(RouteForAction(kTaskMessageWindow)), (std::vector<int>{0, 1, 2, 3, 4, 6}));
  WizardRoute hourly = RouteForAction(kTaskMessageBalloon);
  SetHourly(hourly, true);
  EXPECT_EQ(Walk(hourly), (std::vector<int>{0, 1, 3, 4, 6}));
  EXPECT_EQ(PreviousPage(hourly, kPageMessage), kPageEvent);
  EXPECT_EQ(PreviousPage(hourly, kPageAction), kPageAction);
  EXPECT_TRUE(IsStickerRoute(RouteForAction(kTaskDeleteSticker)));
  EXPECT_FALSE(IsStickerRoute(hourly));
  // Choosing an action again restores page 2 even for an hourly task.
  EXPECT_EQ(Walk(RouteForAction(kTaskMessageBalloon)), (std::vector<int>{0, 1, 2, 3, 4, 6}));
}

TEST(TaskWizard, TheProposedNameIsTheFirstOneNoTaskHas) {
  EXPECT_EQ(DefaultTaskName({}, L"New Task"), L"New Task");
  EXPECT_EQ(DefaultTaskName({L"New Task", L"New Task (1)", L"new task (2)"}, L"New Task"), L"New Task (2)");
  EXPECT_EQ(DefaultTaskName({L"New Task (1)"}, L"New Task"), L"New Task");
}

TEST(TaskWizard, StickersAreOfferedNumberedWithTheStartOfTheirText) {
  auto store = std::make_unique<Tmassiv>();
  StickerRecord first = MakeSticker(40);
  SetStickerText(first, std::string(40, 'x'));
  store->AddRecord(MakeSticker(30));
  store->AddRecord(first);
  store->DeleteSticker(30);
  store->AddRecord(MakeSticker(50));
  const auto stickers = WizardStickers(*store);
  ASSERT_EQ(stickers.size(), 2u);
  EXPECT_EQ(stickers[0].id, 50);  // the freed slot 0 holds the newest
  EXPECT_EQ(stickers[0].text, "(1) note 50");
  EXPECT_EQ(stickers[1].text, "(2) " + std::string(32, 'x'));
}

TEST(TaskWizard, FinishingWritesTheChoicesIntoTheTask) {
  TaskRecord task = NewTask(46000.25);
  WizardChoices c;
  c.action = kTaskMessageWindow;
  c.chosenTime = true;
  c.daily = true;
  c.timeOfDay = 45000.75;  // 18:00 of some day
  c.date = 46010.3;
  c.autoDelete = true;
  c.namePageName = std::string(70, 'n');
  c.message = "Stand up";
  ApplyWizardChoices(c, task);
  EXPECT_EQ(task.action, kTaskMessageWindow);
  EXPECT_EQ(task.kind, kTaskDaily);
  EXPECT_DOUBLE_EQ(task.date_time, 46010.75);
  EXPECT_DOUBLE_EQ(task.follow_up, 46010.75 + 5.0 / 1440);
  EXPECT_EQ(task.active, 1);
  EXPECT_EQ(task.auto_delete, 1);
  EXPECT_EQ(task.name.Str(), std::string(64, 'n'));
  EXPECT_EQ(task.message.Str(), "Stand up");
  EXPECT_EQ(task.sticker_id, kNoTaskSticker);

  c.chosenTime = false;  // neither event type: the kind stays
  c.stickerRoute = true;
  c.stickerPageName = "On sticker";
  c.stickerId = 77;
  c.blocked = true;
  ApplyWizardChoices(c, task);
  EXPECT_EQ(task.kind, kTaskDaily);
  EXPECT_EQ(task.name.Str(), "On sticker");
  EXPECT_EQ(task.sticker_id, 77);
  EXPECT_EQ(task.active, 0);
}

// Whatever the pages hold, a task of a kind this version does not know is
// written back byte for byte as it came.
TEST(TaskWizard, FinishingLeavesATaskOfAnUnknownKindAsItIs) {
  for (const std::uint8_t kind : {std::uint8_t{3}, std::uint8_t{200}}) {
    TaskRecord task = NewTask(46000.25);
    task.kind = kind;
    task.message.Assign("from a later version");
    const TaskRecord before = task;
    WizardChoices c;
    c.action = kTaskMessageBalloon;
    c.chosenTime = true;
    c.daily = true;
    c.timeOfDay = 45000.75;
    c.message = "changed";
    ApplyWizardChoices(c, task);
    EXPECT_EQ(std::memcmp(&task, &before, sizeof task), 0) << int(kind);
  }
}

}  // namespace
