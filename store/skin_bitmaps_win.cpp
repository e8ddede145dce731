#include "store/skin_bitmaps_win.h"

#include "pixels/bmp_reader.h"

std::vector<SkinLoadFailure> LoadSkinBitmaps(SkinBitmaps& skins, int dpi, HMODULE module) {
  std::vector<SkinLoadFailure> failures;
  const auto names = SkinBitmapNames();
  for (int i = 0; i < kSkinBitmapCount; ++i) {
    const std::wstring name(names[static_cast<std::size_t>(i)].begin(), names[static_cast<std::size_t>(i)].end());
    ResourceBitmap loaded = LoadScaledPicture(name, dpi, module);
    if (loaded.status != ResourceLoadStatus::kOk) {
      failures.push_back({name, loaded.status});
      continue;
    }
    if (i < kSkinBitmap24Count)
      skins.Picture24At(i) = ToPicture24(loaded.picture);
    else
      skins.Picture32At(i) = std::move(loaded.picture);
  }
  return failures;
}

ScaledSkins::Loader SkinLoader(HMODULE module) {
  return [module](int dpi, SkinBitmaps& skins) { static_cast<void>(LoadSkinBitmaps(skins, dpi, module)); };
}
