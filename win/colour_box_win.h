#pragma once
// TColorBox: a small button-like swatch of one colour. A click, Space or
// Enter opens the system's colour chooser; when the user picks another
// colour the box shows it and tells its parent with WM_COMMAND,
// MAKEWPARAM(box id, kColourBoxChanged), lParam the box. A disabled box
// has a flat grey edge and takes no clicks.

#include <windows.h>

inline constexpr wchar_t kColourBoxClass[] = L"TColorBox";
inline constexpr WORD kColourBoxChanged = 0x4002;

void RegisterColourBoxClass();

// Shows the colour; the parent is not told.
void SetBoxColour(HWND box, COLORREF colour);
COLORREF BoxColour(HWND box);
