#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "store/compact_record.h"
#include "store/record_fields.h"
#include "store/record_merge.h"
#include "support/sticker_samples.h"

namespace {

StickerRecord Edited() {
  StickerRecord e = MakeSticker(99);
  e.caption.color = 0x111111;
  e.caption.line_text.Assign("New caption");
  e.date_line.show = 0;
  e.body.font_size = 14;
  e.body.layout_x = 500;  // layout values are never taken
  e.style = 9;
  e.alpha = 100;
  e.position = 1;
  e.expanded = 0;
  e.left = 7;
  SetStickerText(e, "edited text");
  return e;
}

TEST(MergeStickerSettings, TakesAppearanceAndTextButKeepsWhatTheStoreOwns) {
  StickerRecord stored = MakeSticker(5, true, 0x1234);
  stored.left = 300;
  stored.expanded = 1;
  MergeStickerSettings(stored, Edited());
  EXPECT_EQ(stored.caption.color, 0x111111u);
  EXPECT_EQ(stored.caption.line_text.View(), "New caption");
  EXPECT_EQ(stored.date_line.show, 0);
  EXPECT_EQ(stored.body.font_size, 14);
  EXPECT_EQ(stored.body.layout_x, 16);
  EXPECT_EQ(stored.style, 9);
  EXPECT_EQ(stored.position, 1);
  EXPECT_EQ(GetStickerText(stored), "edited text");
  EXPECT_EQ(stored.id, 5);
  EXPECT_EQ(stored.window, 0x1234u);
  EXPECT_EQ(stored.left, 300);
  EXPECT_EQ(stored.expanded, 1);
}

// Every byte of the fields an edit carries comes from the edited record, every
// other byte stays as stored: a byte pattern in each record shows which won.
TEST(MergeStickerSettings, TakesExactlyTheMergedFieldsByteForByte) {
  struct Field {
    std::size_t offset, size;
  };
  std::vector<Field> merged;
  for (std::size_t block : {4u, 120u})  // caption and date line: colours, shadow, font name, line text
    for (Field f : {Field{0, 4}, Field{4, 4}, Field{8, 1}, Field{29, 49}, Field{78, 33}})
      merged.push_back({block + f.offset, f.size});
  merged.push_back({120 + 112, 1});  // date_line.show
  for (Field f : {Field{0, 4}, Field{4, 4}, Field{8, 1}, Field{28, 1}, Field{29, 49}})  // body
    merged.push_back({236 + f.offset, f.size});
  for (Field f : {Field{368, 1}, Field{369, 1}, Field{370, 2}, Field{372, 1}, Field{376, 4}, Field{382, 2},
                  Field{384, 1}, Field{386, 1}, Field{387, 1}, Field{388, 1}, Field{392, 4}, Field{396, 1},
                  Field{397, 1}, Field{398, 1}, Field{464, 2048}, Field{2512, 4}})
    merged.push_back(f);

  StickerRecord stored, edited;
  std::memset(&stored, 0xA1, sizeof(stored));
  std::memset(&edited, 0x5E, sizeof(edited));
  MergeStickerSettings(stored, edited);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&stored);
  for (std::size_t at = 0; at < kStickerRecordSize; ++at) {
    bool taken = false;
    for (const Field& f : merged) taken = taken || (at >= f.offset && at < f.offset + f.size);
    ASSERT_EQ(bytes[at], taken ? 0x5E : 0xA1) << "byte " << at;
  }
}

TEST(DuplicateOf, MovesTheCopyEvenOffScreenAndGivesItANewId) {
  StickerRecord original = MakeSticker(5, false);
  original.left = 1010;
  original.top = 5;
  const StickerRecord copy = DuplicateOf(original, 6);
  EXPECT_EQ(copy.left, 1028);
  EXPECT_EQ(copy.top, 23);
  EXPECT_EQ(copy.id, 6);
  EXPECT_EQ(copy.visible, 1);
}

TEST(WindowCopyOf, StartsFromDefaultsAndKeepsTheWindowsOwnFields) {
  StickerRecord current = NewStickerRecord(0);
  current.window = 0x42;
  current.id = 77;
  current.left = 10;
  StickerRecord delivered = Edited();
  delivered.caption.font_size = 30;
  delivered.text_length = 5000;
  const StickerRecord copy = WindowCopyOf(delivered, current);
  EXPECT_EQ(copy.caption.font_size, 10);  // the window keeps its default sizes and layout
  EXPECT_EQ(copy.body.layout_x, 16);
  EXPECT_EQ(copy.body.font_size, 14);
  EXPECT_EQ(copy.expanded, 0);
  EXPECT_EQ(copy.id, 77);
  EXPECT_EQ(copy.window, 0x42u);
  EXPECT_EQ(copy.left, 10);
  EXPECT_EQ(copy.text_length, kStickerTextCapacity);  // a foreign length is cut to the buffer
  EXPECT_TRUE(NeedsFullRebuild(current, copy));
  StickerRecord recoloured = copy;
  recoloured.color = 0xABCDEF;
  recoloured.alpha = 3;
  EXPECT_FALSE(NeedsFullRebuild(copy, recoloured));
  recoloured.font_style = 1;
  EXPECT_TRUE(NeedsFullRebuild(copy, recoloured));
}

