#include "pixels/picture_scale.h"

#include "pixels/display_scale.h"

int SetPercent(PictureSet set) {
  switch (set) {
    case PictureSet::k150:
      return 150;
    case PictureSet::k200:
      return 200;
    default:
      return 100;
  }
}

int SetDpi(PictureSet set) { return kDefaultDpi * SetPercent(set) / 100; }

PictureScale PictureScaleForDpi(int dpi) {
  if (dpi < 1) dpi = kDefaultDpi;
  PictureSet chosen = PictureSet::k200;
  for (PictureSet set : kPictureSets)
    if (dpi <= SetDpi(set)) {
      chosen = set;
      break;
    }
  return {chosen, static_cast<double>(dpi) / SetDpi(chosen)};
}

int ScaleToDpi(int length, int dpi) { return MulDivRounded(length, dpi, kDefaultDpi); }

std::string ScaledResourceName(std::string_view name, PictureSet set) {
  std::string scaled(name);
  if (set != PictureSet::k100) scaled += "_" + std::to_string(SetPercent(set));
  return scaled;
}
