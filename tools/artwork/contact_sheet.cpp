#include "contact_sheet.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kSheetWidth = 1280;
constexpr int kGap = 8;
constexpr int kStripChunk = 575;  // wide strips are wrapped into pieces this wide

// The sticker colours the templates are shown in (tint doubles each channel).
constexpr Rgba kSampleColours[] = {Rgb8(250, 220, 90), Rgb8(120, 190, 250), Rgb8(240, 130, 150), Rgb8(140, 220, 140)};

Image Checkerboard(int w, int h) {
  Image board(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) board.At(x, y) = ((x / 8 + y / 8) % 2) ? Grey8(200) : Grey8(235);
  return board;
}

// The template tinted with colour k and given the mask as alpha, as a
// sticker frame is built.
Image Merged(const Image& colour, const Image& mask, Rgba k) {
  Image out(colour.Width(), colour.Height());
  for (int y = 0; y < colour.Height(); ++y)
    for (int x = 0; x < colour.Width(); ++x) {
      const Rgba c = colour.At(x, y), m = mask.At(x, y);
      const auto tint = [](float v, float kk) { return std::min(1.0f, 2 * v * kk); };
      out.At(x, y) = {tint(c.r, k.r), tint(c.g, k.g), tint(c.b, k.b), (m.r + m.g + m.b) / 3 * m.a};
    }
  return out;
}

class Shelf {
 public:
  void Place(const Image& picture) {
    if (x_ + picture.Width() > kSheetWidth && x_ > kGap) NewRow();
    items_.push_back({picture, x_, y_});
    x_ += picture.Width() + kGap;
    rowHeight_ = std::max(rowHeight_, picture.Height());
  }
  void NewRow() {
    y_ += rowHeight_ + kGap;
    x_ = kGap;
    rowHeight_ = 0;
  }
  Image Compose() {
    NewRow();
    Image sheet = Checkerboard(kSheetWidth, y_);
    for (const auto& item : items_) Paste(sheet, item.picture, item.x, item.y);
    return sheet;
  }

 private:
  struct Item {
    Image picture;
    int x, y;
  };
  std::vector<Item> items_;
  int x_ = kGap, y_ = kGap, rowHeight_ = 0;
};

Image Crop(const Image& source, int x0, int width) {
  Image piece(width, source.Height());
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < width && x0 + x < source.Width(); ++x) piece.At(x, y) = source.At(x0 + x, y);
  return piece;
}

const Image* MaskOf(const ArtworkSet& set, const std::string& name) {
  for (const std::string suffix : {"MASK", "_MASK"}) {
    const auto it = set.Pictures().find(name + suffix);
    if (it != set.Pictures().end()) return &it->second;
  }
  if (name == "BITMAP_DARKGLASS" || name == "BITMAP_SILVERGLASS") return MaskOf(set, "BITMAP_");  // shares MASKGLASS
  if (name == "BITMAP_") {
    const auto it = set.Pictures().find("BITMAP_MASKGLASS");
    return it == set.Pictures().end() ? nullptr : &it->second;
  }
  if (name == "BITMAP_GLASS") {
    const auto it = set.Pictures().find("BITMAP_MASKGLASSL");
    return it == set.Pictures().end() ? nullptr : &it->second;
  }
  return nullptr;
}

}  // namespace

Image ComposeContactSheet(const ArtworkSet& set) {
  Shelf shelf;
  for (const auto& [name, picture] : set.Pictures()) {
    if (picture.Width() > kSheetWidth) {
      shelf.NewRow();
      for (int x0 = 0; x0 < picture.Width(); x0 += kStripChunk)
        shelf.Place(Crop(picture, x0, std::min(kStripChunk, picture.Width() - x0)));
      shelf.NewRow();
    } else {
      shelf.Place(picture);
    }
  }
  shelf.NewRow();
  for (const auto& [name, picture] : set.Pictures()) {
    const Image* mask = MaskOf(set, name);
    if (!mask || mask->Width() != picture.Width() || mask->Height() != picture.Height()) continue;
    for (const Rgba& colour : kSampleColours) shelf.Place(Merged(picture, *mask, colour));
  }
  return shelf.Compose();
}
