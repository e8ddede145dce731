#pragma once
// A picture strip and its "MASK" partner from the program's resources, added
// to an image list as one strip with its mask: the list cuts it into images
// of its own width (the language flags: 25 x 15).

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "store/resource_bitmap_win.h"

// Both pictures are those for the DPI (see LoadScaledPicture); the list's
// images must have the cell size at that DPI. Returns the status of the
// first of the two pictures that failed, or kOk.
[[nodiscard]] ResourceLoadStatus LoadResourceImagePair(const std::wstring& name, HIMAGELIST list, int dpi,
                                                       HMODULE module = nullptr);
