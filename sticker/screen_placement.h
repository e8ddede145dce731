#pragma once
// Keeping stickers where the user can see them on a desktop of one or more
// monitors. Each monitor has its bounds and its work area (the bounds less
// the task bar), in virtual-screen coordinates: a monitor left of the
// primary one has negative x.

#include <optional>
#include <vector>

#include "sticker/sticker_geometry.h"

struct Monitor {
  ScreenRect bounds, work;
};

// A window is on screen while at least this many pixels of it (at 100 %,
// more at the window's scale), across and down, lie inside the work area of
// one monitor.
inline constexpr int kOnScreenSquare = 24;

bool IsOnScreen(const std::vector<Monitor>& monitors, const ScreenRect& window, const DisplayScale& scale = {});
// The monitor the window overlaps most; when it overlaps none, the one
// nearest to it. `monitors` is never empty.
const Monitor& NearestMonitor(const std::vector<Monitor>& monitors, const ScreenRect& window);
// Where the off-screen check moves a window: nothing while it is on screen,
// otherwise the centre of the nearest monitor's work area.
std::optional<ScreenPoint> OffScreenPlacement(const std::vector<Monitor>& monitors, const ScreenRect& window,
                                              const DisplayScale& scale = {});
// Where a window that lies wholly outside every monitor goes (a monitor that
// is no longer connected, say): the centre of the nearest work area; nothing
// while any of it lies on some monitor.
std::optional<ScreenPoint> StrandedPlacement(const std::vector<Monitor>& monitors, const ScreenRect& window);
