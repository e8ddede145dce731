#pragma once
// Another computer's base.db merged into the store, sticker by sticker.
//
// A sticker is known by its id (and, where an old file gives several stickers
// one id, by which of them it is in order). What counts as a change is what
// the field table marks stored: look, place, shown or hidden, texts; never the
// window handle, the stored size or the unread layout values. A record is two
// parts, its texts and everything else, and each part merges on its own
// against the base, the file as this program last read or wrote it:
// - changed only in the file: the file's part is taken;
// - changed only here: ours stays;
// - changed on both sides: ours stays, and when both changed the texts to
//   different ones, the file's sticker comes in as well, as a new sticker
//   beside ours, so that nothing typed is lost;
// - made on both sides under one id (two computers in the same second): both
//   stay, the file's under a new id;
// - deleted on one side and unchanged on the other: deleted;
// - deleted on one side and changed on the other: kept, as changed.
// Ids stay unique: whatever comes in under an id the store holds gets an id
// that neither side nor the base has used. Nothing comes in twice: a sticker
// the store already holds under another id, or a text another sticker
// already has, is not added again, so merging the same file again changes
// nothing.
//
// The store holds 256 stickers. What a merge cannot place is never dropped:
// it is handed back for the caller to keep in a file of its own.

#include <cstdint>
#include <span>
#include <vector>

#include "store/tmassiv.h"

struct StickerMergeReport {
  std::vector<int> changedSlots;        // now hold changes from the file; `window` is still this run's
  std::vector<int> addedSlots;          // new in the store, without a window yet
  std::vector<StickerRecord> removed;   // deleted in the file, as they were here, `window` included
  std::vector<StickerRecord> unplaced;  // came in but found no free slot

  bool StoreChanged() const { return !changedSlots.empty() || !addedSlots.empty() || !removed.empty(); }
};

// `base`: the file's bytes as this program last read or wrote them (empty for
// a file it never found); `theirs`: the file's bytes now.
StickerMergeReport MergeDatabaseImage(Tmassiv& store, std::span<const std::uint8_t> base,
                                      std::span<const std::uint8_t> theirs);

// A conflict copy, with no base to tell who changed what: stickers only the
// copy has come in; where both have a sticker, ours stays, and the copy's
// comes in beside it when their texts differ. Nothing is deleted.
StickerMergeReport MergeDatabaseCopy(Tmassiv& store, std::span<const std::uint8_t> copy);
