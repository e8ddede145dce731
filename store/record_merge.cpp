#include "store/record_merge.h"

#include <cstring>

namespace {

constexpr int kDuplicateOffset = 18;

void MergeBlockLook(StickerTextBlock& to, const StickerTextBlock& from) {
  to.color = from.color;
  to.shadow_color = from.shadow_color;
  to.use_shadow = from.use_shadow;
  to.font_name = from.font_name;
}

void CopyText(StickerRecord& to, const StickerRecord& from) {
  std::memcpy(to.text, from.text, sizeof(to.text));
  to.text_length = from.text_length;
}

// The settings both an edit and a delivery take over whole.
void MergeSettings(StickerRecord& to, const StickerRecord& from) {
  to.alpha = from.alpha;
  to.lock_move = from.lock_move;
  to.style = from.style;
  to.use_color = from.use_color;
  to.color = from.color;
  to.icon = from.icon;
  to.word_wrap = from.word_wrap;
  to.align = from.align;
  to.hide_from_mouse = from.hide_from_mouse;
  to.hide_interval = from.hide_interval;
  to.popup_buttons = from.popup_buttons;
  to.font_style = from.font_style;
  to.floating = from.floating;
}

// Compact record layout: three 96-byte blocks, then the settings.
constexpr std::size_t kCompactBlock = 96;
constexpr std::size_t kBlockColour = 0, kBlockShadowFlag = 4, kBlockShadowColour = 8, kBlockFontSize = 12;
constexpr std::size_t kBlockFontName = 13, kBlockLineText = 62;

template <typename T>
T Read(std::span<const std::uint8_t> bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

template <std::size_t N>
void ReadShortString(ShortString<N>& to, std::span<const std::uint8_t> bytes, std::size_t offset) {
  const std::size_t length = std::min<std::size_t>(bytes[offset], N);
  to.Assign({reinterpret_cast<const char*>(bytes.data() + offset + 1), length});
}

void ReadCompactBlock(StickerTextBlock& block, std::span<const std::uint8_t> bytes, std::size_t base, bool lineText) {
  block.color = Read<Colour>(bytes, base + kBlockColour);
  block.use_shadow = bytes[base + kBlockShadowFlag];
  ReadShortString(block.font_name, bytes, base + kBlockFontName);
  if (lineText) ReadShortString(block.line_text, bytes, base + kBlockLineText);
}

}  // namespace

void MergeStickerSettings(StickerRecord& stored, const StickerRecord& edited) {
  MergeBlockLook(stored.caption, edited.caption);
  stored.caption.line_text = edited.caption.line_text;
  MergeBlockLook(stored.date_line, edited.date_line);
  stored.date_line.line_text = edited.date_line.line_text;
  stored.date_line.show = edited.date_line.show;
  MergeBlockLook(stored.body, edited.body);
  stored.body.font_size = edited.body.font_size;
  MergeSettings(stored, edited);
  stored.position = edited.position;
  CopyText(stored, edited);
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
  for (auto [to, from] : {std::pair{&copy.caption, &delivered.caption}, std::pair{&copy.date_line, &delivered.date_line},
                          std::pair{&copy.body, &delivered.body}}) {
    MergeBlockLook(*to, *from);
    to->line_text = from->line_text;
  }
  copy.body.font_size = delivered.body.font_size;
  copy.date_line.show = delivered.date_line.show;
  MergeSettings(copy, delivered);
  copy.expanded = delivered.expanded;
  copy.position = delivered.position;
  CopyText(copy, delivered);
  if (copy.text_length > kStickerTextCapacity) copy.text_length = kStickerTextCapacity;
  copy.window = current.window;
  copy.id = current.id;
  copy.visible = current.visible;
  copy.left = current.left;
  copy.top = current.top;
  copy.width = current.width;
  copy.height = current.height;
  return copy;
}

bool NeedsFullRebuild(const StickerRecord& a, const StickerRecord& b) {
  return a.caption.line_text.View() != b.caption.line_text.View() || a.body.font_name.View() != b.body.font_name.View() ||
         std::memcmp(a.text, b.text, sizeof(a.text)) != 0 || a.text_length != b.text_length || a.style != b.style ||
         a.expanded != b.expanded || a.icon != b.icon || a.word_wrap != b.word_wrap || a.font_style != b.font_style;
}

bool ApplyCompactRecord(StickerRecord& copy, std::span<const std::uint8_t> payload) {
  if (payload.size() != kCompactRecordSize) return false;
  ReadCompactBlock(copy.caption, payload, 0, true);
  ReadCompactBlock(copy.date_line, payload, kCompactBlock, true);
  ReadCompactBlock(copy.body, payload, 2 * kCompactBlock, false);
  copy.body.font_size = payload[2 * kCompactBlock + kBlockFontSize];
  const Colour shadow = Read<Colour>(payload, 2 * kCompactBlock + kBlockShadowColour);
  copy.caption.shadow_color = copy.date_line.shadow_color = copy.body.shadow_color = shadow;
  copy.left = Read<std::int32_t>(payload, 288);
  copy.top = Read<std::int32_t>(payload, 292);
  copy.alpha = payload[304];
  copy.lock_move = payload[305];
  copy.style = payload[306];
  copy.use_color = payload[307];
  copy.color = Read<Colour>(payload, 308);
  copy.expanded = payload[312];
  copy.icon = Read<std::uint16_t>(payload, 314);
  copy.position = payload[316];
  copy.popup_buttons = payload[317];
  copy.align = payload[318];
  copy.font_style = payload[319];
  copy.hide_from_mouse = payload[320];
  copy.hide_interval = Read<std::int32_t>(payload, 324);
  copy.word_wrap = payload[328];
  copy.floating = payload[329];
  copy.date_line.show = payload[330];
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
