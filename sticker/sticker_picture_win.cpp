#include "sticker/sticker_picture_win.h"

#include "pixels/pixel_routines.h"
#include "sticker/sticker_geometry.h"
#include "store/scaled_skins.h"

namespace {

constexpr Colour kPinKey = 0xFF00FF;
// By button: close, duplicate, edit, collapse (expand while collapsed).
constexpr std::string_view kButtonNames[kPopupButtonCount] = {"BITMAP_CLOSE_PIN", "BITMAP_DUP_PIN", "BITMAP_EDIT_PIN",
                                                              "BITMAP_UP_PIN"};
constexpr std::string_view kExpandButtonName = "BITMAP_DOWN_PIN";

void DrawPin(Picture32& composite, const StickerRecord& record, const ScaledSkins& skins, const DisplayScale& scale,
             bool on) {
  const Picture24* pin = skins.Find24(on ? "BITMAP_POINT_ON" : "BITMAP_POINT_OFF", scale.Dpi());
  if (!pin) return;
  const PinPlace place = PinPosition(record.style, composite.Width(), scale);
  ColourKeyBlit(pin->View(), composite.View(), place.x, place.y, kPinKey);
}

void DrawButtons(Picture32& composite, const StickerRecord& record, const ScaledSkins& skins, const DisplayScale& scale) {
  const bool expanded = record.expanded != 0;
  for (int b = 0; b < kPopupButtonCount; ++b) {
    const std::string_view name = b == kButtonCollapse && !expanded ? kExpandButtonName : kButtonNames[b];
    const Picture32* picture = skins.Find32(name, scale.Dpi());
    if (!picture) continue;
    const Rect area = PopupButtonArea(static_cast<PopupButton>(b), record.style, expanded, composite.Width(),
                                      composite.Height(), scale);
    AlphaBlend(picture->View(), composite.View(), area.left, area.top);
  }
}

}  // namespace

void StickerPicture::Rebuild(const StickerRecord& record, const std::wstring& text, const ContentSources& sources) {
  RebuildSticker(record, text, sources, pictures_);
}

// Pin and buttons go on before the icon: rows the icon adds at the top move
// them down with everything else, as the hit tests expect.
const Picture32& StickerPicture::Compose(const StickerRecord& record, const std::wstring& text,
                                         const ContentSources& sources, const StickerOverlays& overlays) {
  ComposeSticker(record, text, pictures_, composite_);
  if (overlays.pin) DrawPin(composite_, record, *sources.skins, Scale(), overlays.pinOn);
  if (overlays.buttons) DrawButtons(composite_, record, *sources.skins, Scale());
  PlaceIcon(record, pictures_, composite_);
  return composite_;
}
