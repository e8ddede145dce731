#include "pixels/panel_colours.h"

namespace {

template <typename Rule>
Colour EachComponent(Colour colour, Rule rule) {
  return MakeColour(rule(RedOf(colour)), rule(GreenOf(colour)), rule(BlueOf(colour)));
}

int Mix(int from, int to, int row, int lastRow) { return from + (to - from) * row / lastRow; }

}  // namespace

Colour Darkened(Colour colour, int amount) {
  return EachComponent(colour, [amount](int c) { return c > amount ? c - amount : 0; });
}

Colour Lightened(Colour colour, int percent) {
  return EachComponent(colour, [percent](int c) { return c + (255 - c) * percent / 100; });
}

Colour GradientRow(Colour top, Colour bottom, int row, int rows) {
  const int lastRow = rows - 1;
  if (lastRow <= 0) return top;
  return MakeColour(Mix(RedOf(top), RedOf(bottom), row, lastRow), Mix(GreenOf(top), GreenOf(bottom), row, lastRow),
                    Mix(BlueOf(top), BlueOf(bottom), row, lastRow));
}
