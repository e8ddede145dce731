// Renders every skin style as a sticker frame, tinted, at small, medium and
// large content sizes, expanded and collapsed, with and without an icon, on a
// desktop-like background, into one PNG: the check that each style looks
// right at every size.
//
//   quillory_style_sheet OUTPUT.png

#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "artwork_set.h"
#include "pixels/picture_scale.h"
#include "sticker/frame_builders.h"
#include "pixels/pixel_routines.h"

namespace {

constexpr int kGap = 12;
constexpr int kCaptionLeft = 14;  // where a template style's icon hangs
constexpr int kLargeIconRows = 33;
const Colour kColours[] = {MakeColour(250, 222, 96), MakeColour(118, 186, 250), MakeColour(244, 136, 160)};

std::uint8_t To8(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

// A generated picture as the program loads it: 24-bit over black, or 32-bit.
Picture24 As24(const Image& image) {
  Picture24 p(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba c = image.At(x, y);
      p.At(x, y) = {To8(c.b * c.a), To8(c.g * c.a), To8(c.r * c.a)};
    }
  return p;
}

Picture32 As32(const Image& image) {
  Picture32 p(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba c = image.At(x, y);
      p.At(x, y) = {To8(c.b), To8(c.g), To8(c.r), To8(c.a)};
    }
  return p;
}

Image ToImage(const Picture32& p) {
  Image image(p.Width(), p.Height());
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) {
      const Pixel32 c = p.At(x, y);
      image.At(x, y) = Rgb8(c.r, c.g, c.b, c.a);
    }
  return image;
}

struct Sample {
  int width, height;
  bool expanded;
  bool icon;
};

// The sticker picture of one style: frame, tint and icon where the layout
// puts it (text needs the system's fonts and is left out).
Picture32 Sticker(int style, const SkinLookup& skins, const Picture32& icon, const Sample& s, Colour colour) {
  FrameRequest r;
  r.contentWidth = r.titleWidth = s.width;
  r.contentHeight = r.titleHeight = s.height;
  r.expanded = s.expanded;
  if (s.icon) r.iconWidth = r.iconHeight = icon.Height();
  Picture32 frame = BuildStyleFrame(style, skins, r, kDefaultDpi);
  Tint(frame.View(), colour);
  if (!s.icon) return frame;
  if (IsTemplateStyle(style)) {
    const int rows = icon.Height() >= kLargeIconRows ? icon.Height() / 2 - 2 : std::max(0, icon.Height() - 18);
    Enlarge(frame, 0, rows);
    AlphaBlend(icon.View(), frame.View(), kCaptionLeft - 2, 0);
  } else {
    AlphaBlend(icon.View(), frame.View(), style == 14 ? 31 : 16, (frame.Height() - icon.Height()) / 2);
  }
  return frame;
}

Image Wallpaper(int w, int h) {
  Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float t = static_cast<float>(y) / h, u = static_cast<float>(x) / w;
      image.At(x, y) = Rgb8(static_cast<int>(60 + 40 * u), static_cast<int>(90 + 50 * t), static_cast<int>(120 + 60 * (1 - t)));
    }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: quillory_style_sheet OUTPUT.png\n";
    return 2;
  }
  ArtworkSet set(kDefaultDpi);
  DrawSkins(set);
  DrawIcons(set);
  std::map<std::string, Picture24, std::less<>> skins;
  for (const auto& [name, image] : set.Pictures()) skins.emplace(name, As24(image));
  const SkinLookup lookup = [&skins](std::string_view name, int) -> const Picture24* {
    const auto it = skins.find(name);
    return it == skins.end() ? nullptr : &it->second;
  };
  const auto iconIt = set.Pictures().find("BITMAP_0");
  const Picture32 icon = iconIt == set.Pictures().end() ? Picture32() : As32(iconIt->second);

  const Sample samples[] = {{120, 40, true, false}, {120, 40, true, true}, {300, 150, true, false},
                            {120, 40, false, false}, {120, 40, false, true}, {560, 300, true, false}};
  std::vector<std::vector<Picture32>> rows;
  int width = 0, height = kGap;
  for (int style = 0; style < kStyleCount; ++style) {
    std::vector<Picture32> row;
    int rowWidth = kGap, rowHeight = 0;
    for (std::size_t i = 0; i < std::size(samples); ++i) {
      row.push_back(Sticker(style, lookup, icon, samples[i], kColours[(style + i) % std::size(kColours)]));
      rowWidth += row.back().Width() + kGap;
      rowHeight = std::max(rowHeight, row.back().Height());
    }
    width = std::max(width, rowWidth);
    height += rowHeight + kGap;
    rows.push_back(std::move(row));
  }
  Image sheet = Wallpaper(width, height);
  int y = kGap;
  for (const auto& row : rows) {
    int x = kGap, rowHeight = 0;
    for (const Picture32& sticker : row) {
      Paste(sheet, ToImage(sticker), x, y);
      x += sticker.Width() + kGap;
      rowHeight = std::max(rowHeight, sticker.Height());
    }
    y += rowHeight + kGap;
  }
  const auto png = EncodePng(sheet);
  std::ofstream(argv[1], std::ios::binary).write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return 0;
}
