#include "win/point_font_win.h"

#include <string>

namespace {
constexpr int kPointsPerInch = 72;
}

UniqueFont PointFont(std::wstring_view face, int points, bool bold, bool italic, int dpi) {
  const std::wstring name(face);
  return UniqueFont(CreateFontW(-MulDiv(points, dpi, kPointsPerInch), 0, 0, 0,
                                bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, name.c_str()));
}
