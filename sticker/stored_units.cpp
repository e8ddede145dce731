#include "sticker/stored_units.h"

ScreenPoint StoredUnits::ScreenPlace(int storedLeft, int storedTop) const {
  return {system_.Px(storedLeft), system_.Px(storedTop)};
}

ScreenPoint StoredUnits::StoredPlace(ScreenPoint screen) const {
  return {system_.Unscaled(screen.x), system_.Unscaled(screen.y)};
}

StoredBounds StoredUnits::Stored(const ScreenRect& window) const {
  const ScreenPoint place = StoredPlace({window.left, window.top});
  return {place.x, place.y, monitor_.Unscaled(window.right - window.left), monitor_.Unscaled(window.bottom - window.top)};
}
