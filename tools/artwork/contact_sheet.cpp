#include "contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "pixels/picture_scale.h"

namespace {

constexpr int kSheetWidth = 1800;
constexpr int kGap = 8;
constexpr int kStripChunk = 575;  // wide strips are wrapped into pieces this wide

// The sticker colours the templates are shown in (tint doubles each channel):
// yellow, blue, pink, green, white, dark grey.
constexpr Rgba kSampleColours[] = {Rgb8(250, 220, 90), Rgb8(120, 190, 250), Rgb8(240, 130, 150),
                                   Rgb8(140, 220, 140), Rgb8(255, 255, 255), Rgb8(80, 80, 80)};
enum Tint { kYellow, kBlue, kPink, kGreen, kWhite, kDarkGrey };

Image Checkerboard(int w, int h) {
  Image board(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) board.At(x, y) = ((x / 8 + y / 8) % 2) ? Grey8(200) : Grey8(235);
  return board;
}

// A dark desktop behind a preview, to judge shadows and glass there too.
Image OnDarkDesktop(const Image& picture) {
  Image out(picture.Width() + 16, picture.Height() + 16, Rgb8(38, 46, 58));
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x)
      if ((x / 24 + y / 24) % 2) out.At(x, y) = Rgb8(52, 62, 76);
  Paste(out, picture, 8, 8);
  return out;
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

// Resamples a run of `from` source samples to `to` samples with a tent
// filter (linear when enlarging, averaging when shrinking): weights[i] lists
// (source index, weight) pairs.
std::vector<std::vector<std::pair<int, float>>> Weights(int from, int to) {
  std::vector<std::vector<std::pair<int, float>>> weights(static_cast<std::size_t>(to));
  if (from <= 0) return weights;
  const float scale = static_cast<float>(from) / static_cast<float>(to);
  const float support = std::max(1.0f, scale);
  for (int i = 0; i < to; ++i) {
    const float centre = (static_cast<float>(i) + 0.5f) * scale - 0.5f;
    float total = 0;
    auto& row = weights[static_cast<std::size_t>(i)];
    for (int s = static_cast<int>(std::floor(centre - support)); s <= static_cast<int>(std::ceil(centre + support)); ++s) {
      const float w = std::max(0.0f, 1.0f - std::fabs(static_cast<float>(s) - centre) / support);
      if (w <= 0) continue;
      row.emplace_back(std::clamp(s, 0, from - 1), w);
      total += w;
    }
    for (auto& [index, w] : row) w /= total;
  }
  return weights;
}

// Source index for each of `to` destination samples of a piece: kept pieces
// map one to one, the stretched middle is resampled.
struct Axis {
  std::vector<std::vector<std::pair<int, float>>> samples;
};

Axis MakeAxis(int source, int target, int keepStart, int keepEnd) {
  Axis axis;
  for (int i = 0; i < keepStart && i < target; ++i) axis.samples.push_back({{i, 1.0f}});
  const int middleTarget = target - keepStart - keepEnd;
  const int middleSource = source - keepStart - keepEnd;
  if (middleTarget > 0)
    for (auto row : Weights(std::max(1, middleSource), middleTarget)) {
      for (auto& [index, w] : row) index += keepStart;
      axis.samples.push_back(row);
    }
  for (int i = 0; i < keepEnd; ++i) axis.samples.push_back({{source - keepEnd + i, 1.0f}});
  return axis;
}

// The piece cut the frame builders use: corners and bands kept as they are,
// the middle stretched to fill width x height.
Image Cut(const Image& source, int width, int height, int left, int right, int top, int bottom) {
  const Axis xs = MakeAxis(source.Width(), width, left, right);
  const Axis ys = MakeAxis(source.Height(), height, top, bottom);
  Image out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Rgba sum{};
      for (const auto& [sy, wy] : ys.samples[static_cast<std::size_t>(y)])
        for (const auto& [sx, wx] : xs.samples[static_cast<std::size_t>(x)]) {
          const Rgba p = source.At(sx, sy);
          const float w = wx * wy;
          sum = {sum.r + p.r * w, sum.g + p.g * w, sum.b + p.b * w, sum.a + p.a * w};
        }
      out.At(x, y) = sum;
    }
  return out;
}

