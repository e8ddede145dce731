#include <gtest/gtest.h>

#include "pixels/panel_colours.h"

namespace {

TEST(PanelColours, DarkenedStopsAtZeroPerComponent) {
  struct Case { Colour colour; int amount; Colour expected; };
  const Case cases[] = {
      {MakeColour(240, 240, 240), 60, MakeColour(180, 180, 180)},
      {MakeColour(30, 60, 200), 60, MakeColour(0, 0, 140)},  // red floors, green lands on 0
      {MakeColour(0, 0, 0), 60, MakeColour(0, 0, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(Darkened(c.colour, c.amount), c.expected) << std::hex << c.colour;
}

TEST(PanelColours, LightenedMovesEachComponentTowardsWhiteRoundingDown) {
  struct Case { Colour colour; int percent; Colour expected; };
  const Case cases[] = {
      {MakeColour(240, 240, 240), 60, MakeColour(249, 249, 249)},  // 240 + 15 * 60 / 100 = 249
      {MakeColour(0, 100, 255), 60, MakeColour(153, 193, 255)},
      {MakeColour(240, 240, 240), 80, MakeColour(252, 252, 252)},
      {MakeColour(0, 100, 255), 80, MakeColour(204, 224, 255)},
      {MakeColour(10, 20, 30), 0, MakeColour(10, 20, 30)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Lightened(c.colour, c.percent), c.expected) << std::hex << c.colour << std::dec << " " << c.percent;
}

TEST(PanelColours, GradientRunsFromTopRowToBottomRowLinearly) {
  const Colour face = MakeColour(212, 208, 200);
  const Colour top = Darkened(face, 60), bottom = Lightened(face, 60);
  for (int rows : {2, 3, 24, 40}) {
    EXPECT_EQ(GradientRow(top, bottom, 0, rows), top) << rows;
    EXPECT_EQ(GradientRow(top, bottom, rows - 1, rows), bottom) << rows;
  }
  EXPECT_EQ(GradientRow(top, bottom, 0, 1), top);  // a bar one row high
  // Halfway down 3 rows: each component halfway, whichever way it runs.
  EXPECT_EQ(GradientRow(MakeColour(0, 200, 100), MakeColour(100, 0, 100), 1, 3), MakeColour(50, 100, 100));
  for (int row = 1; row < 24; ++row)
    EXPECT_GE(RedOf(GradientRow(top, bottom, row, 24)), RedOf(GradientRow(top, bottom, row - 1, 24))) << row;
}

}  // namespace