// Fonts and the date line decide the layout: a change of any of them shows at
// once, not only after the next collapse.
TEST(NeedsFullRebuild, FollowsEveryFontAndTheDateLine) {
  const StickerRecord base = WindowCopyOf(Edited(), NewStickerRecord(0));
  const std::vector<std::pair<const char*, void (*)(StickerRecord&)>> changes = {
      {"caption font", [](StickerRecord& r) { r.caption.font_name.Assign("Arial"); }},
      {"caption size", [](StickerRecord& r) { r.caption.font_size = 20; }},
      {"date font", [](StickerRecord& r) { r.date_line.font_name.Assign("Arial"); }},
      {"date size", [](StickerRecord& r) { r.date_line.font_size = 20; }},
      {"body font", [](StickerRecord& r) { r.body.font_name.Assign("Arial"); }},
      {"body size", [](StickerRecord& r) { r.body.font_size = 20; }},
      {"date shown", [](StickerRecord& r) { r.date_line.show = r.date_line.show ? 0 : 1; }},
      {"date text", [](StickerRecord& r) { r.date_line.line_text.Assign("01.01.30"); }},
  };
  for (const auto& [name, change] : changes) {
    StickerRecord after = base;
    change(after);
    EXPECT_TRUE(NeedsFullRebuild(base, after)) << name;
  }
}

// Text and look count as an edit; place, expansion, visibility, the window
// and the layout values a window keeps for itself do not.
TEST(EditChanges, SeesTextAndLookButNotPlaceOrState) {
  const StickerRecord base = MakeSticker(5);
  const std::vector<std::tuple<const char*, void (*)(StickerRecord&), bool>> changes = {
      {"text", [](StickerRecord& r) { SetStickerText(r, "pasted"); }, true},
      {"caption", [](StickerRecord& r) { r.caption.line_text.Assign("Caption"); }, true},
      {"body colour", [](StickerRecord& r) { r.body.color = 0x123456; }, true},
      {"style", [](StickerRecord& r) { r.style = 9; }, true},
      {"position", [](StickerRecord& r) { r.position = kPositionTopmost; }, true},
      {"left", [](StickerRecord& r) { r.left = 400; }, false},
      {"expanded", [](StickerRecord& r) { r.expanded = 0; }, false},
      {"visible", [](StickerRecord& r) { r.visible = 0; }, false},
      {"window", [](StickerRecord& r) { r.window = 0x42; }, false},
      {"body layout", [](StickerRecord& r) { r.body.layout_x = 500; }, false},
      {"bytes behind a short string", [](StickerRecord& r) { r.caption.line_text.chars[20] = 'x'; }, false},
  };
  for (const auto& [name, change, counts] : changes) {
    StickerRecord after = base;
    change(after);
    EXPECT_EQ(EditChanges(base, after), counts) << name;
  }
  EXPECT_FALSE(EditChanges(base, base));
}

TEST(RevertEdit, TakesBackWhatTheChangeTouchedAndKeepsWhatCameSince) {
  StickerRecord before = MakeSticker(5);
  before.caption.line_text.Assign("Shopping");
  StickerRecord after = before;
  SetStickerText(after, "a stray paste");
  after.body.color = 0x0000FF;
  StickerRecord stored = after;
  stored.left = 400;                   // moved since
  stored.position = kPositionTopmost;  // pinned since
  stored.expanded = 0;                 // collapsed since
  RevertEdit(stored, before, after);
  EXPECT_EQ(GetStickerText(stored), "note 5");
  EXPECT_EQ(stored.body.color, before.body.color);
  EXPECT_EQ(stored.caption.line_text.View(), "Shopping");
  EXPECT_EQ(stored.left, 400);
  EXPECT_EQ(stored.position, kPositionTopmost);
  EXPECT_EQ(stored.expanded, 0);
}

// A longer text that the change made shorter comes back whole: the length
// and every byte of the buffer are taken back together.
TEST(RevertEdit, BringsBackALongerTextWhole) {
  StickerRecord before = MakeSticker(5);
  SetStickerText(before, std::string(1500, 'n') + "\r\nlast line");
  StickerRecord after = before;
  SetStickerText(after, "x");
  StickerRecord stored = after;
  RevertEdit(stored, before, after);
  EXPECT_EQ(GetStickerText(stored), GetStickerText(before));
  EXPECT_EQ(std::memcmp(stored.text, before.text, kStickerTextCapacity), 0);
}

