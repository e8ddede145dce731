#include "support/sticker_artwork_win.h"

#include "store/skin_bitmaps_win.h"
#include "support/program_run_win.h"

const BuiltArtwork& BuiltArtwork::Get() {
  static const BuiltArtwork artwork;
  return artwork;
}

BuiltArtwork::BuiltArtwork()
    : module_(LoadLibraryExW((BuiltProgramFolder() + L"Quillory.exe").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
  if (!module_) return;
  SkinBitmaps first;
  loaded_ = LoadSkinBitmaps(first, kDefaultDpi, module_).empty();
  skins_ = ScaledSkins(SkinLoader(module_));
  skins_.Put(kDefaultDpi, std::move(first));
}
