#include "sticker/sticker_font_win.h"

#include <cwchar>

#include "win/text_convert_win.h"

namespace {
constexpr int kPointsPerInch = 72;
}  // namespace

int FontPixelHeight(int points) {
  static const int pixelsPerInch = [] {
    const ScopedGetDC screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
  }();
  return MulDiv(points, pixelsPerInch, kPointsPerInch);
}

UniqueFont MakeStickerFont(const ShortString<48>& name, int points, bool bold, bool italic) {
  const std::wstring face = WideFromAnsi(name.View());
  LOGFONTW font{};
  font.lfHeight = -FontPixelHeight(points);
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