Image TopRows(const Image& source, int rows) {
  Image out(source.Width(), rows);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < source.Width(); ++x) out.At(x, y) = source.At(x, y);
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

// A little picture holding several previews, packed in rows.
class Block {
 public:
  explicit Block(int width) : width_(width) {}
  void Place(const Image& picture) { shelf_.push_back({picture, 0, 0}); }
  Image Compose() const {
    int x = 0, y = 0, rowHeight = 0;
    std::vector<std::pair<int, int>> at;
    for (const auto& item : shelf_) {
      if (x + item.picture.Width() > width_ && x > 0) {
        y += rowHeight + kGap;
        x = 0;
        rowHeight = 0;
      }
      at.emplace_back(x, y);
      x += item.picture.Width() + kGap;
      rowHeight = std::max(rowHeight, item.picture.Height());
    }
    Image out(width_, y + rowHeight);
    for (std::size_t i = 0; i < shelf_.size(); ++i) Paste(out, shelf_[i].picture, at[i].first, at[i].second);
    return out;
  }

 private:
  struct Item {
    Image picture;
    int x, y;
  };
  int width_;
  std::vector<Item> shelf_;
};

Image Crop(const Image& source, int x0, int width) {
  Image piece(width, source.Height());
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < width && x0 + x < source.Width(); ++x) piece.At(x, y) = source.At(x0 + x, y);
  return piece;
}

// How the frame builders cut each template.
enum class Cutting { kStandard, kNarrow, kNotepad, kWindow, kSmall };

struct TemplatePair {
  const char* colour;
  const char* mask;
  Cutting cutting;
  int left = 0, top = 0, right = 0, bottom = 0;  // window borders
  bool separator = false;                         // the builder draws the caption separator
};

// The Flat style's two-tone line under the caption, as its builder draws it
// on the expanded colour picture: the pixel at (14, 14) darkened by 50, then
// lightened by 30 percent.
void DrawSeparator(Image& colour, int dpi) {
  const auto px = [dpi](int v) { return ScaleToDpi(v, dpi); };
  const Rgba base = colour.At(px(14), px(14));
  const auto darker = [](float c) { return std::max(0.0f, c - c * 50 / 255); };
  const auto lighter = [](float c) { return c + (1 - c) * 0.3f; };
  for (int x = px(10); x <= colour.Width() - px(10) && x < colour.Width(); ++x) {
    colour.At(x, px(22)) = {darker(base.r), darker(base.g), darker(base.b), 1};
    colour.At(x, px(23)) = {lighter(base.r), lighter(base.g), lighter(base.b), 1};
  }
}

constexpr TemplatePair kPairs[] = {
    {"BITMAP_DARKGLASS", "BITMAP_MASKGLASS", Cutting::kStandard},
    {"BITMAP_INNER", "BITMAP_INNERMASK", Cutting::kStandard},
    {"BITMAP_GRAY", "BITMAP_GRAYMASK", Cutting::kStandard, 0, 0, 0, 0, true},
    {"BITMAP_SILVERGLASS", "BITMAP_MASKGLASS", Cutting::kStandard},
    {"BITMAP_GLASS", "BITMAP_MASKGLASSL", Cutting::kStandard},
    {"BITMAP_FLAT", "BITMAP_FLATSMASK", Cutting::kStandard},
    {"BITMAP_WIND", "BITMAP_WINDMASK", Cutting::kWindow, 15, 18, 16, 10},
    {"BITMAP_TUB", "BITMAP_TUBMASK", Cutting::kNarrow},
    {"BITMAP_AERO", "BITMAP_AEROMASK", Cutting::kStandard},
    {"BITMAP_RAMA", "BITMAP_RAMA_MASK", Cutting::kNotepad},
    {"BITMAP_LIST", "BITMAP_LIST_MASK", Cutting::kNotepad},
    {"BITMAP_ICOAERO", "BITMAP_ICOAEROMASK", Cutting::kSmall},
    {"BITMAP_ICOAERO2", "BITMAP_ICOAERO2MASK", Cutting::kSmall},
    {"BITMAP_ICOAERO_FULL", "BITMAP_ICOAERO_FULLMASK", Cutting::kSmall},
    {"BITMAP_ICOINNER", "BITMAP_ICOINNERMASK", Cutting::kWindow, 31, 27, 31, 32},
    {"BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK", Cutting::kSmall},
    {"BITMAP_ICEWHITE", "BITMAP_ICEWHITEMASK", Cutting::kSmall},
};

