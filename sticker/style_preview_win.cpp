#include "sticker/style_preview_win.h"

#include <string_view>

#include "pixels/pixel_routines.h"
#include "sticker/style_preview.h"
#include "store/scaled_skins.h"

namespace {

constexpr int kPreviewIcon = 1;
constexpr int kTextPoints = 8;
constexpr wchar_t kTextFace[] = L"tahoma";
constexpr std::wstring_view kSampleWord = L"Text";
constexpr COLORREF kTextShadow = RGB(0, 0, 0), kTextInk = RGB(255, 255, 255);

RECT WholeOf(const DibPicture24& picture) { return {0, 0, picture.Width(), picture.Height()}; }

// "Text" in white on a black shadow one pixel right and below, its left edge
// at the point and centred on it vertically, in a font of the preview's scale.
void WriteSampleWord(DibPicture24& picture, PreviewText at, const DisplayScale& scale) {
  DibDrawingContext dc(picture.Bitmap());
  const UniqueFont font(CreateFontW(-FontPixelHeight(kTextPoints, scale), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kTextFace));
  const ScopedSelectObject selected(dc.Get(), font.Get());
  SetBkMode(dc.Get(), TRANSPARENT);
  const int length = static_cast<int>(kSampleWord.size());
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), kSampleWord.data(), length, &size);
  const int top = at.centreY - size.cy / 2;
  SetTextColor(dc.Get(), kTextShadow);
  TextOutW(dc.Get(), at.left + 1, top + 1, kSampleWord.data(), length);
  SetTextColor(dc.Get(), kTextInk);
  TextOutW(dc.Get(), at.left, top, kSampleWord.data(), length);
  GdiFlush();
}

}  // namespace

void FillButtonFace(DibPicture24& picture) {
  DibDrawingContext dc(picture.Bitmap());
  const RECT whole = WholeOf(picture);
  FillRect(dc.Get(), &whole, GetSysColorBrush(COLOR_BTNFACE));
  GdiFlush();
}

void PaintEmptyPreview(DibPicture24& picture) {
  FillButtonFace(picture);
  DibDrawingContext dc(picture.Bitmap());
  const RECT whole = WholeOf(picture);
  FrameRect(dc.Get(), &whole, GetSysColorBrush(COLOR_BTNSHADOW));
  GdiFlush();
}

void DrawStylePreview(DibPicture24& picture, int style, Colour colour, const ContentSources& art) {
  Picture32 icon, sample(picture.Width(), picture.Height());
  LoadStickerIcon(kPreviewIcon, art, icon);
  const ScaledSkins* skins = art.skins;
  const SkinLookup lookup = [skins](std::string_view name, int dpi) -> const Picture24* {
    return skins ? skins->Find24(name, dpi) : nullptr;
  };
  const PreviewBackground background{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW)};
  const std::optional<PreviewText> word = PreviewStyle(sample, style, colour, lookup, icon, background, art.dpi);
  FillButtonFace(picture);
  BlendOnto24(sample.View(), picture.View(), 0, 0);
  if (word) WriteSampleWord(picture, *word, DisplayScale(art.dpi));
}
