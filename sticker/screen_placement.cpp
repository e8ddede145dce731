#include "sticker/screen_placement.h"

#include <algorithm>
#include <cstdint>

namespace {

struct Overlap {
  int width, height;
};

Overlap OverlapOf(const ScreenRect& a, const ScreenRect& b) {
  return {std::max(0, std::min(a.right, b.right) - std::max(a.left, b.left)),
          std::max(0, std::min(a.bottom, b.bottom) - std::max(a.top, b.top))};
}

std::int64_t Area(Overlap o) { return static_cast<std::int64_t>(o.width) * o.height; }

// How far apart two rectangles are, as the sum of the squared gaps across
// and down (0 when they touch or overlap).
std::int64_t SquaredGap(const ScreenRect& a, const ScreenRect& b) {
  const std::int64_t across = std::max({0, b.left - a.right, a.left - b.right});
  const std::int64_t down = std::max({0, b.top - a.bottom, a.top - b.bottom});
  return across * across + down * down;
}

ScreenPoint CentredIn(const ScreenRect& work, const ScreenRect& window) {
  return CentredPosition(work, window.right - window.left, window.bottom - window.top);
}

}  // namespace

bool IsOnScreen(const std::vector<Monitor>& monitors, const ScreenRect& window, const DisplayScale& scale) {
  const int square = scale.Px(kOnScreenSquare);
  return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
    const Overlap o = OverlapOf(m.work, window);
    return o.width >= square && o.height >= square;
  });
}

const Monitor& NearestMonitor(const std::vector<Monitor>& monitors, const ScreenRect& window) {
  const auto most = std::max_element(monitors.begin(), monitors.end(), [&](const Monitor& a, const Monitor& b) {
    return Area(OverlapOf(a.bounds, window)) < Area(OverlapOf(b.bounds, window));
  });
  if (Area(OverlapOf(most->bounds, window)) > 0) return *most;
  return *std::min_element(monitors.begin(), monitors.end(), [&](const Monitor& a, const Monitor& b) {
    return SquaredGap(a.bounds, window) < SquaredGap(b.bounds, window);
  });
}

std::optional<ScreenPoint> OffScreenPlacement(const std::vector<Monitor>& monitors, const ScreenRect& window,
                                              const DisplayScale& scale) {
  if (monitors.empty() || IsOnScreen(monitors, window, scale)) return std::nullopt;
  return CentredIn(NearestMonitor(monitors, window).work, window);
}

std::optional<ScreenPoint> StrandedPlacement(const std::vector<Monitor>& monitors, const ScreenRect& window) {
  const bool somewhereShown = std::any_of(monitors.begin(), monitors.end(),
                                          [&](const Monitor& m) { return Area(OverlapOf(m.bounds, window)) > 0; });
  if (monitors.empty() || somewhereShown) return std::nullopt;
  return CentredIn(NearestMonitor(monitors, window).work, window);
}
