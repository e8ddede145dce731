#pragma once
// What the system says about display scales. The calls that tell a
// monitor's or a window's own scale came with later systems; they are looked
// up at run time, and an older system is answered with its one scale.

#include <windows.h>

#include "pixels/display_scale.h"

// The scale the system gives programs that are not DPI-aware; stored places
// convert with it.
DisplayScale SystemScale();
// The scale of the monitor that holds the point, or is nearest to it.
DisplayScale MonitorScaleAt(POINT at);
// The scale the window is drawn at.
DisplayScale WindowScale(HWND window);
// The size of a small icon (the tray's, a menu picture's) at that scale.
int SmallIconSize(const DisplayScale& scale);
// The menu font of that scale, as the system draws menus with it.
LOGFONTW MenuFontAt(const DisplayScale& scale);
// The message font (the font dialogs show text in) of that scale: the same
// points, more pixels.
LOGFONTW MessageFontAt(const DisplayScale& scale);
// The outer size of a window with this client size, frame, caption and menu
// bar at that scale.
SIZE FrameSizeAt(SIZE client, DWORD style, DWORD exStyle, bool menu, const DisplayScale& scale);
