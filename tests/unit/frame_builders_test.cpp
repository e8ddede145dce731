#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "sticker/frame_builders.h"
#include "sticker/frame_cache.h"
#include "support/same_pictures.h"
#include "pixels/pixel_routines.h"
#include "store/resource_table.h"

namespace {

// Skin pictures of the real sizes filled with noise, masks opaque in the
// middle, so sizes and bounds can be checked without the artwork.
class NoiseSkins {
 public:
  NoiseSkins() {
    std::mt19937 random(5);
    for (const ResourceEntry& entry : ResourceTable()) {
      if (entry.bitsPerPixel == 32 || entry.bitsPerPixel == 1) continue;
      Picture24 p(entry.width, entry.height);
      for (int y = 0; y < entry.height; ++y)
        for (int x = 0; x < entry.width; ++x)
          p.At(x, y) = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()), 255};
      pictures_.emplace(entry.name, std::move(p));
    }
  }
  SkinLookup Lookup() const {
    return [this](std::string_view name) -> const Picture24* {
      const auto it = pictures_.find(std::string(name));
      return it == pictures_.end() ? nullptr : &it->second;
    };
  }

 private:
  std::map<std::string, Picture24> pictures_;
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
    EXPECT_EQ(TemplateFrameSize(c.w, c.h, c.kind, c.variant, c.expanded), c.expected)
        << c.w << "x" << c.h << " kind " << c.kind << (c.expanded ? "" : " collapsed");
}

TEST(WindowAndIconFrames, WrapTheTitleAndIcon) {
  const WindowMetrics classic = Style(6).metrics, hz = Style(14).metrics;
  FrameRequest r = Content(100, 40);
  EXPECT_EQ(WindowFrameSize(r, classic), (FrameSize{131, 68}));
  EXPECT_EQ(WindowFrameSize(r, hz), (FrameSize{162, 99}));
  EXPECT_EQ(WindowFrameSize(Content(5, 5), classic), (FrameSize{64, 64}));  // never below 64 x 64
  EXPECT_EQ(WindowFrameSize(Content(0, 0), hz), (FrameSize{62, 59}));
  EXPECT_EQ(IconFrameSize(r), (FrameSize{132, 72}));
  r.iconWidth = r.iconHeight = 48;  // icon left of the text, 4 apart
  EXPECT_EQ(IconFrameSize(r), (FrameSize{48 + 4 + 100 + 32, 48 + 32}));
  EXPECT_EQ(WindowFrameSize(r, classic), (FrameSize{48 + 4 + 100 + 31, 48 + 28}));
  r.expanded = false;  // collapsed: the icon alone
  EXPECT_EQ(IconFrameSize(r), (FrameSize{80, 80}));
  EXPECT_EQ(WindowFrameSize(r, classic), (FrameSize{79, 76}));
  r.iconHeight = 1;  // below 2 counts as no icon
  EXPECT_EQ(IconFrameSize(r), (FrameSize{132, 72}));
}

TEST(StyleFrames, EveryStyleBuildsAPictureOfItsSizeAtEverySize) {
  const NoiseSkins skins;
  const std::pair<int, int> sizes[] = {{0, 0}, {1, 1}, {40, 16}, {224, 100}, {225, 39}, {1024, 786}};
  for (int style = 0; style < kStyleCount; ++style)
    for (const auto& [w, h] : sizes)
      for (const bool expanded : {true, false})
        for (const int icon : {0, 48}) {
          if (w == 1024 && icon) continue;  // the largest size once per style is enough, and slow under the sanitizers
          SCOPED_TRACE(testing::Message() << "style " << style << " " << w << "x" << h << (expanded ? "" : " collapsed")
                                          << " icon " << icon);
          FrameRequest r = Content(w, h, expanded);
          r.iconWidth = r.iconHeight = icon;
          const Picture32 frame = BuildStyleFrame(style, skins.Lookup(), r);
          const SkinStyle& entry = Style(style);
          const FrameSize expected = entry.builder == FrameBuilder::kTemplate
                                         ? TemplateFrameSize(w, h, entry.kind, entry.variant, expanded)
                                     : entry.builder == FrameBuilder::kWindow ? WindowFrameSize(r, entry.metrics)
                                                                             : IconFrameSize(r);
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
  const Picture32 frame = BuildTemplateFrame({colour, mask}, Content(300, 200), 5, TemplateVariant::kStandard);
  EXPECT_EQ(frame.At(0, 100).a, 0);
  EXPECT_EQ(frame.At(150, 100), (Pixel32{128, 128, 128, 255}));  // mean 254.67 rounds to 255

  const NoiseSkins skins;
  const Picture32 text = BuildStyleFrame(16, skins.Lookup(), Content(80, 20));
  ASSERT_GT(text.Width(), 0);
  for (int y = 0; y < text.Height(); ++y)
    for (int x = 0; x < text.Width(); ++x) ASSERT_EQ(text.At(x, y), (Pixel32{0, 0, 0, 0}));
  EXPECT_EQ(BuildStyleFrame(3, [](std::string_view) -> const Picture24* { return nullptr; }, Content(9, 9)).Width(), 0);
}

TEST(StyleFrames, FlatDrawsItsTwoToneSeparatorOnlyExpanded) {
  Picture24 colour(239, 141), mask(239, 141);
  for (int y = 0; y < 141; ++y)
    for (int x = 0; x < 239; ++x) {
      colour.At(x, y) = {128, 128, 128};
      mask.At(x, y) = {255, 255, 255};
    }
  const Picture32 open = BuildTemplateFrame({colour, mask}, Content(100, 60), 2, TemplateVariant::kFlat);
  EXPECT_EQ(open.At(10, 22), (Pixel32{103, 103, 103, 255}));   // darkened by 50
  EXPECT_EQ(open.At(228, 23), (Pixel32{166, 166, 166, 255}));  // lightened by 30 percent
  EXPECT_EQ(open.At(229, 22), (Pixel32{128, 128, 128, 255}));  // the line stops 10 from the edge
  EXPECT_EQ(open.At(9, 23), (Pixel32{128, 128, 128, 255}));
  const Picture32 closed = BuildTemplateFrame({colour, mask}, Content(100, 60, false), 2, TemplateVariant::kFlat);
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
  const SkinLookup counting = [&](std::string_view name) {
    ++lookups;
    return skins.Lookup()(name);
  };
  FrameCache cache;
  const Picture32 first = cache.Frame(5, counting, Content(200, 40));
  EXPECT_TRUE(SamePixels(first, BuildStyleFrame(5, skins.Lookup(), Content(200, 40))));
  const int made = lookups;
  EXPECT_TRUE(SamePixels(cache.Frame(5, counting, Content(200, 40)), first));
  EXPECT_EQ(lookups, made);
  EXPECT_FALSE(SamePixels(cache.Frame(5, counting, Content(200, 41)), first));  // another size
  EXPECT_FALSE(SamePixels(cache.Frame(5, counting, Content(200, 40, false)), first));  // collapsed
  EXPECT_TRUE(SamePixels(cache.Frame(12, counting, Content(200, 40)), BuildStyleFrame(12, skins.Lookup(), Content(200, 40))));
  for (int height = 50; height < 56; ++height) cache.Frame(5, counting, Content(200, height));
  const int before = lookups;
  cache.Frame(5, counting, Content(200, 40));  // pushed out by the eight newer kinds
  EXPECT_GT(lookups, before);
}

}  // namespace