const Image* Find(const ArtworkSet& set, const char* name) {
  const auto it = set.Pictures().find(name);
  return it == set.Pictures().end() ? nullptr : &it->second;
}

// A frame of the given size (in pixels of the set's scale) as the builder
// makes it: colour and mask cut alike, then merged and tinted.
Image Frame(const Image& colour, const Image& mask, const TemplatePair& pair, int width, int height, bool collapsed, Tint tint,
            int dpi) {
  const auto px = [dpi](int v) { return ScaleToDpi(v, dpi); };
  const auto cut = [&](const Image& source) {
    switch (pair.cutting) {
      case Cutting::kStandard:
        return collapsed ? Cut(source, width, height, px(119), px(119), px(18), px(10))
                         : Cut(source, width, height, px(119), px(119), px(24), px(16));
      case Cutting::kNarrow:
        return collapsed ? Cut(TopRows(source, px(38)), width, px(38), px(119), px(119), px(38), 0)
                         : Cut(source, width, height, px(119), px(119), px(24), px(16));
      case Cutting::kNotepad:
        return collapsed ? Cut(source, width, px(36), px(18), px(18), px(18), px(10))
                         : Cut(source, width, height, px(18), px(18), px(24), px(16));
      case Cutting::kWindow:
        return Cut(source, width, height, px(pair.left), px(pair.right), px(pair.top), px(pair.bottom));
      case Cutting::kSmall:
        break;
    }
    return Cut(source, width, height, px(16), px(16), px(16), px(16));
  };
  Image cutColour = cut(colour);
  if (pair.separator && !collapsed) DrawSeparator(cutColour, dpi);
  return Merged(cutColour, cut(mask), kSampleColours[tint]);
}

