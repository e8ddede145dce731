#include "manager/reminder_cascade.h"

#include <algorithm>

int FirstFreePlace(std::span<const int> taken) {
  int place = 0;
  while (std::find(taken.begin(), taken.end(), place) != taken.end()) ++place;
  return place;
}

CascadeOffset PlaceOffset(int place, int step) {
  const int inRun = place % kCascadeLength, run = place / kCascadeLength;
  return {inRun * step + run * step / 2, inRun * step};
}
