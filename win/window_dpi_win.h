#pragma once
// The pixels per inch a window is drawn at. Systems that know a window's own
// scale answer through GetDpiForWindow, looked up at run time so that older
// systems still start; they are answered with the screen's one scale.

#include <windows.h>

// The scale the system gives the whole screen (and programs that are not
// DPI-aware).
int SystemDpi();
// The scale of the monitor the window is on.
int WindowDpi(HWND window);
// The outer size of a window with this client size, frame, caption and menu
// bar measured at `dpi`.
SIZE FrameSizeAtDpi(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi);
// The system's message font (the font dialogs show text in) made for `dpi`:
// the same points, more pixels.
LOGFONTW MessageFontAtDpi(int dpi);