void PlacePreviews(Shelf& shelf, const ArtworkSet& set, const TemplatePair& pair) {
  const Image* colour = Find(set, pair.colour);
  const Image* mask = Find(set, pair.mask);
  if (!colour || !mask || colour->Width() != mask->Width() || colour->Height() != mask->Height()) return;
  // Sizes below are at 100 %; the frames come out at the set's scale.
  const int dpi = set.Dpi();
  const auto px = [dpi](int v) { return ScaleToDpi(v, dpi); };
  const auto frame = [&](int w, int h, bool collapsed, Tint tint) {
    return Frame(*colour, *mask, pair, px(w), px(h), collapsed, tint, dpi);
  };
  shelf.NewRow();
  switch (pair.cutting) {
    case Cutting::kStandard:
    case Cutting::kNarrow:
    case Cutting::kNotepad: {
      shelf.Place(frame(420, 260, false, kYellow));
      shelf.Place(frame(420, 260, false, kBlue));
      shelf.Place(OnDarkDesktop(frame(404, 244, false, kDarkGrey)));
      const int collapsedHeight = pair.cutting == Cutting::kNarrow ? 38 : pair.cutting == Cutting::kNotepad ? 36 : 32;
      const int narrowest = pair.cutting == Cutting::kNotepad ? 95 : 239;
      Block block(px(239 * 2) + kGap);
      block.Place(frame(239, 55, false, kPink));
      block.Place(frame(239, 55, false, kWhite));
      for (Tint tint : {kYellow, kBlue, kPink, kGreen, kWhite, kDarkGrey}) block.Place(frame(239, collapsedHeight, true, tint));
      block.Place(frame(narrowest, 80, false, kGreen));
      block.Place(frame(239 * 2 - narrowest, collapsedHeight, true, kYellow));
      shelf.Place(block.Compose());
      break;
    }
    case Cutting::kWindow: {
      const int minimum = std::max(64, pair.left + pair.right + 2);
      shelf.Place(frame(420, 200, false, kYellow));
      shelf.Place(frame(300, 120, false, kBlue));
      shelf.Place(OnDarkDesktop(frame(260, 100, false, kDarkGrey)));
      Block block(px(400));
      for (Tint tint : {kPink, kGreen, kWhite}) block.Place(frame(minimum, std::max(64, pair.top + pair.bottom + 2), false, tint));
      block.Place(frame(240, 60, false, kGreen));
      shelf.Place(block.Compose());
      break;
    }
    case Cutting::kSmall: {
      for (Tint tint : {kYellow, kBlue, kPink, kGreen, kWhite}) shelf.Place(frame(160, 90, false, tint));
      shelf.Place(OnDarkDesktop(frame(160, 90, false, kDarkGrey)));
      for (Tint tint : {kYellow, kBlue}) shelf.Place(frame(64, 64, false, tint));
      shelf.Place(frame(300, 48, false, kWhite));
      break;
    }
  }
}

// The program's icon at each size on a task bar of the given colour, then
// the sizes up to 32 pixels enlarged six times, pixel for pixel.
Image IconStrip(const std::vector<Image>& icons, Rgba bar) {
  constexpr int kZoom = 6, kPad = 12;
  int width = kPad, height = 0;
  for (const Image& icon : icons) {
    width += icon.Width() + kPad;
    height = std::max(height, icon.Height());
    if (icon.Width() <= 32) {
      width += icon.Width() * kZoom + kPad;
      height = std::max(height, icon.Height() * kZoom);
    }
  }
  Image strip(width, height + 2 * kPad, bar);
  int x = kPad;
  for (const Image& icon : icons) {
    Paste(strip, icon, x, kPad + (height - icon.Height()) / 2);
    x += icon.Width() + kPad;
  }
  for (const Image& icon : icons) {
    if (icon.Width() > 32) continue;
    Image zoomed(icon.Width() * kZoom, icon.Height() * kZoom);
    for (int y = 0; y < zoomed.Height(); ++y)
      for (int zx = 0; zx < zoomed.Width(); ++zx) zoomed.At(zx, y) = icon.At(zx / kZoom, y / kZoom);
    Paste(strip, zoomed, x, kPad + (height - zoomed.Height()) / 2);
    x += zoomed.Width() + kPad;
  }
  return strip;
}

}  // namespace

Image ComposeContactSheet(const ArtworkSet& set, const std::vector<Image>& programIcon) {
  Shelf shelf;
  if (!programIcon.empty()) {
    shelf.Place(IconStrip(programIcon, Rgb8(243, 243, 243)));
    shelf.NewRow();
    shelf.Place(IconStrip(programIcon, Rgb8(32, 32, 36)));
    shelf.NewRow();
  }
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
  // Every template merged with its mask, as it is, in each sample colour.
  shelf.NewRow();
  for (const TemplatePair& pair : kPairs) {
    const Image* colour = Find(set, pair.colour);
    const Image* mask = Find(set, pair.mask);
    if (!colour || !mask || colour->Width() != mask->Width() || colour->Height() != mask->Height()) continue;
    for (const Rgba& k : kSampleColours) shelf.Place(Merged(*colour, *mask, k));
  }
  // Each template cut and stretched as the frame builders do: expanded at a
  // few sizes, collapsed, and on a dark desktop.
  for (const TemplatePair& pair : kPairs) PlacePreviews(shelf, set, pair);
  return shelf.Compose();
}
