#include "store/scaled_skins.h"

const SkinBitmaps& ScaledSkins::At(int dpi) const {
  const auto kept = sets_.find(dpi);
  if (kept != sets_.end()) return kept->second;
  SkinBitmaps& made = sets_[dpi];
  if (loader_) loader_(dpi, made);
  return made;
}
