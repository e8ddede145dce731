#include "sticker/pattern_preview_win.h"

#include <algorithm>

#include "pixels/pixel_routines.h"
#include "pixels/resampler.h"
#include "sticker/sticker_picture_win.h"
#include "sticker/style_preview_win.h"
#include "store/patterns_win.h"
#include "win/file_io_win.h"
#include "win/text_convert_win.h"

namespace {

// The pattern sets the sticker's colour, so the colour of the new record never shows.
constexpr Colour kAnyColour = 0xFFFFFF;

// The sticker over the button face, centred; one larger than the picture is
// first put on the face at full size and then resampled, keeping its shape.
void PlaceFitted(const Picture32& sticker, DibPicture24& picture) {
  FillButtonFace(picture);
  const int width = sticker.Width(), height = sticker.Height();
  if (width <= picture.Width() && height <= picture.Height()) {
    BlendOnto24(sticker.View(), picture.View(), (picture.Width() - width) / 2, (picture.Height() - height) / 2);
    return;
  }
  DibPicture24 onFace(width, height);
  FillButtonFace(onFace);
  BlendOnto24(sticker.View(), onFace.View(), 0, 0);
  const double scale =
      std::min(static_cast<double>(picture.Width()) / width, static_cast<double>(picture.Height()) / height);
  const int fittedWidth = std::max(1, static_cast<int>(width * scale));
  const int fittedHeight = std::max(1, static_cast<int>(height * scale));
  Resample(onFace.View(), SubView(picture.View(), (picture.Width() - fittedWidth) / 2,
                                  (picture.Height() - fittedHeight) / 2, fittedWidth, fittedHeight));
}

}  // namespace

void DrawPatternPreview(DibPicture24& picture, const std::wstring& programFolder, std::wstring_view entry,
                        const ContentSources& art, const std::wstring& sampleText) {
  if (!FileExists(PatternFilePath(programFolder, entry))) {
    PaintEmptyPreview(picture);
    return;
  }
  StickerRecord record = PatternRecord(programFolder, entry, kAnyColour);
  SetStickerText(record, AnsiFromWide(sampleText));
  const std::wstring text = BodyTextOf(record);
  StickerPicture sticker;
  sticker.Rebuild(record, text, art);
  PlaceFitted(sticker.Compose(record, text, art, {}), picture);
}
