#include <gtest/gtest.h>

#include <vector>

#include "app/key_assignments.h"
#include "hook/key_watch.h"

namespace {

using namespace key_watch;

constexpr unsigned kShift = 0x10, kPlus = 0xBB, kBack = 0xA6, kMail = 0xB4, kWin = 0x5B, kFive = 0x35;

struct Event {
  unsigned message, vk;
};

// The notices of a run of events, and whether the last one was swallowed.
struct Outcome {
  std::vector<int> notices;
  bool lastSwallowed = false;
};

Outcome Feed(State& state, std::initializer_list<Event> events) {
  Outcome run;
  for (const Event& e : events) {
    const Reaction r = React(state, e.message, e.vk);
    for (int i = 0; i < r.noticeCount; ++i) run.notices.push_back(r.notices[static_cast<std::size_t>(i)]);
    run.lastSwallowed = r.swallow;
  }
  return run;
}

TEST(KeyWatch, WinThenPlusOrADigitIsNoticedAndOnlyThePlusTableEntrySwallows) {
  struct Case {
    const char* what;
    std::initializer_list<Event> events;
    std::vector<int> notices;
    bool swallowed;
  };
  const Case cases[] = {
      {"Win, +", {{kKeyDown, kWin}, {kKeyDown, kPlus}}, {201}, true},
      {"+ alone", {{kKeyDown, kPlus}}, {}, false},
      {"Win, Shift, +", {{kKeyDown, kWin}, {kKeyDown, kShift}, {kKeyDown, kPlus}}, {}, false},
      {"Win released", {{kKeyDown, kWin}, {kKeyUp, kWin}, {kKeyDown, kPlus}}, {}, false},
      {"Alt key-up counts as a press", {{kSysKeyUp, kWin}, {kSysKeyDown, kPlus}}, {201}, true},
      {"Win+5 is never swallowed", {{kKeyDown, kWin}, {kKeyDown, kFive}}, {215}, false},
      {"a second + needs Win again", {{kKeyDown, kWin}, {kKeyDown, kPlus}, {kKeyDown, kPlus}}, {201}, false},
      {"other messages", {{0x0200, kWin}, {0x0200, kPlus}}, {}, false},
  };
  for (const Case& c : cases) {
    State state;
    state.swallow[kPlusEntry] = 1;
    const Outcome run = Feed(state, c.events);
    EXPECT_EQ(run.notices, c.notices) << c.what;
    EXPECT_EQ(run.lastSwallowed, c.swallowed) << c.what;
  }
}

TEST(KeyWatch, MediaKeysAreNoticedAlwaysAndSwallowedOnlyWhenTheirEntryIsSet) {
  State state;
  Outcome run = Feed(state, {{kKeyDown, kBack}});
  EXPECT_EQ(run.notices, std::vector<int>{203});
  EXPECT_FALSE(run.lastSwallowed);
  state.swallow[2] = 1;
  run = Feed(state, {{kKeyDown, kBack}, {kKeyDown, kMail}});
  EXPECT_EQ(run.notices, (std::vector<int>{203, 206}));
  EXPECT_FALSE(run.lastSwallowed);  // Mail's entry 5 is clear
  EXPECT_TRUE(Feed(state, {{kKeyDown, kBack}}).lastSwallowed);
}

TEST(KeyAssignments, IndexRulesAndTheTableForTheLibrary) {
  TChordix keys;
  EXPECT_EQ(keys.GetCreate(), kNoKey);
  keys.SetCreate(6);
  EXPECT_EQ(keys.GetCreate(), 6);
  keys.SetCreate(9);  // out of range: the first key
  EXPECT_EQ(keys.GetCreate(), 0);
  keys.SetCreate(-7);
  EXPECT_EQ(keys.GetCreate(), 0);
  keys.SetManager(2);
  keys.SetCreate(kNoKey);
  EXPECT_EQ(keys.GetCreate(), kNoKey);
  EXPECT_EQ(keys.GetManager(), 2);
  keys.SetCreate(2);
  const std::array<std::uint8_t, 8> table{0, 0, 1, 0, 0, 0, 0, 0};
  EXPECT_EQ(keys.LibraryTable(), table);
}

TEST(KeyAssignments, MenuTagsAndNotices) {
  const int indexOfTag[] = {kNoKey, 0, 1, 2, 3, 4, 6};
  for (int tag = 0; tag < kHotKeyMenuItems; ++tag) {
    EXPECT_EQ(KeyIndexOfMenuTag(tag), indexOfTag[tag]);
    EXPECT_EQ(MenuTagOfKeyIndex(indexOfTag[tag]), tag);
  }
  EXPECT_EQ(MenuTagOfKeyIndex(5), std::nullopt);  // Mail is not offered
  EXPECT_EQ(KeyIndexOfNotice(201), 0);
  EXPECT_EQ(KeyIndexOfNotice(207), 6);
  EXPECT_EQ(KeyIndexOfNotice(200), std::nullopt);
  EXPECT_EQ(KeyIndexOfNotice(215), std::nullopt);
}

}  // namespace
