#include "store/resource_table.h"

#include "pixels/picture_scale.h"

namespace {

constexpr ResourceEntry kResources[] = {
    // Built-in icons 1..34, 32 bits with alpha.
    {"BITMAP_0", 48, 48, 32}, {"BITMAP_1", 32, 32, 32}, {"BITMAP_2", 32, 32, 32}, {"BITMAP_3", 24, 24, 32},
    {"BITMAP_4", 48, 48, 32}, {"BITMAP_5", 20, 20, 32}, {"BITMAP_6", 24, 24, 32}, {"BITMAP_7", 32, 32, 32},
    {"BITMAP_8", 40, 40, 32}, {"BITMAP_9", 48, 48, 32}, {"BITMAP_10", 32, 32, 32}, {"BITMAP_11", 24, 24, 32},
    {"BITMAP_12", 48, 48, 32}, {"BITMAP_13", 32, 32, 32}, {"BITMAP_14", 40, 40, 32}, {"BITMAP_15", 48, 48, 32},
    {"BITMAP_16", 20, 20, 32}, {"BITMAP_17", 32, 32, 32}, {"BITMAP_18", 48, 48, 32}, {"BITMAP_19", 24, 24, 32},
    {"BITMAP_20", 32, 32, 32}, {"BITMAP_21", 40, 40, 32}, {"BITMAP_22", 48, 48, 32}, {"BITMAP_23", 32, 32, 32},
    {"BITMAP_24", 56, 56, 32}, {"BITMAP_25", 32, 32, 32}, {"BITMAP_26", 48, 48, 32}, {"BITMAP_27", 64, 64, 32},
    {"BITMAP_28", 32, 32, 32}, {"BITMAP_29", 48, 48, 32}, {"BITMAP_30", 43, 42, 32}, {"BITMAP_31", 48, 45, 32},
    {"BITMAP_32", 44, 43, 32}, {"BITMAP_33", 72, 72, 32},
    // Skin templates and masks.
    {"BITMAP_AERO", 239, 141, 24}, {"BITMAP_DARKGLASS", 239, 141, 24}, {"BITMAP_FLAT", 239, 141, 24},
    {"BITMAP_GLASS", 239, 141, 24}, {"BITMAP_GRAY", 239, 141, 24}, {"BITMAP_INNER", 239, 141, 24},
    {"BITMAP_LIST", 239, 141, 24}, {"BITMAP_RAMA", 239, 141, 24}, {"BITMAP_SILVERGLASS", 239, 141, 24},
    {"BITMAP_TUB", 239, 141, 24},
    {"BITMAP_AEROMASK", 239, 141, 24}, {"BITMAP_FLATSMASK", 239, 141, 24}, {"BITMAP_LIST_MASK", 239, 141, 24},
    {"BITMAP_RAMA_MASK", 239, 141, 24}, {"BITMAP_TUBMASK", 239, 141, 24}, {"BITMAP_MASKGLASSL", 239, 141, 24},
    {"BITMAP_GRAYMASK", 239, 141, 8}, {"BITMAP_INNERMASK", 239, 141, 8}, {"BITMAP_MASKGLASS", 239, 141, 8},
    {"BITMAP_WIND", 238, 235, 24}, {"BITMAP_WINDMASK", 238, 235, 24},
    {"BITMAP_ICOAERO", 63, 63, 24}, {"BITMAP_ICOAEROMASK", 63, 63, 24},
    {"BITMAP_ICOAERO2", 40, 39, 24}, {"BITMAP_ICOAERO2MASK", 40, 39, 24},
    {"BITMAP_ICOAERO_FULL", 84, 47, 24}, {"BITMAP_ICOAERO_FULLMASK", 84, 47, 24},
    {"BITMAP_ICOFLAT", 48, 48, 24}, {"BITMAP_ICOFLATMASK", 48, 48, 24},
    {"BITMAP_ICEWHITE", 48, 48, 24}, {"BITMAP_ICEWHITEMASK", 48, 48, 24},
    {"BITMAP_ICOINNER", 86, 88, 24}, {"BITMAP_ICOINNERMASK", 86, 88, 24},
    // Pop-up buttons and the pin.
    {"BITMAP_CLOSE_PIN", 17, 17, 32}, {"BITMAP_DOWN_PIN", 17, 17, 32}, {"BITMAP_DUP_PIN", 17, 17, 32},
    {"BITMAP_EDIT_PIN", 17, 17, 32}, {"BITMAP_UP_PIN", 17, 17, 32}, {"BITMAP_TEXT_PIN", 19, 17, 32},
    {"BITMAP_POINT_ON", 12, 12, 24, 0, true}, {"BITMAP_POINT_OFF", 12, 12, 24, 0, true},
    // Language flags, glyphs, alignment buttons, About window.
    {"BITMAP_FLAGS", 5750, 15, 8, 25}, {"BITMAP_FLAGSMASK", 5775, 15, 1, 25},
    {"BITMAPS", 448, 16, 24, 16, true},
    {"BUTTON_L", 16, 16, 24, 0, true}, {"BUTTON_C", 16, 16, 24, 0, true}, {"BUTTON_R", 16, 16, 24, 0, true},
    {"BUTTON_CLOSE_N", 59, 34, 32}, {"BUTTON_CLOSE_L", 59, 34, 32}, {"BUTTON_CLOSE_D", 59, 34, 32},
    {"BITMAP_ABOUTFORM", 342, 224, 32},
};

}  // namespace

std::span<const ResourceEntry> ResourceTable() { return kResources; }

const ResourceEntry* FindResourceEntry(std::string_view name) {
  for (const ResourceEntry& entry : kResources)
    if (name == entry.name) return &entry;
  return nullptr;
}

PictureSize ScaledPictureSize(const ResourceEntry& entry, int dpi) {
  const int height = ScaleToDpi(entry.height, dpi);
  if (entry.cellWidth <= 0) return {ScaleToDpi(entry.width, dpi), height};
  return {entry.width / entry.cellWidth * ScaleToDpi(entry.cellWidth, dpi), height};
}
