#pragma once
// Filling SkinBitmaps from the program's "RESS" resources.

#include <windows.h>

#include <string>
#include <vector>

#include "store/resource_bitmap_win.h"
#include "store/scaled_skins.h"
#include "store/skin_bitmaps.h"

struct SkinLoadFailure {
  std::wstring name;
  ResourceLoadStatus status;
};

// Loads every skin picture for the DPI from the module (the program itself
// when none is given); a picture that fails stays empty and is listed, in
// load order.
[[nodiscard]] std::vector<SkinLoadFailure> LoadSkinBitmaps(SkinBitmaps& skins, int dpi, HMODULE module = nullptr);

// Skin pictures for every DPI, loaded from the module as windows ask for
// them. Failures of the sets loaded later are not reported again: the set a
// caller loads first with LoadSkinBitmaps and hands to Put shows them.
ScaledSkins::Loader SkinLoader(HMODULE module = nullptr);
