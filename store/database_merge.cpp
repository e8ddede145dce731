#include "store/database_merge.h"

#include <cstring>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "store/record_merge.h"
#include "store/sticker_database.h"

namespace {

// An id and which of the records with that id, in order, a record is.
using Key = std::uint64_t;

class KeyCounter {
 public:
  Key Next(std::int32_t id) { return static_cast<Key>(static_cast<std::uint32_t>(id)) << 32 | seen_[id]++; }

 private:
  std::unordered_map<std::int32_t, std::uint32_t> seen_;
};

// The records of one side of the merge, found by key.
class Side {
 public:
  explicit Side(std::span<const std::uint8_t> image) : records_(DatabaseRecords(image)) {
    KeyCounter counter;
    keys_.reserve(records_.size());
    index_.reserve(records_.size());
    for (std::size_t i = 0; i < records_.size(); ++i) {
      keys_.push_back(counter.Next(records_[i].id));
      index_.emplace(keys_.back(), i);
    }
  }

  const StickerRecord* Find(Key key) const {
    const auto found = index_.find(key);
    return found == index_.end() ? nullptr : &records_[found->second];
  }
  std::size_t Size() const { return records_.size(); }
  const StickerRecord& Record(std::size_t i) const { return records_[i]; }
  Key KeyAt(std::size_t i) const { return keys_[i]; }

 private:
  std::vector<StickerRecord> records_;
  std::vector<Key> keys_;
  std::unordered_map<Key, std::size_t> index_;
};

bool Differs(const StickerRecord& a, const StickerRecord& b) { return FieldsDiffer(a, b, kRuleStored); }
bool LookDiffers(const StickerRecord& a, const StickerRecord& b) { return FieldsDiffer(a, b, kRuleStored, kRuleTyped); }
bool TextsDiffer(const StickerRecord& a, const StickerRecord& b) { return FieldsDiffer(a, b, kRuleTyped); }

bool HasTexts(const StickerRecord& record) {
  return record.caption.line_text.length || record.date_line.line_text.length || record.text_length;
}

// Which parts of a sticker one side changed against the base.
struct Changes {
  bool look, texts;
  Changes(const StickerRecord& side, const StickerRecord& base)
      : look(LookDiffers(side, base)), texts(TextsDiffer(side, base)) {}
};

// Each part of the record, the texts and the rest, is the file's where only
// the file changed it, and ours otherwise.
StickerRecord Merged(const StickerRecord& ours, Changes here, const StickerRecord& theirs, Changes there) {
  StickerRecord merged = ours;
  if (there.look && !here.look) {
    merged = theirs;
    CopyFields(merged, ours, kRuleTyped);
  }
  if (there.texts && !here.texts) CopyFields(merged, theirs, kRuleTyped);
  merged.window = ours.window;
  merged.id = ours.id;
  merged.in_use = ours.in_use;
  return merged;
}

// A record on its way into the store.
struct Arrival {
  enum Kind {
    kSticker,  // a sticker of the file's, under its own id while that is free
    kTexts,    // the file's texts that differ from ours, at our sticker's place
  } kind;
  StickerRecord record;
};

Arrival TextsBeside(const StickerRecord& ours, const StickerRecord& theirs) {
  Arrival arrival{Arrival::kTexts, theirs};
  arrival.record.left = ours.left;
  arrival.record.top = ours.top;
  return arrival;
}

class DatabaseMerge {
 public:
  DatabaseMerge(Tmassiv& store, std::optional<Side> base, Side theirs)
      : store_(store), base_(std::move(base)), theirs_(std::move(theirs)) {}

  StickerMergeReport Run() {
    CollectIds();
    MergeOurs();
    CollectTheirsOnly();
    for (const Arrival& arrival : arrivals_) Bring(arrival);
    return std::move(report_);
  }

 private:
  void CollectIds() {
    for (int slot = 0; slot < kStickerSlotCount; ++slot)
      if (store_.Sticker(slot).in_use) ids_.insert(store_.Sticker(slot).id);
    for (const Side* side : {base_ ? &*base_ : nullptr, &theirs_})
      for (std::size_t i = 0; side && i < side->Size(); ++i) ids_.insert(side->Record(i).id);
  }

