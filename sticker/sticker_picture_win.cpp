#include "sticker/sticker_picture_win.h"

#include "sticker/frame_builders.h"
#include "sticker/pixel_routines.h"
#include "sticker/sticker_geometry.h"

namespace {

constexpr Colour kPinKey = 0xFF00FF;
// By button: close, duplicate, edit, collapse (expand while collapsed).
constexpr std::string_view kButtonNames[kPopupButtonCount] = {"BITMAP_CLOSE_PIN", "BITMAP_DUP_PIN", "BITMAP_EDIT_PIN",
                                                              "BITMAP_UP_PIN"};
constexpr std::string_view kExpandButtonName = "BITMAP_DOWN_PIN";

SkinLookup LookupIn(const SkinBitmaps& skins) {
  return [&skins](std::string_view name) { return skins.Find24(name); };
}

void DrawPin(Picture32& composite, const StickerRecord& record, const SkinBitmaps& skins, bool on) {
  const Picture24* pin = skins.Find24(on ? "BITMAP_POINT_ON" : "BITMAP_POINT_OFF");
  if (!pin) return;
  const PinPlace place = PinPosition(record.style, composite.Width());
  ColourKeyBlit(pin->View(), composite.View(), place.x, place.y, kPinKey);
}

void DrawButtons(Picture32& composite, const StickerRecord& record, const SkinBitmaps& skins) {
  const bool expanded = record.expanded != 0;
  for (int b = 0; b < kPopupButtonCount; ++b) {
    const std::string_view name = b == kButtonCollapse && !expanded ? kExpandButtonName : kButtonNames[b];
    const Picture32* picture = skins.Find32(name);
    if (!picture) continue;
    const Rect area = PopupButtonArea(static_cast<PopupButton>(b), record.style, expanded, composite.Width(),
                                      composite.Height());
    AlphaBlend(picture->View(), composite.View(), area.left, area.top);
  }
}

}  // namespace

void StickerPicture::Rebuild(const StickerRecord& record, const std::wstring& text, const StickerArt& art) {
  FrameRequest request;
  request.contentWidth = request.titleWidth = 208;
  request.contentHeight = request.titleHeight = 16 * (1 + static_cast<int>(text.size() / 40));
  request.expanded = record.expanded != 0;
  frame_ = BuildStyleFrame(record.style, LookupIn(*art.skins), request);
}

const Picture32& StickerPicture::Compose(const StickerRecord& record, const std::wstring&, const StickerArt& art,
                                         const StickerOverlays& overlays) {
  CopyWithOffset(frame_.View(), composite_, 0, 0);
  if (record.use_color) Tint(composite_.View(), record.color);
  if (overlays.pin) DrawPin(composite_, record, *art.skins, overlays.pinOn);
  if (overlays.buttons) DrawButtons(composite_, record, *art.skins);
  return composite_;
}
