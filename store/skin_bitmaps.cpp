#include "store/skin_bitmaps.h"

namespace {

constexpr std::array<std::string_view, kSkinBitmapCount> kNames = {
    "BITMAP_DARKGLASS", "BITMAP_GRAY", "BITMAP_GRAYMASK", "BITMAP_INNER", "BITMAP_INNERMASK",
    "BITMAP_MASKGLASS", "BITMAP_SILVERGLASS", "BITMAP_MASKGLASSL", "BITMAP_GLASS", "BITMAP_POINT_ON",
    "BITMAP_POINT_OFF", "BITMAP_FLAT", "BITMAP_FLATSMASK", "BITMAP_WIND", "BITMAP_WINDMASK",
    "BITMAP_TUB", "BITMAP_TUBMASK", "BITMAP_AERO", "BITMAP_AEROMASK", "BITMAP_RAMA",
    "BITMAP_RAMA_MASK", "BITMAP_LIST", "BITMAP_LIST_MASK", "BITMAP_ICOAERO", "BITMAP_ICOAEROMASK",
    "BITMAP_ICOAERO2", "BITMAP_ICOAERO2MASK", "BITMAP_ICOAERO_FULL", "BITMAP_ICOAERO_FULLMASK", "BITMAP_ICOINNER",
    "BITMAP_ICOINNERMASK", "BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK", "BITMAP_ICEWHITE", "BITMAP_ICEWHITEMASK",
    // The pop-up buttons, with alpha.
    "BITMAP_EDIT_PIN", "BITMAP_CLOSE_PIN", "BITMAP_DUP_PIN", "BITMAP_UP_PIN", "BITMAP_DOWN_PIN",
    "BITMAP_TEXT_PIN",
};

int IndexOf(std::string_view name) {
  for (int i = 0; i < kSkinBitmapCount; ++i)
    if (kNames[static_cast<std::size_t>(i)] == name) return i;
  return -1;
}

}  // namespace

std::span<const std::string_view, kSkinBitmapCount> SkinBitmapNames() { return kNames; }

const Picture24* SkinBitmaps::Find24(std::string_view name) const {
  const int i = IndexOf(name);
  return i >= 0 && i < kSkinBitmap24Count ? &pictures24_[static_cast<std::size_t>(i)] : nullptr;
}

const Picture32* SkinBitmaps::Find32(std::string_view name) const {
  const int i = IndexOf(name);
  return i >= kSkinBitmap24Count ? &pictures32_[static_cast<std::size_t>(i - kSkinBitmap24Count)] : nullptr;
}
