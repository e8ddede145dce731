// Every style's frame at 100 % and at 150 %, each built from the pictures
// drawn for its scale and laid out alike, against reference pictures: the
// two sheets side by side show whether the larger one is as sharp.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "pixels/picture_scale.h"
#include "pixels/pixel_routines.h"
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

// Drawn, not stretched: across the left edge of the default style, alpha
// climbs from the shadow to the body in as steep a step at 150 % as at
// 100 %; a 100 % frame stretched by half would spread that step over half
// as many pixels again and lower it to about two thirds.
TEST(ScaledFrames, EdgesAt150PercentAreAsSteepAsAt100Percent) {
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  const auto steepestStep = [](int dpi) {
    const ContentSources sources = BuiltArtwork::Get().Sources(nullptr, dpi);
    const SkinLookup lookup = [&](std::string_view name, int at) { return sources.skins->Find24(name, at); };
    FrameRequest request;
    request.contentWidth = ScaleToDpi(kContentWidth, dpi);
    request.contentHeight = ScaleToDpi(kContentHeight, dpi);
    const Picture32 frame = BuildStyleFrame(kStylePanel, lookup, request, dpi);
    int steepest = 0;
    for (int x = 1; x < frame.Width() / 2; ++x)
      steepest = std::max(steepest, frame.At(x, frame.Height() / 2).a - frame.At(x - 1, frame.Height() / 2).a);
    return steepest;
  };
  const int at100 = steepestStep(96), at150 = steepestStep(144);
  EXPECT_GT(at100, 100);
  EXPECT_GE(at150 * 10, at100 * 9) << "steepest alpha step at 150 %: " << at150 << ", at 100 %: " << at100;
}

}  // namespace
