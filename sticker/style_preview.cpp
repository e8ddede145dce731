#include "sticker/style_preview.h"

#include "pixels/picture_scale.h"
#include "pixels/pixel_routines.h"
#include "pixels/resampler.h"

namespace {

constexpr int kSampleMargin = 16;
constexpr int kTitleWidth = 72, kTitleHeight = 32;
// Lengths at 100 %, scaled to the DPI of the preview.
// The sample frames of the window styles are a little larger than real ones.
constexpr int kClassicMinWidth = 92, kClassicMinHeight = 95;
constexpr int kHzMinWidth = 83, kHzMinHeight = 86;
constexpr int kIconLeft = 16, kHzIconLeft = 31, kIconFrameIconTop = 16;
constexpr int kIconFrameTextLeft = 56, kTextGap = 4;

Pixel32 Opaque(Colour c) {
  return {static_cast<std::uint8_t>(BlueOf(c)), static_cast<std::uint8_t>(GreenOf(c)), static_cast<std::uint8_t>(RedOf(c)), 255};
}

void PaintEmptyFrame(Picture32& picture, PreviewBackground background) {
  const Pixel32 face = Opaque(background.face), outline = Opaque(background.outline);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const bool edge = x == 0 || y == 0 || x == picture.Width() - 1 || y == picture.Height() - 1;
      picture.At(x, y) = edge ? outline : face;
    }
}

void PreviewTemplateStyle(Picture32& picture, const SkinStyle& entry, Colour colour, const SkinLookup& skins, int dpi) {
  const Picture24* skin = skins(entry.colourName, dpi);
  const Picture24* mask = skins(entry.maskName, dpi);
  if (!skin || !mask || skin->Width() == 0 || skin->Height() == 0) return;
  const int margin = ScaleToDpi(kSampleMargin, dpi);
  int width = picture.Width() - margin;
  int height = width * skin->Height() / skin->Width();
  if (height > picture.Height() - margin) {
    height = picture.Height() - margin;
    width = height * skin->Width() / skin->Height();
  }
  if (width <= 0 || height <= 0) return;
  Picture24 sampleColour(width, height), sampleMask(width, height);
  Resample(skin->View(), sampleColour.View());
  Resample(mask->View(), sampleMask.View());
  Picture32 sample(width, height);
  ColourWithMask(sampleColour.View(), sampleMask.View(), sample.View());
  Tint(sample.View(), colour);
  AlphaBlend(sample.View(), picture.View(), (picture.Width() - width) / 2, (picture.Height() - height) / 2);
}

}  // namespace

std::optional<PreviewText> PreviewStyle(Picture32& picture, int style, Colour colour, const SkinLookup& skins,
                                        const Picture32& icon, PreviewBackground background, int dpi) {
  const auto px = [dpi](int length) { return ScaleToDpi(length, dpi); };
  PaintEmptyFrame(picture, background);
  if (style < 0 || style >= kStyleCount) return std::nullopt;
  const SkinStyle& entry = Style(style);
  if (entry.builder == FrameBuilder::kTemplate) {
    PreviewTemplateStyle(picture, entry, colour, skins, dpi);
    return std::nullopt;
  }
  FrameRequest request;
  request.titleWidth = px(kTitleWidth);
  request.titleHeight = px(kTitleHeight);
  Picture32 frame;
  const Picture24* skin = skins(entry.colourName, dpi);
  const Picture24* mask = skins(entry.maskName, dpi);
  if (!skin || !mask) return std::nullopt;
  if (entry.builder == FrameBuilder::kWindow) {
    WindowMetrics metrics = entry.metrics;
    metrics.minWidth = style == kStyleClassic ? kClassicMinWidth : kHzMinWidth;
    metrics.minHeight = style == kStyleClassic ? kClassicMinHeight : kHzMinHeight;
    frame = BuildWindowFrame({*skin, *mask}, request, metrics, dpi);
  } else {
    frame = BuildIconFrame({*skin, *mask}, request, dpi);
  }
  Tint(frame.View(), colour);
  if (entry.clearFrame) Clear(frame.View());
  const bool window = entry.builder == FrameBuilder::kWindow;
  const int iconLeft = px(style == kStyleHz ? kHzIconLeft : kIconLeft);
  const int iconTop = window ? (frame.Height() - icon.Height()) / 2 : px(kIconFrameIconTop);
  AlphaBlend(icon.View(), frame.View(), iconLeft, iconTop);
  const int frameLeft = (picture.Width() - frame.Width()) / 2, frameTop = (picture.Height() - frame.Height()) / 2;
  AlphaBlend(frame.View(), picture.View(), frameLeft, frameTop);
  const int textLeft = window ? iconLeft + icon.Width() + px(kTextGap) : px(kIconFrameTextLeft);
  return PreviewText{frameLeft + textLeft, frameTop + frame.Height() / 2};
}
