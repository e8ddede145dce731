// Another computer's base.db merged into the store: each rule once, what
// counts as a change, the full store and conflict copies.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "store/database_merge.h"
#include "support/sticker_samples.h"

namespace {

constexpr std::uint32_t kOurWindow = 0x5150;

StickerRecord Moved(StickerRecord r, int dx) {
  r.left += dx;
  r.top += dx;
  return r;
}
StickerRecord Retyped(StickerRecord r, const std::string& text) {
  SetStickerText(r, text);
  return r;
}
StickerRecord Recoloured(StickerRecord r, Colour color) {
  r.color = color;
  return r;
}
StickerRecord Shown(StickerRecord r, bool visible) {
  r.visible = visible ? 1 : 0;
  return r;
}

StickerRecord Placed(std::int32_t id) {
  StickerRecord r = MakeSticker(id);
  r.left = 100;
  r.top = 200;
  return r;
}

class DatabaseMergeTest : public ::testing::Test {
 protected:
  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();

  void Have(const std::vector<StickerRecord>& records) {
    for (StickerRecord r : records) {
      r.window = kOurWindow + static_cast<std::uint32_t>(r.id);
      ASSERT_GE(store->AddRecordUnchanged(r), 0);
    }
  }
  StickerMergeReport Merge(const std::vector<StickerRecord>& base, const std::vector<StickerRecord>& theirs) {
    return MergeDatabaseImage(*store, DatabaseImageOf(base), DatabaseImageOf(theirs));
  }
  std::vector<StickerRecord> Stickers() const {
    std::vector<StickerRecord> used;
    for (int slot = 0; slot < kStickerSlotCount; ++slot)
      if (store->Sticker(slot).in_use) used.push_back(store->Sticker(slot));
    return used;
  }
  const StickerRecord& ById(std::int32_t id) const {
    const int slot = store->FindSticker(id);
    EXPECT_GE(slot, 0) << "no sticker " << id;
    return store->Sticker(slot < 0 ? 0 : slot);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const StickerRecord& r : Stickers()) texts.emplace_back(GetStickerText(r));
    return texts;
  }
};

TEST_F(DatabaseMergeTest, AChangeMadeOnOneSideOnlyWins) {
  const StickerRecord a = Placed(1), b = Placed(2);
  Have({Moved(a, 30), b});
  const StickerMergeReport report = Merge({a, b}, {a, Retyped(Recoloured(b, 0x102030), "theirs")});
  ASSERT_EQ(Stickers().size(), 2u);
  EXPECT_EQ(ById(1).left, 130);  // ours, untouched there
  EXPECT_EQ(GetStickerText(ById(2)), "theirs");
  EXPECT_EQ(ById(2).color, 0x102030u);
  EXPECT_EQ(ById(2).window, kOurWindow + 2);  // the window stays this run's
  EXPECT_EQ(report.changedSlots, std::vector<int>{1});
  EXPECT_TRUE(report.addedSlots.empty() && report.removed.empty() && report.unplaced.empty());
}

// Shown and hidden merge like any change: hidden there is hidden here, and
// shown here while it was moved there keeps both.
TEST_F(DatabaseMergeTest, HidingAndShowingMergeLikeAnyChange) {
  const StickerRecord a = Placed(1), b = Placed(2);
  Have({a, Retyped(b, "typed here")});
  Merge({a, b}, {Shown(a, false), Shown(b, false)});
  EXPECT_EQ(ById(1).visible, 0);
  EXPECT_EQ(ById(2).visible, 0);  // only the texts changed here
  EXPECT_EQ(GetStickerText(ById(2)), "typed here");
}

// Both sides changed one sticker: each part goes to the side that changed
// it; where both changed the look, ours stays.
TEST_F(DatabaseMergeTest, ChangedOnBothSidesKeepsOurLookAndEitherTexts) {
  const StickerRecord a = Placed(1), b = Placed(2), c = Placed(3);
  Have({Moved(a, 30), Retyped(b, "ours"), Shown(Moved(c, 5), false)});
  const StickerMergeReport report =
      Merge({a, b, c}, {Retyped(a, "theirs"), Recoloured(b, 0x0A0B0C), Recoloured(Moved(c, 60), 0x0A0B0C)});
  ASSERT_EQ(Stickers().size(), 3u);
  EXPECT_EQ(ById(1).left, 130);
  EXPECT_EQ(GetStickerText(ById(1)), "theirs");
  EXPECT_EQ(ById(2).color, 0x0A0B0Cu);
  EXPECT_EQ(GetStickerText(ById(2)), "ours");
  EXPECT_EQ(ById(3).left, 105);  // both changed the look: ours, all of it
  EXPECT_EQ(ById(3).color, c.color);
  EXPECT_EQ(ById(3).visible, 0);
  EXPECT_EQ(report.changedSlots, (std::vector<int>{0, 1}));
}

