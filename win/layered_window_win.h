#pragma once
// The hand-off of a finished picture to a layered window.

#include <windows.h>

#include "win/dib_picture_win.h"

// Makes the window layered if it is not yet, sizes it to the picture and hands
// the picture over at the given constant alpha (0..255). The picture's colours
// must already be premultiplied by its alpha, as the system composes them.
// No screen DC is held for it: the system takes the screen's own.
void UpdateLayeredPicture(HWND window, const DibPicture32& premultiplied, int alpha);
