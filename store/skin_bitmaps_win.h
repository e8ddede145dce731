#pragma once
// Filling SkinBitmaps from the program's "RESS" resources.

#include <windows.h>

#include <string>
#include <vector>

#include "store/resource_bitmap_win.h"
#include "store/skin_bitmaps.h"

struct SkinLoadFailure {
  std::wstring name;
  ResourceLoadStatus status;
};

// Loads every skin picture from the module (the program itself when none is
// given); a picture that fails stays empty and is listed, in load order.
[[nodiscard]] std::vector<SkinLoadFailure> LoadSkinBitmaps(SkinBitmaps& skins, HMODULE module = nullptr);