// Both retyped one sticker differently: theirs comes in beside ours, shown,
// with an id no side has used, while ours takes the look only they changed;
// retyped alike, or emptied there, nothing comes in.
TEST_F(DatabaseMergeTest, TextsChangedOnBothSidesKeepTheirsBesideOurs) {
  const StickerRecord a = Placed(1), b = Placed(2), c = Placed(3);
  StickerRecord theirsA = Shown(Recoloured(Retyped(a, "theirs"), 0x0A0B0C), false);
  theirsA.caption.line_text.Assign("their caption");
  Have({Retyped(a, "ours"), Retyped(b, "alike"), Retyped(c, "ours too")});
  const StickerMergeReport report = Merge({a, b, c}, {theirsA, Retyped(b, "alike"), Retyped(c, "")});
  ASSERT_EQ(Stickers().size(), 4u);
  EXPECT_EQ(GetStickerText(ById(1)), "ours");
  EXPECT_EQ(ById(1).color, 0x0A0B0Cu);
  EXPECT_EQ(ById(1).visible, 0);
  EXPECT_EQ(report.changedSlots, std::vector<int>{0});
  ASSERT_EQ(report.addedSlots.size(), 1u);
  const StickerRecord& beside = store->Sticker(report.addedSlots[0]);
  EXPECT_EQ(GetStickerText(beside), "theirs");
  EXPECT_EQ(beside.caption.line_text.View(), "their caption");
  EXPECT_EQ(beside.color, 0x0A0B0Cu);
  EXPECT_EQ(beside.left, 118);
  EXPECT_EQ(beside.top, 218);
  EXPECT_EQ(beside.visible, 1);
  EXPECT_EQ(beside.window, 0u);
  EXPECT_EQ(beside.id, 4);
}

TEST_F(DatabaseMergeTest, MadeOnBothSidesUnderOneIdKeepsBothOnce) {
  Have({Retyped(Placed(7), "ours"), Placed(8)});
  // Their 9 was ours once and deleted: a new id must not be 9 either, or a
  // later merge would take it for that sticker.
  const StickerMergeReport report = Merge({Placed(9)}, {Retyped(Placed(7), "theirs"), Placed(8)});
  ASSERT_EQ(Stickers().size(), 3u);
  EXPECT_EQ(GetStickerText(ById(7)), "ours");
  ASSERT_EQ(report.addedSlots.size(), 1u);
  const StickerRecord& theirs = store->Sticker(report.addedSlots[0]);
  EXPECT_EQ(GetStickerText(theirs), "theirs");
  EXPECT_EQ(theirs.id, 10);
  EXPECT_EQ(theirs.left, 100);  // the file's own record, only its id is new
}

TEST_F(DatabaseMergeTest, DeletedOnOneSideGoesOnlyIfTheOtherLeftItAlone) {
  const StickerRecord a = Placed(1), b = Placed(2), c = Placed(3), d = Placed(4);
  // Here: 1 changed, 2 untouched, 3 and 4 deleted. There: 1 and 2 deleted,
  // 3 changed, 4 untouched.
  Have({Moved(a, 30), b});
  const StickerMergeReport report = Merge({a, b, c, d}, {Retyped(c, "changed there"), d});
  ASSERT_EQ(Stickers().size(), 2u);
  EXPECT_EQ(ById(1).left, 130);
  EXPECT_EQ(store->FindSticker(2), -1);
  EXPECT_EQ(GetStickerText(ById(3)), "changed there");
  EXPECT_EQ(store->FindSticker(4), -1);
  ASSERT_EQ(report.removed.size(), 1u);
  EXPECT_EQ(report.removed[0].id, 2);
  EXPECT_EQ(report.removed[0].window, kOurWindow + 2);  // so that its window can be closed
  EXPECT_EQ(report.addedSlots, std::vector<int>{1});  // 3 takes the slot 2 left
}

