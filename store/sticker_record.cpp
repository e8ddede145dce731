#include "store/sticker_record.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr char kTextFiller = '+';

StickerTextBlock DefaultBlock(std::int32_t x, std::int32_t y, std::int32_t width, std::uint8_t fontSize) {
  StickerTextBlock block{};
  block.color = kWhite;
  block.shadow_color = 0;
  block.use_shadow = 1;
  block.layout_x = x;
  block.layout_y = y;
  block.layout_width = width;
  block.layout_extra = 0;
  block.font_size = fontSize;
  block.font_name.Assign("Tahoma");
  block.line_text.Assign("");
  block.reserved111 = 255;
  block.show = 1;
  return block;
}

}  // namespace

StickerRecord NewStickerRecord(Colour color) {
  StickerRecord r{};
  r.caption = DefaultBlock(14, 2, 0, 10);
  r.date_line = DefaultBlock(14, 2, 0, 7);
  r.body = DefaultBlock(16, 26, 208, 8);
  r.left = -1;
  r.top = -1;
  r.alpha = 255;
  r.style = kStylePanel;
  r.use_color = 1;
  r.color = color;
  r.expanded = 1;
  r.word_wrap = 1;
  r.hide_interval = 2000;
  r.popup_buttons = 1;
  SetStickerText(r, "");
  return r;
}

void SetStickerText(StickerRecord& record, std::string_view text) {
  const std::size_t n = FittingStart(text, kStickerTextCapacity).size();
  std::fill(std::begin(record.text), std::end(record.text), kTextFiller);
  std::copy_n(text.data(), n, record.text);
  record.text_length = static_cast<std::uint32_t>(n);
}

std::string_view GetStickerText(const StickerRecord& record) {
  return {record.text, std::min<std::size_t>(record.text_length, kStickerTextCapacity)};
}

bool IsUnplaced(const StickerRecord& record) { return record.left == -1 && record.top == -1; }
