#include "store/record_merge.h"

#include <algorithm>
#include <cstring>

#include "store/record_fields.h"

namespace {

constexpr int kDuplicateOffset = 18;

std::uint8_t* BytesOf(StickerRecord& record) { return reinterpret_cast<std::uint8_t*>(&record); }
const std::uint8_t* BytesOf(const StickerRecord& record) { return reinterpret_cast<const std::uint8_t*>(&record); }

// The characters a counted field holds, never beyond its capacity.
std::string_view CharactersOf(const std::uint8_t* field, const RecordField& f) {
  const auto* chars = reinterpret_cast<const char*>(field);
  if (f.kind == FieldKind::kShortString) return {chars + 1, std::min<std::size_t>(field[0], f.size - 1)};
  std::uint32_t length = 0;  // kBodyText: the characters, then their count
  const std::size_t capacity = f.size - sizeof(length);
  std::memcpy(&length, field + capacity, sizeof(length));
  return {chars, std::min<std::size_t>(length, capacity)};
}

bool FieldDiffers(const StickerRecord& a, const StickerRecord& b, const RecordField& f) {
  const std::uint8_t* x = BytesOf(a) + f.offset;
  const std::uint8_t* y = BytesOf(b) + f.offset;
  if (f.kind == FieldKind::kBytes) return std::memcmp(x, y, f.size) != 0;
  return CharactersOf(x, f) != CharactersOf(y, f);
}

// A foreign length byte is cut to the capacity, and nothing behind the
// characters is taken.
void CopyShortString(std::uint8_t* to, const std::uint8_t* from, std::size_t size) {
  const std::size_t n = std::min<std::size_t>(from[0], size - 1);
  std::memset(to, 0, size);
  to[0] = static_cast<std::uint8_t>(n);
  std::memcpy(to + 1, from + 1, n);
}

}  // namespace

void CopyFields(StickerRecord& to, const StickerRecord& from, RecordRule rule) {
  for (const RecordField& f : StickerRecordFields())
    if (f.rules & rule) std::memcpy(BytesOf(to) + f.offset, BytesOf(from) + f.offset, f.size);
}

bool FieldsDiffer(const StickerRecord& a, const StickerRecord& b, RecordRule rule, unsigned except) {
  for (const RecordField& f : StickerRecordFields())
    if ((f.rules & rule) && !(f.rules & except) && FieldDiffers(a, b, f)) return true;
  return false;
}

void MergeStickerSettings(StickerRecord& stored, const StickerRecord& edited) {
  CopyFields(stored, edited, kRuleEdited);
}

StickerRecord DuplicateOf(const StickerRecord& original, std::int32_t newId) {
  StickerRecord copy = original;
  copy.left += kDuplicateOffset;
  copy.top += kDuplicateOffset;
  copy.id = newId;
  copy.visible = 1;
  return copy;
}

StickerRecord WindowCopyOf(const StickerRecord& delivered, const StickerRecord& current) {
  StickerRecord copy = NewStickerRecord(delivered.color);
  CopyFields(copy, delivered, kRuleDelivered);
  if (copy.text_length > kStickerTextCapacity) copy.text_length = kStickerTextCapacity;
  copy.hide_interval = NormalHideInterval(copy.hide_interval);
  copy.window = current.window;
  copy.id = current.id;
  copy.visible = current.visible;
  copy.left = current.left;
  copy.top = current.top;
  copy.width = current.width;
  copy.height = current.height;
  return copy;
}

bool NeedsFullRebuild(const StickerRecord& before, const StickerRecord& after) {
  return FieldsDiffer(before, after, kRuleLayout);
}

bool EditChanges(const StickerRecord& before, const StickerRecord& after) {
  return FieldsDiffer(before, after, kRuleEdited);
}

void RevertEdit(StickerRecord& stored, const StickerRecord& before, const StickerRecord& after) {
  for (const RecordField& f : StickerRecordFields())
    if ((f.rules & kRuleEdited) && FieldDiffers(before, after, f))
      std::memcpy(BytesOf(stored) + f.offset, BytesOf(before) + f.offset, f.size);
}

// Fields are little-endian, so a narrower one widens by its low bytes.
bool ApplyCompactRecord(StickerRecord& copy, std::span<const std::uint8_t> payload) {
  if (payload.size() != kCompactRecordSize) return false;
  for (const CompactField& f : CompactRecordFields()) {
    std::uint8_t* to = BytesOf(copy) + f.to;
    if (f.kind == FieldKind::kShortString) {
      CopyShortString(to, payload.data() + f.from, f.toSize);
    } else {
      std::memset(to, 0, f.toSize);
      std::memcpy(to, payload.data() + f.from, std::min(f.fromSize, f.toSize));
    }
  }
  copy.hide_interval = NormalHideInterval(copy.hide_interval);
  return true;
}

std::string_view PayloadString(std::span<const std::uint8_t> payload) {
  const auto* chars = reinterpret_cast<const char*>(payload.data());
  const std::size_t length = static_cast<std::size_t>(std::find(payload.begin(), payload.end(), 0) - payload.begin());
  return {chars, length};
}

bool ApplyDeliveredString(StickerRecord& copy, int selector, std::string_view value) {
  switch (static_cast<DeliveredString>(selector)) {
    case DeliveredString::kCaptionFont:
      copy.caption.font_name.Assign(value);
      return false;
    case DeliveredString::kCaption:
      copy.caption.line_text.Assign(value);
      return false;
    case DeliveredString::kBodyText:
      if (value == GetStickerText(copy)) return false;
      SetStickerText(copy, value);
      return true;
    case DeliveredString::kBodyFont:
      copy.body.font_name.Assign(value);
      return false;
    case DeliveredString::kDateText:
      copy.date_line.line_text.Assign(value);
      return false;
  }
  return false;
}
