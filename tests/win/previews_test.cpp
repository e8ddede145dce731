// The style and pattern previews of the dialogs, drawn from the built
// program's artwork. Their look is judged by eye: with QUILLORY_GALLERY_DIR
// set, every preview is also written there as a PNG.

#include <gtest/gtest.h>

#include <string>

#include "pixels/pixel_routines.h"
#include "sticker/pattern_preview_win.h"
#include "sticker/style_preview_win.h"
#include "store/patterns_win.h"
#include "support/golden_picture_win.h"
#include "support/sticker_artwork_win.h"
#include "support/temp_folder_win.h"

namespace {

constexpr int kPreviewWidth = 160, kPreviewHeight = 110;
const DateTime kNow = EncodeDateTime({2024, 2, 1, 10, 15, 30});

Pixel24 Face() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return {GetBValue(face), GetGValue(face), GetRValue(face)};
}

// The share of pixels that differ from the button face.
double DrawnShare(const DibPicture24& picture) {
  int drawn = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) drawn += !(picture.View().At(x, y) == Face());
  return static_cast<double>(drawn) / (picture.Width() * picture.Height());
}

void SaveToGallery(const DibPicture24& picture, const std::wstring& name) {
  const std::wstring folder = FolderFromEnvironment("QUILLORY_GALLERY_DIR");
  if (folder.empty()) return;
  Picture32 out(picture.Width(), picture.Height());
  Clear(out.View());
  Copy24To32(picture.View(), out.View());
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.At(x, y).a = 255;
  EXPECT_TRUE(SavePng(out, folder + name + L".png"));
}

TEST(Previews, StylesShowTheirSampleOverTheButtonFace) {
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  for (int style : {kStylePanel, kStyleClassic, kStyleModern, kStyleVistaAero}) {
    DibPicture24 picture(kPreviewWidth, kPreviewHeight);
    DrawStylePreview(picture, style, 0x5ACDF0, BuiltArtwork::Get().Sources());
    EXPECT_GT(DrawnShare(picture), 0.2) << style;
    SaveToGallery(picture, L"style_preview_" + std::to_wstring(style));
  }
}

TEST(Previews, APatternShowsAMiniatureStickerAndNoPatternTheEmptyFrame) {
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  TempFolder program;
  CreateDirectoryW(PatternsFolder(program.Path()).c_str(), nullptr);
  StickerRecord look = NewStickerRecord(0x70B0FF);
  look.style = kStyleModern;
  look.body.color = 0x202020;
  look.body.shadow_color = 0xFFFFFF;
  ASSERT_TRUE(SavePattern(program.Path(), L"Orange", look, kNow));
  const std::wstring entry = L"Orange||010224_101530.ptr";
  const std::wstring sample = L"Buy milk, bread.";  // as the caller gives it: 16 characters at most
  struct Case {
    int width, height;
    const wchar_t* name;
  };
  for (const Case& c : {Case{kPreviewWidth, kPreviewHeight, L"pattern_preview"}, Case{60, 40, L"pattern_preview_small"}}) {
    DibPicture24 picture(c.width, c.height);
    DrawPatternPreview(picture, program.Path(), entry, BuiltArtwork::Get().Sources(), sample);
    EXPECT_GT(DrawnShare(picture), 0.2) << c.name;
    EXPECT_EQ(picture.View().At(0, 0), Face()) << c.name;  // the sticker's rounded corner shows the face
    SaveToGallery(picture, c.name);
  }

  DibPicture24 none(kPreviewWidth, kPreviewHeight);
  DrawPatternPreview(none, program.Path(), L"||", BuiltArtwork::Get().Sources(), sample);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(none.View().At(0, 0), (Pixel24{GetBValue(shadow), GetGValue(shadow), GetRValue(shadow)}));
  EXPECT_EQ(none.View().At(1, 1), Face());
  EXPECT_LT(DrawnShare(none), 0.05);
  SaveToGallery(none, L"pattern_preview_none");
}

}  // namespace
