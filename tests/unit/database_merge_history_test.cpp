// Random histories of two computers that start from one base.db and change
// it on their own: move, recolour, hide, retype, delete and make stickers,
// often the same ones and with the same words, and now and then up to a
// full store. Whatever happened, merging the other's file into ours must
// lose nothing either side made and keep ids unique, and must change nothing
// when the file is as known or is merged a second time.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "store/database_merge.h"
#include "store/record_merge.h"
#include "support/sticker_samples.h"

namespace {

constexpr int kHistories = 2000;
constexpr int kFullStoreEvery = 50;
constexpr std::int32_t kFirstBaseId = 100;
constexpr std::int32_t kFirstNewId = 5000;  // both sides make stickers in the same few seconds
constexpr int kNewIds = 12;
constexpr std::uint32_t kWindowOfId = 7;

const char* const kBodies[] = {"", "milk", "bread", "call Anna", "milk\r\nbread"};
const char* const kCaptions[] = {"", "todo", "idea"};
const Colour kColours[] = {0x203040, 0x405060, 0x607080};

using Records = std::vector<StickerRecord>;

bool SameSticker(const StickerRecord& a, const StickerRecord& b) { return !FieldsDiffer(a, b, kRuleStored); }
bool SameTexts(const StickerRecord& a, const StickerRecord& b) { return !FieldsDiffer(a, b, kRuleTyped); }
bool HasTexts(const StickerRecord& r) { return r.caption.line_text.length || r.date_line.line_text.length || r.text_length; }

const StickerRecord* WithId(const Records& records, std::int32_t id) {
  const auto found = std::find_if(records.begin(), records.end(), [&](const StickerRecord& r) { return r.id == id; });
  return found == records.end() ? nullptr : &*found;
}

class History {
 public:
  explicit History(unsigned seed) : random_(seed) {}

  Records Base(bool full) {
    const int count = full ? Between(kStickerSlotCount - 40, kStickerSlotCount) : Between(0, 8);
    Records base;
    for (int i = 0; i < count; ++i) base.push_back(Made(kFirstBaseId + i));
    return base;
  }

  // The base as one computer left it after a few changes.
  Records Replica(Records records) {
    for (int edits = Between(0, 6); edits > 0; --edits) Edit(records);
    return records;
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <typename T, std::size_t N>
  const T& OneOf(const T (&choices)[N]) { return choices[Between(0, N - 1)]; }

  StickerRecord Made(std::int32_t id) {
    StickerRecord r = NewStickerRecord(OneOf(kColours));
    r.id = id;
    r.visible = 1;
    r.left = 10 * Between(0, 3);
    r.top = 10 * Between(0, 3);
    SetStickerText(r, OneOf(kBodies));
    r.caption.line_text.Assign(OneOf(kCaptions));
    return r;
  }

  void Edit(Records& records) {
    const int what = Between(0, 6);
    if (what == 6 || records.empty()) {
      const std::int32_t id = kFirstNewId + Between(0, kNewIds - 1);
      if (!WithId(records, id) && records.size() < static_cast<std::size_t>(kStickerSlotCount))
        records.push_back(Made(id));
      return;
    }
    const auto at = records.begin() + Between(0, static_cast<int>(records.size()) - 1);
    switch (what) {
      case 0: at->left += 10; break;
      case 1: at->color = OneOf(kColours); break;
      case 2: at->visible ^= 1; break;
      case 3: SetStickerText(*at, OneOf(kBodies)); break;
      case 4: at->caption.line_text.Assign(OneOf(kCaptions)); break;
      default: records.erase(at); break;
    }
  }

  std::mt19937 random_;
};

// A store for one step of a history. Stores are large: each is made once and
// refilled for every history, and only used slots are copied and compared.
class Store {
 public:
  void Fill(const Records& ours) {
    store_->ResetStickers();
    for (StickerRecord r : ours) {
      r.window = kWindowOfId * static_cast<std::uint32_t>(r.id);
      store_->AddRecordUnchanged(r);
    }
  }
  void CopyOf(const Store& other) {
    for (int slot = 0; slot < kStickerSlotCount; ++slot) {
      const StickerRecord& from = other.store_->Sticker(slot);
      if (from.in_use) store_->Sticker(slot) = from;
      else store_->Sticker(slot).in_use = 0;
    }
  }
  bool Same(const Store& other) const {
    for (int slot = 0; slot < kStickerSlotCount; ++slot) {
      const StickerRecord &a = store_->Sticker(slot), &b = other.store_->Sticker(slot);
      if (a.in_use != b.in_use || (a.in_use && std::memcmp(&a, &b, sizeof a) != 0)) return false;
    }
    return true;
  }
  // The stickers of the store and those handed back.
  Records All(const StickerMergeReport& report) const {
    Records all = report.unplaced;
    all.reserve(all.size() + static_cast<std::size_t>(store_->CountStickers()));
    for (int slot = 0; slot < kStickerSlotCount; ++slot)
      if (store_->Sticker(slot).in_use) all.push_back(store_->Sticker(slot));
    return all;
  }
  Tmassiv& operator*() { return *store_; }
  const StickerRecord& Sticker(int slot) const { return store_->Sticker(slot); }

