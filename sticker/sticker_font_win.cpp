#include "sticker/sticker_font_win.h"

#include <cwchar>

#include "win/text_convert_win.h"

namespace {
constexpr int kPointsPerInch = 72;
}  // namespace

int FontPixelHeight(int points, const DisplayScale& scale) { return MulDivRounded(points, scale.Dpi(), kPointsPerInch); }

UniqueFont MakeStickerFont(const ShortString<48>& name, int points, bool bold, bool italic, const DisplayScale& scale) {
  const std::wstring face = WideFromAnsi(name.View());
  LOGFONTW font{};
  font.lfHeight = -FontPixelHeight(points, scale);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}
