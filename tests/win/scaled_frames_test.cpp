// Every style's frame at 100 % and at 150 %, each built from the pictures
// drawn for its scale and laid out alike, against reference pictures: the
// two sheets side by side show whether the larger one is as sharp.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "pixels/picture_scale.h"
#include "pixels/pixel_routines.h"
#include "pixels/scaled_picture.h"
#include "sticker/frame_builders.h"
#include "sticker/skin_styles.h"
#include "store/scaled_skins.h"
#include "support/golden_picture_win.h"
#include "support/sticker_drawing_win.h"

namespace {

// Lengths at 100 %: the sheet's cells and the content each frame wraps.
constexpr int kColumns = 6, kCellWidth = 250, kCellHeight = 120, kMargin = 10;
constexpr int kContentWidth = 150, kContentHeight = 56;
constexpr int kPinRight = 26, kPinTop = 6, kButtonRight = 22, kButtonTop = 26;
constexpr Colour kPinKey = 0xFF00FF;
constexpr Colour kColours[] = {0x5ACDF0, 0xF0B070, 0x9C8CF0, 0x80E0A0, 0xF0F0F0, 0x6080FF};

Picture32 StyleSheet(int dpi) {
  const auto px = [dpi](int length) { return ScaleToDpi(length, dpi); };
  const ContentSources sources = BuiltArtwork::Get().Sources(nullptr, dpi);
  const SkinLookup lookup = [&](std::string_view name, int at) { return sources.skins->Find24(name, at); };
  Picture32 icon;
  LoadStickerIcon(1, sources, icon);
  Picture32 sheet(px(kCellWidth) * kColumns, px(kCellHeight) * ((kStyleCount + kColumns - 1) / kColumns));
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x)
      sheet.At(x, y) = {static_cast<std::uint8_t>(120 + x * 60 / sheet.Width()), 110, static_cast<std::uint8_t>(70 + y * 60 / sheet.Height()), 255};
  for (int style = 0; style < kStyleCount; ++style) {
    FrameRequest request;
    request.contentWidth = request.titleWidth = px(kContentWidth);
    request.contentHeight = request.titleHeight = px(kContentHeight);
    const bool titleBar = IsTitleBarStyle(style);
    if (titleBar) request.iconWidth = icon.Width(), request.iconHeight = icon.Height();
    Picture32 frame = BuildStyleFrame(style, lookup, request, dpi);
    Tint(frame.View(), kColours[style % std::size(kColours)]);
    if (titleBar) AlphaBlend(icon.View(), frame.View(), px(16), (frame.Height() - icon.Height()) / 2);
    if (const Picture24* pin = sources.skins->Find24("BITMAP_POINT_ON", dpi))
      ColourKeyBlit(pin->View(), frame.View(), frame.Width() - px(kPinRight), px(kPinTop), kPinKey);
    if (const Picture32* close = sources.skins->Find32("BITMAP_CLOSE_PIN", dpi))
      AlphaBlend(close->View(), frame.View(), frame.Width() - px(kButtonRight), px(kButtonTop));
    AlphaBlend(frame.View(), sheet.View(), (style % kColumns) * px(kCellWidth) + px(kMargin),
               (style / kColumns) * px(kCellHeight) + px(kMargin));
  }
  return sheet;
}

TEST(ScaledFrames, EveryStyleAt100And150PercentMatchesItsReference) {
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  for (const auto& [dpi, name] : {std::pair{96, "frames_every_style_100pct"}, std::pair{144, "frames_every_style_150pct"}}) {
    const Picture32 sheet = StyleSheet(dpi);
    EXPECT_EQ(sheet.Width(), ScaleToDpi(kCellWidth, dpi) * kColumns);
    EXPECT_TRUE(MatchesGolden(sheet, name)) << dpi << " dpi";
  }
}

Picture32 PanelFrame(int dpi) {
  const ContentSources sources = BuiltArtwork::Get().Sources(nullptr, dpi);
  const SkinLookup lookup = [&](std::string_view name, int at) { return sources.skins->Find24(name, at); };
  FrameRequest request;
  request.contentWidth = ScaleToDpi(kContentWidth, dpi);
  request.contentHeight = ScaleToDpi(kContentHeight, dpi);
  return BuildStyleFrame(kStylePanel, lookup, request, dpi);
}

// The steepest rise of alpha from one pixel to the next across the left
// edge, on the middle row.
int SteepestStep(const Picture32& frame) {
  int steepest = 0;
  for (int x = 1; x < frame.Width() / 2; ++x)
    steepest = std::max(steepest, frame.At(x, frame.Height() / 2).a - frame.At(x - 1, frame.Height() / 2).a);
  return steepest;
}

// Drawn, not stretched: across the left edge of the default style, alpha
// climbs from the shadow to the body in a steeper step at 150 % than the
// 100 % frame stretched to the same size shows.
TEST(ScaledFrames, EdgesAt150PercentAreSteeperThanAStretched100PercentFrame) {
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  const Picture32 at100 = PanelFrame(96), at150 = PanelFrame(144);
  const Picture32 stretched = ResamplePicture(at100, at150.Width(), at150.Height(), PictureKind::kAlpha);
  const int drawn = SteepestStep(at150), blurred = SteepestStep(stretched);
  EXPECT_GT(SteepestStep(at100), 100);
  EXPECT_GT(drawn, blurred + 10) << "steepest alpha step drawn at 150 %: " << drawn << ", stretched: " << blurred;
}

}  // namespace
