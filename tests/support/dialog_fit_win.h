#pragma once
// Checks on a dialog laid out at a display scale: every control lies inside
// the dialog and its text fits, measured with the control's own font.

#include <windows.h>

#include <string>
#include <vector>

// What a move from a monitor at `from` to one at `to` sends: the new scale
// and a frame around the client area grown in proportion, at the same top
// left corner.
void MoveToDpi(HWND dialog, int from, int to);

// The controls (their class and text) that show and stick out of the
// dialog's client area, or whose text needs more room than they have.
std::vector<std::wstring> ControlsThatDoNotFit(HWND dialog);

// A window's rectangle in the client coordinates of `dialog`.
RECT RectIn(HWND dialog, HWND window);
