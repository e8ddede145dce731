#include "sticker/skin_styles.h"

namespace {

constexpr WindowMetrics kNoMetrics{};
constexpr WindowMetrics kClassicMetrics{64, 64, {0, 0, 0, 0}, 18, 15, 10, 16, 11};
constexpr WindowMetrics kHzMetrics{12, 12, {0, 0, 0, 0}, 27, 31, 32, 31, 11};

using B = FrameBuilder;
using V = TemplateVariant;

constexpr std::array<SkinStyle, kStyleCount> kStyles = {{
    {B::kTemplate, "BITMAP_DARKGLASS", "BITMAP_MASKGLASS", 0, V::kStandard, kNoMetrics, false},
    {B::kTemplate, "BITMAP_INNER", "BITMAP_INNERMASK", 1, V::kStandard, kNoMetrics, false},
    {B::kTemplate, "BITMAP_GRAY", "BITMAP_GRAYMASK", 2, V::kFlat, kNoMetrics, false},
    {B::kTemplate, "BITMAP_SILVERGLASS", "BITMAP_MASKGLASS", 3, V::kStandard, kNoMetrics, false},
    {B::kTemplate, "BITMAP_GLASS", "BITMAP_MASKGLASSL", 4, V::kStandard, kNoMetrics, false},
    {B::kTemplate, "BITMAP_FLAT", "BITMAP_FLATSMASK", 5, V::kStandard, kNoMetrics, false},
    {B::kWindow, "BITMAP_WIND", "BITMAP_WINDMASK", 0, V::kStandard, kClassicMetrics, false},
    {B::kTemplate, "BITMAP_TUB", "BITMAP_TUBMASK", 7, V::kNarrow, kNoMetrics, false},
    {B::kTemplate, "BITMAP_AERO", "BITMAP_AEROMASK", 8, V::kStandard, kNoMetrics, false},
    {B::kTemplate, "BITMAP_RAMA", "BITMAP_RAMA_MASK", kModernKind, V::kNotepad, kNoMetrics, false},
    {B::kTemplate, "BITMAP_LIST", "BITMAP_LIST_MASK", kModernKind, V::kNotepad, kNoMetrics, false},
    {B::kIcon, "BITMAP_ICOAERO", "BITMAP_ICOAEROMASK", 11, V::kStandard, kNoMetrics, false},
    {B::kIcon, "BITMAP_ICOAERO2", "BITMAP_ICOAERO2MASK", 11, V::kStandard, kNoMetrics, false},
    {B::kIcon, "BITMAP_ICOAERO_FULL", "BITMAP_ICOAERO_FULLMASK", 11, V::kStandard, kNoMetrics, false},
    {B::kWindow, "BITMAP_ICOINNER", "BITMAP_ICOINNERMASK", 0, V::kStandard, kHzMetrics, false},
    {B::kIcon, "BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK", 11, V::kStandard, kNoMetrics, false},
    {B::kIcon, "BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK", 11, V::kStandard, kNoMetrics, true},
    {B::kIcon, "BITMAP_ICEWHITE", "BITMAP_ICEWHITEMASK", 11, V::kStandard, kNoMetrics, false},
}};

}  // namespace

const SkinStyle& Style(int style) {
  return kStyles[static_cast<std::size_t>(style >= 0 && style < kStyleCount ? style : kDefaultStyle)];
}
