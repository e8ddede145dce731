#include "store/record_fields.h"

#include <array>
#include <vector>

#include "store/compact_record.h"
#include "store/sticker_record.h"

namespace {

constexpr unsigned E = kRuleEdited, D = kRuleDelivered, L = kRuleLayout, S = kRuleStored, T = kRuleTyped;
constexpr FieldKind kBytes = FieldKind::kBytes, kString = FieldKind::kShortString;

// A field of the three text blocks, with its rules in the caption, the date
// line and the body. The caption's and the date's sizes are stored but a
// window keeps its own; the body's line text means nothing but travels along.
struct BlockField {
  std::size_t offset, size;
  FieldKind kind;
  std::array<unsigned, 3> rules;
};

constexpr BlockField kBlockFields[] = {
    {offsetof(StickerTextBlock, color), 4, kBytes, {E | D | S, E | D | S, E | D | S}},
    {offsetof(StickerTextBlock, shadow_color), 4, kBytes, {E | D | S, E | D | S, E | D | S}},
    {offsetof(StickerTextBlock, use_shadow), 1, kBytes, {E | D | S, E | D | S, E | D | S}},
    {offsetof(StickerTextBlock, font_size), 1, kBytes, {L, L, E | D | L | S}},
    {offsetof(StickerTextBlock, font_name), 49, kString, {E | D | L | S, E | D | L | S, E | D | L | S}},
    {offsetof(StickerTextBlock, line_text), 33, kString, {E | D | L | S | T, E | D | L | S | T, D}},
    {offsetof(StickerTextBlock, show), 1, kBytes, {0, E | D | L | S, 0}},
};

constexpr std::size_t kBlocks[] = {offsetof(StickerRecord, caption), offsetof(StickerRecord, date_line),
                                   offsetof(StickerRecord, body)};

static_assert(offsetof(StickerRecord, text_length) == offsetof(StickerRecord, text) + kStickerTextCapacity);
constexpr std::size_t kBodyTextSize = kStickerTextCapacity + sizeof(std::uint32_t);

// What the window owns itself (handle, id, place, visibility) is in no rule
// but the stored one: the place and whether the sticker is shown are the
// user's. The handle is the run's own, and the id names the sticker.
constexpr RecordField kOwnFields[] = {
    {offsetof(StickerRecord, left), 4, kBytes, S},
    {offsetof(StickerRecord, top), 4, kBytes, S},
    {offsetof(StickerRecord, alpha), 1, kBytes, E | D | S},
    {offsetof(StickerRecord, lock_move), 1, kBytes, E | D | S},
    {offsetof(StickerRecord, style), 2, kBytes, E | D | L | S},
    {offsetof(StickerRecord, use_color), 1, kBytes, E | D | S},
    {offsetof(StickerRecord, color), 4, kBytes, E | D | S},
    {offsetof(StickerRecord, expanded), 1, kBytes, D | L | S},  // collapsing is no edit
    {offsetof(StickerRecord, icon), 2, kBytes, E | D | L | S},
    {offsetof(StickerRecord, position), 1, kBytes, E | D | S},
    {offsetof(StickerRecord, word_wrap), 1, kBytes, E | D | L | S},
    {offsetof(StickerRecord, align), 1, kBytes, E | D | S},
    {offsetof(StickerRecord, hide_from_mouse), 1, kBytes, E | D | S},
    {offsetof(StickerRecord, hide_interval), 4, kBytes, E | D | S},
    {offsetof(StickerRecord, popup_buttons), 1, kBytes, E | D | S},
    {offsetof(StickerRecord, font_style), 1, kBytes, E | D | L | S},
    {offsetof(StickerRecord, floating), 1, kBytes, E | D | S},
    {offsetof(StickerRecord, text), kBodyTextSize, FieldKind::kBodyText, E | D | L | S | T},
    {offsetof(StickerRecord, visible), 1, kBytes, S},
};

std::vector<RecordField> AllFields() {
  std::vector<RecordField> fields;
  for (std::size_t b = 0; b < std::size(kBlocks); ++b)
    for (const BlockField& f : kBlockFields)
      if (f.rules[b]) fields.push_back({kBlocks[b] + f.offset, f.size, f.kind, f.rules[b]});
  fields.insert(fields.end(), std::begin(kOwnFields), std::end(kOwnFields));
  return fields;
}

constexpr std::size_t kCaption = offsetof(StickerRecord, caption), kDate = offsetof(StickerRecord, date_line),
                      kBody = offsetof(StickerRecord, body);
constexpr std::size_t kCompactCaption = offsetof(CompactRecord, caption),
                      kCompactDate = offsetof(CompactRecord, date_line), kCompactBody = offsetof(CompactRecord, body);

// One row per field: the body's shadow colour stands for all three blocks.
constexpr CompactField kCompactFields[] = {
    {kCompactCaption + offsetof(CompactTextBlock, color), 4, kCaption + offsetof(StickerTextBlock, color), 4, kBytes},
    {kCompactCaption + offsetof(CompactTextBlock, use_shadow), 1, kCaption + offsetof(StickerTextBlock, use_shadow), 1, kBytes},
    {kCompactCaption + offsetof(CompactTextBlock, font_name), 49, kCaption + offsetof(StickerTextBlock, font_name), 49, kString},
    {kCompactCaption + offsetof(CompactTextBlock, line_text), 33, kCaption + offsetof(StickerTextBlock, line_text), 33, kString},
    {kCompactDate + offsetof(CompactTextBlock, color), 4, kDate + offsetof(StickerTextBlock, color), 4, kBytes},
    {kCompactDate + offsetof(CompactTextBlock, use_shadow), 1, kDate + offsetof(StickerTextBlock, use_shadow), 1, kBytes},
    {kCompactDate + offsetof(CompactTextBlock, font_name), 49, kDate + offsetof(StickerTextBlock, font_name), 49, kString},
    {kCompactDate + offsetof(CompactTextBlock, line_text), 33, kDate + offsetof(StickerTextBlock, line_text), 33, kString},
    {kCompactBody + offsetof(CompactTextBlock, color), 4, kBody + offsetof(StickerTextBlock, color), 4, kBytes},
    {kCompactBody + offsetof(CompactTextBlock, use_shadow), 1, kBody + offsetof(StickerTextBlock, use_shadow), 1, kBytes},
    {kCompactBody + offsetof(CompactTextBlock, font_name), 49, kBody + offsetof(StickerTextBlock, font_name), 49, kString},
    {kCompactBody + offsetof(CompactTextBlock, font_size), 1, kBody + offsetof(StickerTextBlock, font_size), 1, kBytes},
    {kCompactBody + offsetof(CompactTextBlock, shadow_color), 4, kCaption + offsetof(StickerTextBlock, shadow_color), 4, kBytes},
    {kCompactBody + offsetof(CompactTextBlock, shadow_color), 4, kDate + offsetof(StickerTextBlock, shadow_color), 4, kBytes},
    {kCompactBody + offsetof(CompactTextBlock, shadow_color), 4, kBody + offsetof(StickerTextBlock, shadow_color), 4, kBytes},
    {offsetof(CompactRecord, left), 4, offsetof(StickerRecord, left), 4, kBytes},
    {offsetof(CompactRecord, top), 4, offsetof(StickerRecord, top), 4, kBytes},
    {offsetof(CompactRecord, alpha), 1, offsetof(StickerRecord, alpha), 1, kBytes},
    {offsetof(CompactRecord, lock_move), 1, offsetof(StickerRecord, lock_move), 1, kBytes},
    {offsetof(CompactRecord, style), 1, offsetof(StickerRecord, style), 2, kBytes},
    {offsetof(CompactRecord, use_color), 1, offsetof(StickerRecord, use_color), 1, kBytes},
    {offsetof(CompactRecord, color), 4, offsetof(StickerRecord, color), 4, kBytes},
    {offsetof(CompactRecord, expanded), 1, offsetof(StickerRecord, expanded), 1, kBytes},
    {offsetof(CompactRecord, icon), 2, offsetof(StickerRecord, icon), 2, kBytes},
    {offsetof(CompactRecord, position), 1, offsetof(StickerRecord, position), 1, kBytes},
    {offsetof(CompactRecord, popup_buttons), 1, offsetof(StickerRecord, popup_buttons), 1, kBytes},
    {offsetof(CompactRecord, align), 1, offsetof(StickerRecord, align), 1, kBytes},
    {offsetof(CompactRecord, font_style), 1, offsetof(StickerRecord, font_style), 1, kBytes},
    {offsetof(CompactRecord, hide_from_mouse), 1, offsetof(StickerRecord, hide_from_mouse), 1, kBytes},
    {offsetof(CompactRecord, hide_interval), 4, offsetof(StickerRecord, hide_interval), 4, kBytes},
    {offsetof(CompactRecord, word_wrap), 1, offsetof(StickerRecord, word_wrap), 1, kBytes},
    {offsetof(CompactRecord, floating), 1, offsetof(StickerRecord, floating), 1, kBytes},
    {offsetof(CompactRecord, date_show), 1, kDate + offsetof(StickerTextBlock, show), 1, kBytes},
};

}  // namespace

std::span<const RecordField> StickerRecordFields() {
  static const std::vector<RecordField> fields = AllFields();
  return fields;
}

std::span<const CompactField> CompactRecordFields() { return kCompactFields; }
