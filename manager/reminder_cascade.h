#pragma once
// Where reminders stand when several are on screen: each at a place of a
// cascade, down and to the right of the one before, so that none lies exactly
// over another and every caption stays in sight.

#include <span>

struct CascadeOffset {
  int x = 0, y = 0;
  friend bool operator==(const CascadeOffset&, const CascadeOffset&) = default;
};

// Places in one run of the cascade before it starts again from the top.
inline constexpr int kCascadeLength = 8;

// The lowest place that no open reminder holds: a closed one's place is
// taken again before the cascade grows.
int FirstFreePlace(std::span<const int> taken);

// How far place `place` lies from the first: `step` down and right per place;
// each new run starts half a step further right than the one before.
CascadeOffset PlaceOffset(int place, int step);