 private:
  std::unique_ptr<Tmassiv> store_ = std::make_unique<Tmassiv>();
};

bool Holds(const Records& all, const StickerRecord& r, bool (*same)(const StickerRecord&, const StickerRecord&)) {
  return std::any_of(all.begin(), all.end(), [&](const StickerRecord& x) { return same(x, r); });
}

// What one side did to each sticker, against the base, must show in the result.
void ExpectKept(const Records& all, const Records& base, const Records& side, const Records& other,
                const std::string& sideName) {
  for (const StickerRecord& r : side) {
    const StickerRecord* was = WithId(base, r.id);
    const StickerRecord* there = WithId(other, r.id);
    if (was && SameSticker(r, *was)) continue;  // untouched here: the other side decides
    const bool typedHere = !was || !SameTexts(r, *was);
    if (typedHere && HasTexts(r)) {
      EXPECT_TRUE(Holds(all, r, SameTexts)) << sideName << " texts of " << r.id << " lost";
    }
    const bool otherLeftIt = was && (!there || SameSticker(*there, *was));
    const bool madeHereOnly = !was && !there;
    if (otherLeftIt || madeHereOnly) {
      EXPECT_TRUE(Holds(all, r, SameSticker)) << sideName << " sticker " << r.id << " lost";
    }
  }
  for (const StickerRecord& b : base) {
    const StickerRecord* here = WithId(side, b.id);
    const StickerRecord* there = WithId(other, b.id);
    if (!here && there && SameSticker(*there, b)) {
      EXPECT_FALSE(WithId(all, b.id)) << sideName << " deleted " << b.id << " but it stayed";
    }
    if (here && there && SameSticker(*here, b) && SameSticker(*there, b)) {
      const StickerRecord* kept = WithId(all, b.id);
      EXPECT_TRUE(kept && SameSticker(*kept, b)) << "untouched " << b.id << " changed";
    }
  }
}

void ExpectUniqueIds(const Records& all) {
  std::set<std::int32_t> ids;
  for (const StickerRecord& r : all) EXPECT_TRUE(ids.insert(r.id).second) << "id " << r.id << " twice";
}

TEST(DatabaseMergeHistories, NothingMadeIsLostAndMergingAgainChangesNothing) {
  Store before, unchanged, result, again, copied, copiedAgain;
  for (int seed = 0; seed < kHistories; ++seed) {
    SCOPED_TRACE("history " + std::to_string(seed));
    History history(static_cast<unsigned>(seed));
    const Records base = history.Base(seed % kFullStoreEvery == 0);
    const Records ours = history.Replica(base), theirs = history.Replica(base);
    const std::vector<std::uint8_t> baseImage = DatabaseImageOf(base), theirImage = DatabaseImageOf(theirs);
    before.Fill(ours);

    unchanged.CopyOf(before);
    EXPECT_FALSE(MergeDatabaseImage(*unchanged, baseImage, baseImage).StoreChanged());
    EXPECT_TRUE(unchanged.Same(before)) << "a file as known changed the store";

    result.CopyOf(before);
    const StickerMergeReport report = MergeDatabaseImage(*result, baseImage, theirImage);
    const Records all = result.All(report);
    ExpectUniqueIds(all);
    ExpectKept(all, base, ours, theirs, "ours");
    ExpectKept(all, base, theirs, ours, "theirs");
    for (int slot = 0; slot < kStickerSlotCount; ++slot) {
      const StickerRecord& r = result.Sticker(slot);
      if (r.in_use && before.Sticker(slot).in_use && r.id == before.Sticker(slot).id) {
        EXPECT_EQ(r.window, kWindowOfId * static_cast<std::uint32_t>(r.id)) << "window of " << r.id;
      }
    }

    again.CopyOf(result);
    EXPECT_FALSE(MergeDatabaseImage(*again, baseImage, theirImage).StoreChanged());
    EXPECT_TRUE(again.Same(result)) << "the same file merged twice changed the store";

    // Their file as a conflict copy: it only adds, and only once.
    copied.CopyOf(before);
    const StickerMergeReport fromCopy = MergeDatabaseCopy(*copied, theirImage);
    EXPECT_TRUE(fromCopy.removed.empty() && fromCopy.changedSlots.empty());
    const Records withCopy = copied.All(fromCopy);
    for (const StickerRecord& r : theirs)
      if (HasTexts(r)) {
        EXPECT_TRUE(Holds(withCopy, r, SameTexts)) << "copy's texts of " << r.id << " lost";
      }
    copiedAgain.CopyOf(copied);
    EXPECT_FALSE(MergeDatabaseCopy(*copiedAgain, theirImage).StoreChanged());
    if (HasFailure()) return;
  }
}

}  // namespace
