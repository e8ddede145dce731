#include <gtest/gtest.h>

#include "app/command_line.h"
#include "protocol/messages.h"

namespace {

using Commands = std::vector<InstanceCommand>;

TEST(CommandLine, ArgumentsOfASecondStartBecomeCommandsInOrder) {
  struct Case {
    std::vector<std::string> args;
    Commands expected;
  };
  const Case cases[] = {
      {{}, {{1001, 1001}}},
      {{""}, {{1001, 1001}}},
      {{"hideall", "new"}, {{1002, 1002}, {1004, 1004}}},
      {{"ShowAll"}, {{1003, 1003}}},
      {{"RENEW"}, {{1004, 1004}}},
      {{"--manager"}, {{1006, 1006}}},
      {{"ID=5"}, {}},  // "id=" is case-sensitive, and nothing else matches
      {{"id=12abc3"}, {{123, 1000}}},
      {{"id=abc"}, {}},
      {{"id=99999999999"}, {}},  // does not fit: id 0, nothing sent
      {{"id=5showall"}, {{5, 1000}}},  // the first matching word wins
      {{"nothing", "id=42"}, {{42, 1000}}},
      {{"-autorun", "new"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const EntryPlan plan = PlanProgramEntry(c.args, true);
    EXPECT_EQ(plan.commands, c.expected);
    EXPECT_TRUE(plan.endProcess);
    EXPECT_EQ(plan.startStickerId, 0);
  }
}

TEST(CommandLine, AFirstInstanceRemembersTheStickerToOpen) {
  EntryPlan plan = PlanProgramEntry({"id=7"}, false);
  EXPECT_EQ(plan.startStickerId, 7);
  EXPECT_FALSE(plan.endProcess);
  EXPECT_TRUE(plan.commands.empty());

  plan = PlanProgramEntry({}, false);
  EXPECT_TRUE(plan.commands.empty());  // no running instance to ask for a new sticker
  EXPECT_FALSE(plan.endProcess);

  plan = PlanProgramEntry({"id=7", "id=x"}, false);
  EXPECT_EQ(plan.startStickerId, 0);  // the last "id=" wins, and no digits mean 0
}

TEST(CommandLine, AutorunIsOnlyRecognisedAsTheFirstArgument) {
  EXPECT_TRUE(PlanProgramEntry({"-autorun"}, false).writeAutorun);
  EXPECT_TRUE(PlanProgramEntry({"x-autorunx"}, true).writeAutorun);
  EXPECT_TRUE(PlanProgramEntry({"-autorun"}, true).commands.empty());
  EXPECT_FALSE(PlanProgramEntry({"new", "-autorun"}, false).writeAutorun);
  EXPECT_FALSE(PlanProgramEntry({"-AUTORUN"}, false).writeAutorun);
}

TEST(CommandLine, StickerIdsAreTheDigitsOfTheArgument) {
  EXPECT_EQ(StickerIdFromArgument("id=2147483647"), 2147483647);
  EXPECT_EQ(StickerIdFromArgument("id=2147483648"), 0);
  EXPECT_EQ(StickerIdFromArgument("id=-5"), 5);
  EXPECT_EQ(StickerIdFromArgument("id=0042"), 42);
  EXPECT_EQ(StickerIdFromArgument("id="), 0);
}

}  // namespace