TEST(CompactRecord, IsReadAtItsOwnOffsetsAndOnlyAtItsSize) {
  std::vector<std::uint8_t> p(kCompactRecordSize, 0);
  const auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(p.data() + at, &v, 4); };
  put32(0, 0x0000FF);
  p[13] = 5;
  std::memcpy(&p[14], "Arial", 5);
  p[62] = 200;  // a length beyond the field reads as the field's capacity
  std::memset(&p[63], 'c', 32);
  put32(192, 0x00FF00);
  p[204] = 12;
  put32(200, 0x333333);
  put32(288, static_cast<std::uint32_t>(-5));
  put32(292, 40);
  p[306] = 7;
  p[314] = 3;
  p[316] = 2;
  put32(324, 4000);
  p[330] = 1;
  StickerRecord copy = NewStickerRecord(0);
  SetStickerText(copy, "kept");
  EXPECT_TRUE(ApplyCompactRecord(copy, p));
  EXPECT_EQ(copy.caption.color, 0x0000FFu);
  EXPECT_EQ(copy.caption.font_name.View(), "Arial");
  EXPECT_EQ(copy.caption.line_text.View(), std::string(32, 'c'));
  EXPECT_EQ(copy.body.color, 0x00FF00u);
  EXPECT_EQ(copy.body.font_size, 12);
  EXPECT_EQ(copy.date_line.shadow_color, 0x333333u);
  EXPECT_EQ(copy.left, -5);
  EXPECT_EQ(copy.top, 40);
  EXPECT_EQ(copy.style, 7);
  EXPECT_EQ(copy.icon, 3);
  EXPECT_EQ(copy.position, 2);
  EXPECT_EQ(copy.hide_interval, 4000);
  EXPECT_EQ(GetStickerText(copy), "kept");
  put32(324, 0);  // an interval of 0 would keep the window hidden for good
  EXPECT_TRUE(ApplyCompactRecord(copy, p));
  EXPECT_EQ(copy.hide_interval, kInitialHideInterval);
  put32(324, static_cast<std::uint32_t>(-20));
  EXPECT_TRUE(ApplyCompactRecord(copy, p));
  EXPECT_EQ(copy.hide_interval, kInitialHideInterval);
  p.pop_back();
  EXPECT_FALSE(ApplyCompactRecord(copy, p));
}

TEST(DeliveredStrings, StopAtTheZeroOrThePayloadAndFitTheirField) {
  const std::vector<std::uint8_t> unterminated = {'a', 'b', 'c'};
  EXPECT_EQ(PayloadString(unterminated), "abc");
  const std::vector<std::uint8_t> terminated = {'a', 0, 'c'};
  EXPECT_EQ(PayloadString(terminated), "a");
  StickerRecord copy = NewStickerRecord(0);
  SetStickerText(copy, "old");
  EXPECT_FALSE(ApplyDeliveredString(copy, 1, std::string(50, 'x')));
  EXPECT_EQ(copy.caption.line_text.View().size(), 32u);
  EXPECT_FALSE(ApplyDeliveredString(copy, 0, std::string(60, 'f')));
  EXPECT_EQ(copy.caption.font_name.View().size(), 48u);
  EXPECT_FALSE(ApplyDeliveredString(copy, 2, "old"));
  EXPECT_TRUE(ApplyDeliveredString(copy, 2, std::string(3000, 't')));
  EXPECT_EQ(copy.text_length, kStickerTextCapacity);
  EXPECT_FALSE(ApplyDeliveredString(copy, 5, "ignored"));
  EXPECT_FALSE(ApplyDeliveredString(copy, -1, "ignored"));
}

// An edit that the window would not take would reach base.db and stay
// unseen until the next start; one that is not stored would be lost when
// another computer's base.db is merged; fields that overlap would copy one
// another's bytes.
TEST(RecordFields, EveryEditReachesTheWindowAndTheMergeAndNoFieldsOverlap) {
  std::vector<int> owner(kStickerRecordSize, -1);
  int index = 0;
  for (const RecordField& f : StickerRecordFields()) {
    if (f.rules & kRuleEdited) EXPECT_TRUE(f.rules & kRuleDelivered) << "field at " << f.offset;
    if (f.rules & (kRuleEdited | kRuleTyped)) {
      EXPECT_TRUE(f.rules & kRuleStored) << "field at " << f.offset;
    }
    ASSERT_LE(f.offset + f.size, kStickerRecordSize);
    for (std::size_t at = f.offset; at < f.offset + f.size; ++at) {
      EXPECT_EQ(owner[at], -1) << "byte " << at;
      owner[at] = index;
    }
    ++index;
  }
  for (const CompactField& f : CompactRecordFields()) {
    EXPECT_LE(f.from + f.fromSize, kCompactRecordSize);
    EXPECT_LE(f.to + f.toSize, kStickerRecordSize);
    EXPECT_LE(f.fromSize, f.toSize) << "compact field at " << f.from;
  }
}

}  // namespace
