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

template <std::size_t N>
void CopyShortString(ShortString<N>& to, const ShortString<N>& from) {
  to.Assign(from.View());  // a foreign length byte is cut to the capacity
}

void ReadCompactBlock(StickerTextBlock& block, const CompactTextBlock& from, bool lineText) {
  block.color = from.color;
  block.use_shadow = from.use_shadow;
  CopyShortString(block.font_name, from.font_name);
  if (lineText) CopyShortString(block.line_text, from.line_text);
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

namespace {
// Fonts decide the layout, so a change of face or size needs a new one.
bool FontDiffers(const StickerTextBlock& a, const StickerTextBlock& b) {
  return a.font_name.View() != b.font_name.View() || a.font_size != b.font_size;
}
}  // namespace

bool NeedsFullRebuild(const StickerRecord& a, const StickerRecord& b) {
  return a.caption.line_text.View() != b.caption.line_text.View() || FontDiffers(a.caption, b.caption) ||
         FontDiffers(a.date_line, b.date_line) || FontDiffers(a.body, b.body) ||
         a.date_line.show != b.date_line.show || a.date_line.line_text.View() != b.date_line.line_text.View() ||
         std::memcmp(a.text, b.text, sizeof(a.text)) != 0 || a.text_length != b.text_length || a.style != b.style ||
         a.expanded != b.expanded || a.icon != b.icon || a.word_wrap != b.word_wrap || a.font_style != b.font_style;
}

bool ApplyCompactRecord(StickerRecord& copy, std::span<const std::uint8_t> payload) {
  if (payload.size() != kCompactRecordSize) return false;
  CompactRecord from;
  std::memcpy(&from, payload.data(), sizeof(from));
  ReadCompactBlock(copy.caption, from.caption, true);
  ReadCompactBlock(copy.date_line, from.date_line, true);
  ReadCompactBlock(copy.body, from.body, false);
  copy.body.font_size = from.body.font_size;
  copy.caption.shadow_color = copy.date_line.shadow_color = copy.body.shadow_color = from.body.shadow_color;
  copy.left = from.left;
  copy.top = from.top;
  copy.alpha = from.alpha;
  copy.lock_move = from.lock_move;
  copy.style = from.style;
  copy.use_color = from.use_color;
  copy.color = from.color;
  copy.expanded = from.expanded;
  copy.icon = from.icon;
  copy.position = from.position;
  copy.popup_buttons = from.popup_buttons;
  copy.align = from.align;
  copy.font_style = from.font_style;
  copy.hide_from_mouse = from.hide_from_mouse;
  copy.hide_interval = NormalHideInterval(from.hide_interval);
  copy.word_wrap = from.word_wrap;
  copy.floating = from.floating;
  copy.date_line.show = from.date_show;
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