// Bytes that are no part of what the user made: the window handle, the
// stored size, the unread layout values, reserved bytes, and whatever lies
// behind the characters of a text. A file that differs from the base only in
// them leaves the store exactly as it was.
TEST_F(DatabaseMergeTest, RunTimeAndUnreadBytesAreNoChange) {
  const StickerRecord a = Placed(1);
  StickerRecord theirs = a;
  theirs.window = 0xDEAD;
  theirs.width += 40;
  theirs.height += 40;
  theirs.body.layout_x = 99;
  theirs.caption.layout_width = 99;
  theirs.caption.font_size = 30;
  theirs.body.line_text.Assign("means nothing");
  theirs.reserved399[5] = 1;
  theirs.reserved2524[0] = 1;
  theirs.in_use = 0;
  theirs.text[kStickerTextCapacity - 1] = '#';
  theirs.caption.line_text.chars[30] = '#';
  Have({Moved(a, 30)});
  const std::vector<StickerRecord> before = Stickers();
  const StickerMergeReport report = Merge({a}, {theirs});
  EXPECT_FALSE(report.StoreChanged());
  EXPECT_EQ(std::memcmp(&Stickers()[0], &before[0], kStickerRecordSize), 0);

  // The same bytes changed here are no change either: their move is taken.
  store->Sticker(0) = a;
  store->Sticker(0).in_use = 1;
  store->Sticker(0).width += 7;
  store->Sticker(0).text[kStickerTextCapacity - 1] = '#';
  EXPECT_EQ(Merge({a}, {Moved(a, 60)}).changedSlots, std::vector<int>{0});
  EXPECT_EQ(ById(1).left, 160);
}

// The store is full: what cannot be placed comes back in the report, every
// record of it, and a slot freed by the same merge is used first.
TEST_F(DatabaseMergeTest, WhatFindsNoSlotIsHandedBackNotDropped) {
  std::vector<StickerRecord> base;
  for (int id = 1; id <= kStickerSlotCount; ++id) base.push_back(Placed(id));
  Have(base);
  std::vector<StickerRecord> theirs(base.begin() + 1, base.end());  // 1 deleted there
  for (int id = 1001; id <= 1004; ++id) theirs.push_back(Retyped(Placed(id), "new " + std::to_string(id)));
  const StickerMergeReport report = Merge(base, theirs);
  EXPECT_EQ(store->CountStickers(), kStickerSlotCount);
  EXPECT_EQ(GetStickerText(store->Sticker(0)), "new 1001");
  ASSERT_EQ(report.unplaced.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(GetStickerText(report.unplaced[static_cast<std::size_t>(i)]), "new " + std::to_string(1002 + i));
}

// An old file may give several stickers one id: they keep to their order,
// and none comes in under an id the store already holds.
TEST_F(DatabaseMergeTest, SharedIdsInAFileComeInUnderIdsOfTheirOwn) {
  Have({Placed(5)});
  Merge({Placed(5)}, {Placed(5), Retyped(Placed(5), "second"), Retyped(Placed(5), "third")});
  const std::vector<StickerRecord> result = Stickers();
  ASSERT_EQ(result.size(), 3u);
  std::set<std::int32_t> ids;
  for (const StickerRecord& r : result) ids.insert(r.id);
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"note 5", "second", "third"}));
}

// A conflict copy has no base: it adds what it alone has and its different
// texts, never deletes and never moves ours; merged twice, it adds nothing.
TEST_F(DatabaseMergeTest, AConflictCopyAddsButNeverDeletes) {
  const StickerRecord a = Placed(1), b = Placed(2), c = Placed(3);
  Have({a, b, c});
  const std::vector<StickerRecord> copy = {Moved(a, 50), Retyped(b, "copy"), Retyped(Placed(4), "only there")};
  const StickerMergeReport first = MergeDatabaseCopy(*store, DatabaseImageOf(copy));
  EXPECT_TRUE(first.removed.empty() && first.changedSlots.empty());
  EXPECT_EQ(ById(1).left, 100);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"note 1", "note 2", "note 3", "copy", "only there"}));
  const StickerMergeReport second = MergeDatabaseCopy(*store, DatabaseImageOf(copy));
  EXPECT_FALSE(second.StoreChanged());
}

}  // namespace
