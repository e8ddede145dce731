// The generator at 150 % and 200 %: every picture of the table is drawn at
// its scaled size, has ink, is drawn again bit for bit the same, and is
// drawn for its scale rather than stretched from 100 %.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "artwork_set.h"
#include "pixels/picture_scale.h"
#include "store/resource_table.h"

namespace {

const ArtworkSet& SetAt(int dpi) {
  static const ArtworkSet at100 = DrawArtworkSet(96), at150 = DrawArtworkSet(144), at200 = DrawArtworkSet(192);
  return dpi == 96 ? at100 : dpi == 144 ? at150 : at200;
}

bool SamePixels(const Image& a, const Image& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const Rgba p = a.At(x, y), q = b.At(x, y);
      if (p.r != q.r || p.g != q.g || p.b != q.b || p.a != q.a) return false;
    }
  return true;
}

// How many distinct grey levels of colour and alpha a picture has: a blank
// picture has one.
int Levels(const Image& image) {
  bool seen[256 * 2] = {};
  int levels = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba p = image.At(x, y);
      for (const int v : {static_cast<int>(std::lround((p.r + p.g + p.b) / 3 * 255)), 256 + static_cast<int>(std::lround(p.a * 255))})
        if (!seen[v]) seen[v] = true, ++levels;
    }
  return levels;
}

TEST(ArtworkAtScale, EveryPictureHasItsScaledSizeAndInk) {
  for (const int dpi : {144, 192}) {
    const double factor = dpi / 96.0;
    for (const ResourceEntry& entry : ResourceTable()) {
      SCOPED_TRACE(std::string(entry.name) + " at " + std::to_string(dpi));
      const Image& picture = SetAt(dpi).Pictures().at(entry.name);
      const int cells = entry.cellWidth > 0 ? entry.width / entry.cellWidth : 1;
      // 1.5 or 2 times as large, within rounding of each cell.
      EXPECT_NEAR(picture.Width(), entry.width * factor, cells);
      EXPECT_NEAR(picture.Height(), entry.height * factor, 1);
      EXPECT_GE(Levels(picture), 3) << "blank";
    }
  }
}

TEST(ArtworkAtScale, DrawingIsDeterministic) {
  ArtworkSet again(144);
  DrawSkins(again);
  DrawButtons(again);
  for (const auto& [name, picture] : again.Pictures()) EXPECT_TRUE(SamePixels(picture, SetAt(144).Pictures().at(name))) << name;
}

// A picture drawn for 200 % keeps edges as steep as at 100 %: its steepest
// step between neighbouring pixels is about as high, where a picture
// stretched to twice its size would halve it.
TEST(ArtworkAtScale, LargerSetsAreDrawnNotStretched) {
  const auto steepest = [](const Image& image) {
    float step = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 1; x < image.Width(); ++x) step = std::max(step, std::fabs(image.At(x, y).r - image.At(x - 1, y).r));
    return step;
  };
  for (const char* name : {"BITMAP_FLATSMASK", "BITMAP_MASKGLASS", "BITMAP_CLOSE_PIN", "BITMAP_3", "BITMAP_ABOUTFORM"}) {
    const float at100 = steepest(SetAt(96).Pictures().at(name)), at200 = steepest(SetAt(192).Pictures().at(name));
    EXPECT_GT(at200, 0.8f * at100) << name << ": " << at200 << " against " << at100;
  }
}

}  // namespace
