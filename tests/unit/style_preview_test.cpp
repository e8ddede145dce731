#include <gtest/gtest.h>

#include "pixels/picture_scale.h"
#include "sticker/style_preview.h"

namespace {

constexpr PreviewBackground kBackground{0xC0C0C0, 0x808080};

// Uniform mid-grey skins: a tint then shows the colour exactly.
struct GreySkins {
  Picture24 wide = Filled(239, 141), window = Filled(238, 235), small = Filled(63, 63);
  static Picture24 Filled(int w, int h) {
    Picture24 p(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) p.At(x, y) = {128, 128, 128};
    return p;
  }
  SkinLookup Lookup() {
    return [this](std::string_view name, int) -> const Picture24* {
      if (name == "BITMAP_WIND" || name == "BITMAP_WINDMASK") return &window;
      if (name.find("ICO") != std::string_view::npos || name.find("ICE") != std::string_view::npos) return &small;
      return &wide;
    };
  }
};

TEST(PreviewStyle, TemplateSamplesKeepTheTemplateShapeCentredOnTheEmptyFrame) {
  GreySkins skins;
  Picture32 picture(120, 60), icon(48, 48);
  EXPECT_FALSE(PreviewStyle(picture, 5, 0x0000FF, skins.Lookup(), icon, kBackground, kDefaultDpi).has_value());
  EXPECT_EQ(picture.At(0, 0), (Pixel32{128, 128, 128, 255}));  // the outline
  EXPECT_EQ(picture.At(2, 2), (Pixel32{192, 192, 192, 255}));  // button face
  // 104 wide and 104 * 141 / 239 = 61 high is too tall: 44 high, 44 * 239 / 141 = 74 wide, centred.
  EXPECT_EQ(picture.At((120 - 74) / 2 - 1, 30), (Pixel32{192, 192, 192, 255}));
  const Pixel32 inside = picture.At(60, 30);
  EXPECT_GT(inside.r, 200);  // tinted red through a grey mask of 128: half covering
  EXPECT_LT(inside.b, 192);
}

TEST(PreviewStyle, FrameStylesLeaveRoomForTheWordText) {
  GreySkins skins;
  Picture32 picture(200, 120), icon(48, 48);
  const auto classic = PreviewStyle(picture, 6, 0xFFFFFF, skins.Lookup(), icon, kBackground, kDefaultDpi);
  ASSERT_TRUE(classic.has_value());
  // 72 + 31 = 103 wide (92 at least), 32 + 28 = 60 high, raised to 95.
  EXPECT_EQ(classic->left, (200 - 103) / 2 + 16 + 48 + 4);
  EXPECT_EQ(classic->centreY, (120 - 95) / 2 + 95 / 2);
  const auto cell = PreviewStyle(picture, 17, 0xFFFFFF, skins.Lookup(), icon, kBackground, kDefaultDpi);
  ASSERT_TRUE(cell.has_value());
  EXPECT_EQ(cell->left, (200 - 104) / 2 + 56);
  EXPECT_FALSE(PreviewStyle(picture, 40, 0, skins.Lookup(), icon, kBackground, kDefaultDpi).has_value());
  EXPECT_EQ(picture.At(100, 60), (Pixel32{192, 192, 192, 255}));  // an unknown style leaves the empty frame
}

}  // namespace
