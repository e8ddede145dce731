#pragma once
// Where base.db, plan.db, the patterns and the default settings keep places
// and sizes: in the pixels a program that is not DPI-aware sees, 100 %, as
// every older file holds them. A file so moves between computers of any
// scale and each sticker keeps its place and its size. Places convert with
// the system scale (the one the system gives such programs, the same for
// every monitor); sizes with the scale of the monitor the sticker is on.
//
// A place that went to the file and back comes back as it was, and a place
// the user chose comes back within a pixel: a sticker never creeps.

#include "pixels/display_scale.h"
#include "sticker/sticker_geometry.h"

struct StoredBounds {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const StoredBounds&) const = default;
};

class StoredUnits {
 public:
  StoredUnits(DisplayScale system, DisplayScale monitor) : system_(system), monitor_(monitor) {}

  ScreenPoint ScreenPlace(int storedLeft, int storedTop) const;
  ScreenPoint StoredPlace(ScreenPoint screen) const;
  // A window's rectangle on the screen as the files keep it.
  StoredBounds Stored(const ScreenRect& window) const;

 private:
  DisplayScale system_;
  DisplayScale monitor_;
};
