#pragma once
// Copying parts of one sticker record into another: what an edit changes,
// what a duplicate gets, and what a sticker window keeps of a record it is
// sent.

#include <cstdint>
#include <span>
#include <string_view>

#include "store/compact_record.h"
#include "store/record_fields.h"
#include "store/sticker_record.h"

// Every field of the rule, byte for byte.
void CopyFields(StickerRecord& to, const StickerRecord& from, RecordRule rule);
// Whether a field of the rule that takes part in none of the `except` rules
// differs, each compared as its kind says.
bool FieldsDiffer(const StickerRecord& a, const StickerRecord& b, RecordRule rule, unsigned except = 0);

// The appearance and text of an edited record merged into the stored one;
// window, bounds, expanded, visible, id, layout values and reserved bytes stay.
void MergeStickerSettings(StickerRecord& stored, const StickerRecord& edited);

// A copy 18 pixels right and down of the original, visible, with a new id.
StickerRecord DuplicateOf(const StickerRecord& original, std::int32_t newId);

// A sticker window's copy of a delivered record: the defaults of a new record
// with the delivered colours, fonts, texts and settings. What the window owns
// itself (handle, id, bounds, visibility) comes from its current copy.
StickerRecord WindowCopyOf(const StickerRecord& delivered, const StickerRecord& current);

// Whether the change from one window copy to the next needs a new frame and
// layout, not only a redraw.
bool NeedsFullRebuild(const StickerRecord& before, const StickerRecord& after);

// Whether the change from `before` to `after` touched anything an edit
// carries (text and look), as opposed to place, expansion or visibility.
bool EditChanges(const StickerRecord& before, const StickerRecord& after);
// Takes back one change: each field an edit carries that differs between
// `before` and `after` gets its `before` value in `stored`. Fields the change
// left alone keep whatever they hold now, so a later move, pin click or
// collapse survives.
void RevertEdit(StickerRecord& stored, const StickerRecord& before, const StickerRecord& after);

// A sticker window's hide interval: a delivered value of 0 or less (which
// would hide the window for good) becomes the interval a window starts with.
inline constexpr std::int32_t kInitialHideInterval = 3000;
constexpr std::int32_t NormalHideInterval(std::int32_t delivered) {
  return delivered > 0 ? delivered : kInitialHideInterval;
}

// Takes the settings of a compact record (see compact_record.h) into the
// copy; false when the payload is not one.
bool ApplyCompactRecord(StickerRecord& copy, std::span<const std::uint8_t> payload);

// A string sent to a sticker window: the bytes up to the first zero, never
// beyond the payload.
std::string_view PayloadString(std::span<const std::uint8_t> payload);

// Which field a delivered string replaces.
enum class DeliveredString { kCaptionFont = 0, kCaption = 1, kBodyText = 2, kBodyFont = 3, kDateText = 4 };
// Stores the string in its field, cut to the field's capacity; true when the
// body text changed (the only change that redraws). Other selectors do nothing.
bool ApplyDeliveredString(StickerRecord& copy, int selector, std::string_view value);
