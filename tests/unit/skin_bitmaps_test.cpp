#include <gtest/gtest.h>

#include <set>
#include <string>

#include "store/resource_table.h"
#include "store/skin_bitmaps.h"

namespace {

TEST(SkinBitmapNames, AreFortyOneResourcesWithTheButtonsLastAtThirtyTwoBits) {
  std::set<std::string_view> seen;
  int index = 0;
  for (std::string_view name : SkinBitmapNames()) {
    EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    const ResourceEntry* entry = nullptr;
    for (const ResourceEntry& s : ResourceTable())
      if (name == s.name) entry = &s;
    ASSERT_NE(entry, nullptr) << name << " is not a resource of the program";
    // Only the pop-up buttons carry alpha; every other picture is drawn opaque.
    EXPECT_EQ(entry->bitsPerPixel == 32, index >= kSkinBitmap24Count) << name;
    ++index;
  }
  EXPECT_EQ(index, 41);
  EXPECT_EQ(SkinBitmapNames().front(), "BITMAP_DARKGLASS");
  EXPECT_EQ(SkinBitmapNames()[kSkinBitmap24Count], "BITMAP_EDIT_PIN");
  EXPECT_EQ(SkinBitmapNames().back(), "BITMAP_TEXT_PIN");
}

TEST(SkinBitmaps, ANameFindsItsPictureOnlyAtItsOwnDepth) {
  SkinBitmaps skins;
  for (int i = 0; i < kSkinBitmapCount; ++i) {
    const std::string_view name = SkinBitmapNames()[static_cast<std::size_t>(i)];
    if (i < kSkinBitmap24Count) {
      skins.Picture24At(i).Resize(i + 1, 1);
      ASSERT_NE(skins.Find24(name), nullptr) << name;
      EXPECT_EQ(skins.Find24(name)->Width(), i + 1) << name;
      EXPECT_EQ(skins.Find32(name), nullptr) << name;
    } else {
      skins.Picture32At(i).Resize(i + 1, 1);
      ASSERT_NE(skins.Find32(name), nullptr) << name;
      EXPECT_EQ(skins.Find32(name)->Width(), i + 1) << name;
      EXPECT_EQ(skins.Find24(name), nullptr) << name;
    }
  }
  for (std::string_view unknown : {"", "BITMAP_3", "bitmap_darkglass", "BITMAP_FLAGS"}) {
    EXPECT_EQ(skins.Find24(unknown), nullptr) << unknown;
    EXPECT_EQ(skins.Find32(unknown), nullptr) << unknown;
  }
}

}  // namespace