  // Our stickers, slot by slot: changed, deleted, or met by one of the file's.
  void MergeOurs() {
    KeyCounter counter;
    for (int slot = 0; slot < kStickerSlotCount; ++slot) {
      StickerRecord& ours = store_.Sticker(slot);
      if (!ours.in_use) continue;
      const Key key = counter.Next(ours.id);
      ourKeys_.insert(key);
      const StickerRecord* theirs = theirs_.Find(key);
      if (!base_) {
        if (theirs && TextsDiffer(ours, *theirs)) arrivals_.push_back(TextsBeside(ours, *theirs));
        continue;
      }
      const StickerRecord* base = base_->Find(key);
      if (base && theirs) {
        MergeBoth(slot, *base, *theirs);
      } else if (base) {
        if (!Differs(ours, *base)) Remove(slot);
      } else if (theirs && Differs(ours, *theirs)) {
        arrivals_.push_back({Arrival::kSticker, *theirs});
      }
    }
  }

  void MergeBoth(int slot, const StickerRecord& base, const StickerRecord& theirs) {
    StickerRecord& ours = store_.Sticker(slot);
    const Changes here(ours, base), there(theirs, base);
    const bool textsClash = here.texts && there.texts && TextsDiffer(ours, theirs);
    const StickerRecord merged = Merged(ours, here, theirs, there);
    if (std::memcmp(&merged, &ours, sizeof merged) != 0) {
      ours = merged;
      report_.changedSlots.push_back(slot);
    }
    if (textsClash) arrivals_.push_back(TextsBeside(ours, theirs));
  }

  void Remove(int slot) {
    report_.removed.push_back(store_.Sticker(slot));
    store_.Sticker(slot).in_use = 0;
  }

  // The file's stickers that none of ours meets: made there, or deleted here.
  void CollectTheirsOnly() {
    for (std::size_t i = 0; i < theirs_.Size(); ++i) {
      const Key key = theirs_.KeyAt(i);
      if (ourKeys_.count(key)) continue;
      const StickerRecord* base = base_ ? base_->Find(key) : nullptr;
      const StickerRecord& theirs = theirs_.Record(i);
      if (!base || Differs(theirs, *base)) arrivals_.push_back({Arrival::kSticker, theirs});
    }
  }

  void Bring(const Arrival& arrival) {
    StickerRecord record = arrival.record;
    if (arrival.kind == Arrival::kTexts) {
      if (!HasTexts(record) || StoreHolds(record, kRuleTyped)) return;
      record = DuplicateOf(record, NewId(record.id));
    } else {
      if (StoreHolds(record, kRuleStored)) return;
      if (store_.FindSticker(record.id) >= 0) record.id = NewId(record.id);
    }
    const int slot = store_.AddRecord(record);
    if (slot < 0) {
      report_.unplaced.push_back(record);
      return;
    }
    report_.addedSlots.push_back(slot);
  }

  // Whether a sticker of the store, under whatever id, equals the record in
  // every field of the rule. Both rules take in the body text, whose length
  // tells most stickers apart at once.
  bool StoreHolds(const StickerRecord& record, RecordRule rule) const {
    for (int slot = 0; slot < kStickerSlotCount; ++slot) {
      const StickerRecord& held = store_.Sticker(slot);
      if (held.in_use && GetStickerText(held).size() == GetStickerText(record).size() && !FieldsDiffer(held, record, rule)) return true;
    }
    return false;
  }

  // The first id after `taken` that no side has used; never 0 or -1, which
  // stand for "no sticker" elsewhere.
  std::int32_t NewId(std::int32_t taken) {
    std::uint32_t id = static_cast<std::uint32_t>(taken);  // wraps rather than overflows
    do ++id;
    while (id == 0 || id == ~0u || ids_.count(static_cast<std::int32_t>(id)));
    ids_.insert(static_cast<std::int32_t>(id));
    return static_cast<std::int32_t>(id);
  }

  Tmassiv& store_;
  std::optional<Side> base_;  // none for a conflict copy
  Side theirs_;
  std::unordered_set<std::int32_t> ids_;  // every id either side or the base holds, and each one given
  std::unordered_set<Key> ourKeys_;
  std::vector<Arrival> arrivals_;
  StickerMergeReport report_;
};

}  // namespace

StickerMergeReport MergeDatabaseImage(Tmassiv& store, std::span<const std::uint8_t> base,
                                      std::span<const std::uint8_t> theirs) {
  return DatabaseMerge(store, Side(base), Side(theirs)).Run();
}

StickerMergeReport MergeDatabaseCopy(Tmassiv& store, std::span<const std::uint8_t> copy) {
  return DatabaseMerge(store, std::nullopt, Side(copy)).Run();
}
