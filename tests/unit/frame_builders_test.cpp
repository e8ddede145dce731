#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>
#include <random>
#include <string>

#include "sticker/frame_builders.h"
#include "sticker/frame_cache.h"
#include "support/same_pictures.h"
#include "pixels/pixel_routines.h"
#include "store/resource_table.h"
#include "pixels/picture_scale.h"

namespace {

// Skin pictures of the real sizes at each DPI filled with noise, masks
// opaque in the middle, so sizes and bounds can be checked without the
// artwork. Made when first asked for.
class NoiseSkins {
 public:
  SkinLookup Lookup() const {
    return [this](std::string_view name, int dpi) -> const Picture24* {
      const ResourceEntry* entry = FindResourceEntry(name);
      if (!entry || entry->bitsPerPixel == 32 || entry->bitsPerPixel == 1) return nullptr;
      const auto key = std::make_pair(std::string(name), dpi);
      auto it = pictures_.find(key);
      if (it == pictures_.end()) it = pictures_.emplace(key, Noise(ScaledPictureSize(*entry, dpi))).first;
      return &it->second;
    };
  }

 private:
  Picture24 Noise(PictureSize size) const {
    Picture24 p(size.width, size.height);
    for (int y = 0; y < size.height; ++y)
      for (int x = 0; x < size.width; ++x)
        p.At(x, y) = {static_cast<std::uint8_t>(random_()), static_cast<std::uint8_t>(random_()), 255};
    return p;
  }
  mutable std::mt19937 random_{5};
  mutable std::map<std::pair<std::string, int>, Picture24> pictures_;
};

FrameSize SizeOf(const Picture32& p) { return {p.Width(), p.Height()}; }

FrameRequest Content(int w, int h, bool expanded = true) {
  FrameRequest r;
  r.contentWidth = r.titleWidth = w;
  r.contentHeight = r.titleHeight = h;
  r.expanded = expanded;
  return r;
}

TEST(TemplateFrame, SizesFollowTheContent) {
  struct Case { int w, h, kind; TemplateVariant variant; bool expanded; FrameSize expected; };
  using V = TemplateVariant;
  const Case cases[] = {
      {50, 10, 5, V::kStandard, true, {239, 55}},     // short note: template width, never below 55
      {200, 100, 5, V::kStandard, true, {239, 116}},  // content + 16
      {224, 39, 0, V::kStandard, true, {239, 55}},
      {225, 300, 5, V::kStandard, true, {241, 316}},  // wide: content + 16
      {1024, 786, 8, V::kStandard, true, {1040, 802}},
      {200, 500, 5, V::kStandard, false, {239, 32}},  // collapsed
      {200, 500, 2, V::kFlat, false, {239, 32}},
      {200, 500, 7, V::kNarrow, false, {239, 38}},
      {200, 500, 9, V::kNotepad, false, {218, 36}},
      {50, 60, 9, V::kNotepad, true, {95, 76}},       // Modern and List: never below 95
      {76, 60, 9, V::kNotepad, true, {95, 76}},
      {77, 60, 9, V::kNotepad, true, {95, 76}},
      {100, 60, 9, V::kNotepad, true, {118, 76}},     // + 18 above 76
      {300, 60, 9, V::kNotepad, true, {316, 76}},     // wide: + 16 for every kind
      {500, 40, 7, V::kNarrow, false, {516, 38}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TemplateFrameSize(c.w, c.h, c.kind, c.variant, c.expanded, kDefaultDpi), c.expected)
        << c.w << "x" << c.h << " kind " << c.kind << (c.expanded ? "" : " collapsed");
}

// At another scale every length the builders cut by grows with it: content
// sizes are pixels at that scale, the rest is scaled from 100 %.
TEST(TemplateFrame, SizesAtOtherScalesScaleEveryLength) {
  struct Case { int dpi, w, h, kind; TemplateVariant variant; bool expanded; FrameSize expected; };
  using V = TemplateVariant;
  const Case cases[] = {
      {144, 50, 10, 5, V::kStandard, true, {359, 83}},     // 239 and 39 + 16 at 150 %
      {144, 336, 100, 5, V::kStandard, true, {359, 124}},  // 224 at 150 % is 336: not yet wide
      {144, 337, 100, 5, V::kStandard, true, {361, 124}},  // wide: content + 24
      {144, 200, 500, 5, V::kStandard, false, {359, 48}},  // collapsed heights 32, 38, 36 at 150 %
      {144, 200, 500, 7, V::kNarrow, false, {359, 57}},
      {144, 200, 500, 9, V::kNotepad, false, {227, 54}},  // + 18 at 150 %
      {144, 50, 60, 9, V::kNotepad, true, {143, 84}},      // never below 95 at 150 %
      {192, 50, 10, 5, V::kStandard, true, {478, 110}},
      {192, 200, 500, 7, V::kNarrow, false, {478, 76}},
      {120, 50, 10, 5, V::kStandard, true, {299, 69}},     // 125 %: 298.75 and 48.75 + 20 rounded
  };
  for (const Case& c : cases)
    EXPECT_EQ(TemplateFrameSize(c.w, c.h, c.kind, c.variant, c.expanded, c.dpi), c.expected)
        << c.dpi << " dpi " << c.w << "x" << c.h << " kind " << c.kind << (c.expanded ? "" : " collapsed");
  const WindowMetrics classic = Style(6).metrics;
  EXPECT_EQ(WindowFrameSize(Content(150, 60), classic, 144), (FrameSize{150 + 23 + 24, 60 + 27 + 15}));
  EXPECT_EQ(WindowFrameSize(Content(5, 5), classic, 144), (FrameSize{96, 96}));
  EXPECT_EQ(IconFrameSize(Content(150, 60), 144), (FrameSize{198, 108}));
}

TEST(WindowAndIconFrames, WrapTheTitleAndIcon) {
  const WindowMetrics classic = Style(6).metrics, hz = Style(14).metrics;
  FrameRequest r = Content(100, 40);
  EXPECT_EQ(WindowFrameSize(r, classic, kDefaultDpi), (FrameSize{131, 68}));
  EXPECT_EQ(WindowFrameSize(r, hz, kDefaultDpi), (FrameSize{162, 99}));
  EXPECT_EQ(WindowFrameSize(Content(5, 5), classic, kDefaultDpi), (FrameSize{64, 64}));  // never below 64 x 64
  EXPECT_EQ(WindowFrameSize(Content(0, 0), hz, kDefaultDpi), (FrameSize{62, 59}));
  EXPECT_EQ(IconFrameSize(r, kDefaultDpi), (FrameSize{132, 72}));
  r.iconWidth = r.iconHeight = 48;  // icon left of the text, 4 apart
  EXPECT_EQ(IconFrameSize(r, kDefaultDpi), (FrameSize{48 + 4 + 100 + 32, 48 + 32}));
  EXPECT_EQ(WindowFrameSize(r, classic, kDefaultDpi), (FrameSize{48 + 4 + 100 + 31, 48 + 28}));
  r.expanded = false;  // collapsed: the icon alone
  EXPECT_EQ(IconFrameSize(r, kDefaultDpi), (FrameSize{80, 80}));
  EXPECT_EQ(WindowFrameSize(r, classic, kDefaultDpi), (FrameSize{79, 76}));
  r.iconHeight = 1;  // below 2 counts as no icon
  EXPECT_EQ(IconFrameSize(r, kDefaultDpi), (FrameSize{132, 72}));
}

TEST(StyleFrames, EveryStyleBuildsAPictureOfItsSizeAtEverySizeAndScale) {
  const NoiseSkins skins;
  const std::pair<int, int> sizes[] = {{0, 0}, {1, 1}, {40, 16}, {224, 100}, {225, 39}, {1024, 786}};
  for (const int dpi : {96, 144, 192})
  for (int style = 0; style < kStyleCount; ++style)
    for (const auto& [w, h] : sizes)
      for (const bool expanded : {true, false})
        for (const int icon : {0, 48}) {
          // the largest size once per style is enough, and slow under the sanitizers;
          // other scales take the sizes either side of the wide limit
          if (w == 1024 && icon) continue;
          if (dpi != kDefaultDpi && (w == 1024 || w == 224 || w < 2)) continue;
          SCOPED_TRACE(testing::Message() << dpi << " dpi, style " << style << " " << w << "x" << h << (expanded ? "" : " collapsed")
                                          << " icon " << icon);
          FrameRequest r = Content(w, h, expanded);
          r.iconWidth = r.iconHeight = icon;
          const Picture32 frame = BuildStyleFrame(style, skins.Lookup(), r, dpi);
          const SkinStyle& entry = Style(style);
          const FrameSize expected = entry.builder == FrameBuilder::kTemplate
                                         ? TemplateFrameSize(w, h, entry.kind, entry.variant, expanded, dpi)
                                     : entry.builder == FrameBuilder::kWindow ? WindowFrameSize(r, entry.metrics, dpi)
                                                                             : IconFrameSize(r, dpi);
          ASSERT_EQ(SizeOf(frame), expected);
        }
}

TEST(StyleFrames, MaskBecomesAlphaAndStyle16IsTransparent) {
  Picture24 colour(239, 141), mask(239, 141);
  for (int y = 0; y < 141; ++y)
    for (int x = 0; x < 239; ++x) {
      colour.At(x, y) = {128, 128, 128};
      mask.At(x, y) = x < 5 ? Pixel24{0, 0, 0} : Pixel24{255, 255, 254};
    }
  const Picture32 frame = BuildTemplateFrame({colour, mask}, Content(300, 200), 5, TemplateVariant::kStandard, kDefaultDpi);
  EXPECT_EQ(frame.At(0, 100).a, 0);
  EXPECT_EQ(frame.At(150, 100), (Pixel32{128, 128, 128, 255}));  // mean 254.67 rounds to 255

  const NoiseSkins skins;
  const Picture32 text = BuildStyleFrame(16, skins.Lookup(), Content(80, 20), kDefaultDpi);
  ASSERT_GT(text.Width(), 0);
  for (int y = 0; y < text.Height(); ++y)
    for (int x = 0; x < text.Width(); ++x) ASSERT_EQ(text.At(x, y), (Pixel32{0, 0, 0, 0}));
  EXPECT_EQ(BuildStyleFrame(3, [](std::string_view, int) -> const Picture24* { return nullptr; }, Content(9, 9), kDefaultDpi).Width(), 0);
}

TEST(StyleFrames, FlatDrawsItsTwoToneSeparatorOnlyExpanded) {
  Picture24 colour(239, 141), mask(239, 141);
  for (int y = 0; y < 141; ++y)
    for (int x = 0; x < 239; ++x) {
      colour.At(x, y) = {128, 128, 128};
      mask.At(x, y) = {255, 255, 255};
    }
  const Picture32 open = BuildTemplateFrame({colour, mask}, Content(100, 60), 2, TemplateVariant::kFlat, kDefaultDpi);
  EXPECT_EQ(open.At(10, 22), (Pixel32{103, 103, 103, 255}));   // darkened by 50
  EXPECT_EQ(open.At(228, 23), (Pixel32{166, 166, 166, 255}));  // lightened by 30 percent
  EXPECT_EQ(open.At(229, 22), (Pixel32{128, 128, 128, 255}));  // the line stops 10 from the edge
  EXPECT_EQ(open.At(9, 23), (Pixel32{128, 128, 128, 255}));
  const Picture32 closed = BuildTemplateFrame({colour, mask}, Content(100, 60, false), 2, TemplateVariant::kFlat, kDefaultDpi);
  EXPECT_EQ(closed.At(10, 22), (Pixel32{128, 128, 128, 255}));
}

TEST(StyleTable, GroupsAndFallback) {
  for (int s : {6, 11, 12, 13, 14, 15, 16, 17}) EXPECT_TRUE(IsTitleBarStyle(s)) << s;
  for (int s : {9, 10}) EXPECT_TRUE(IsNotepadStyle(s)) << s;
  for (int s : {0, 1, 2, 3, 4, 5, 7, 8}) EXPECT_TRUE(HasCaptionLine(s)) << s;
  EXPECT_EQ(Style(99).colourName, "BITMAP_FLAT");
  EXPECT_EQ(Style(3).maskName, Style(0).maskName);  // silver glass shares the glass mask
}

}  // namespace

namespace {

// Windows alike in style and request share one frame, made once; the oldest
// of more than eight kinds is made again when asked for anew.
TEST(FrameCache, KeepsTheLastFramesMadeAndHandsOutWhatTheBuilderMakes) {
  const NoiseSkins skins;
  int lookups = 0;
  const SkinLookup counting = [&](std::string_view name, int dpi) {
    ++lookups;
    return skins.Lookup()(name, dpi);
  };
  constexpr int kDpi = kDefaultDpi;
  FrameCache cache;
  const Picture32 first = cache.Frame(5, counting, Content(200, 40), kDpi);
  EXPECT_TRUE(SamePixels(first, BuildStyleFrame(5, skins.Lookup(), Content(200, 40), kDpi)));
  const int made = lookups;
  EXPECT_TRUE(SamePixels(cache.Frame(5, counting, Content(200, 40), kDpi), first));
  EXPECT_EQ(lookups, made);
  EXPECT_FALSE(SamePixels(cache.Frame(5, counting, Content(200, 41), kDpi), first));  // another size
  EXPECT_FALSE(SamePixels(cache.Frame(5, counting, Content(200, 40, false), kDpi), first));  // collapsed
  EXPECT_TRUE(SamePixels(cache.Frame(12, counting, Content(200, 40), kDpi), BuildStyleFrame(12, skins.Lookup(), Content(200, 40), kDpi)));
  for (int height = 50; height < 56; ++height) cache.Frame(5, counting, Content(200, height), kDpi);
  const int before = lookups;
  cache.Frame(5, counting, Content(200, 40), kDpi);  // pushed out by the eight newer kinds
  EXPECT_GT(lookups, before);
}

// A window on a monitor of another scale gets its own frame, from the
// pictures of that scale, even for the same request.
TEST(FrameCache, KeepsFramesOfEachScaleApart) {
  const NoiseSkins skins;
  std::vector<int> asked;
  const SkinLookup recording = [&](std::string_view name, int dpi) {
    asked.push_back(dpi);
    return skins.Lookup()(name, dpi);
  };
  FrameCache cache;
  const Picture32 at100 = cache.Frame(5, recording, Content(200, 40), 96);
  const Picture32 at150 = cache.Frame(5, recording, Content(200, 40), 144);
  EXPECT_EQ(SizeOf(at100), (FrameSize{239, 56}));
  EXPECT_EQ(SizeOf(at150), (FrameSize{359, 83}));  // template width 359 at 150 %, content at least 59, + 24
  EXPECT_EQ(std::count(asked.begin(), asked.end(), 144), 2);  // colour and mask of 150 %
  EXPECT_TRUE(SamePixels(cache.Frame(5, recording, Content(200, 40), 96), at100));
}

}  // namespace
