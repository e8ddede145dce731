// Where reminders stand when several are open at once.

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "manager/reminder_cascade.h"

namespace {

TEST(ReminderCascade, ANewReminderTakesTheLowestPlaceNoOpenOneHolds) {
  const struct {
    std::vector<int> taken;
    int expected;
  } cases[] = {
      {{}, 0},
      {{0}, 1},
      {{0, 1, 2}, 3},
      {{1, 2}, 0},     // the first one was closed: its place comes back
      {{0, 2, 3}, 1},  // so does a place in the middle
      {{3, 1, 0}, 2},  // whatever order they opened in
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.taken));
    EXPECT_EQ(FirstFreePlace(c.taken), c.expected);
  }
}

TEST(ReminderCascade, EachPlaceLiesDownAndRightOfTheOneBeforeAndNoTwoCoincide) {
  constexpr int kStep = 23;
  EXPECT_EQ(PlaceOffset(0, kStep), (CascadeOffset{0, 0}));
  EXPECT_EQ(PlaceOffset(1, kStep), (CascadeOffset{kStep, kStep}));
  std::set<std::pair<int, int>> seen;
  for (int place = 0; place < 5 * kCascadeLength; ++place) {
    const CascadeOffset at = PlaceOffset(place, kStep);
    EXPECT_TRUE(seen.insert({at.x, at.y}).second) << "place " << place;
    EXPECT_LE(at.y, (kCascadeLength - 1) * kStep) << "place " << place;  // a run stays within its height
  }
}

}  // namespace
