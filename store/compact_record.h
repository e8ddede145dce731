#pragma once
// The shorter, appearance-only record (2404 bytes) a sticker window also
// accepts in WM_COPYDATA: 96-byte text blocks, no body text and no id. Other
// programs send it, so every offset is binding and checked below.

#include <cstddef>
#include <cstdint>

#include "pixels/colour.h"
#include "store/short_string.h"

#pragma pack(push, 1)

struct CompactTextBlock {
  Colour color;
  std::uint8_t use_shadow;
  std::uint8_t reserved5[3];
  Colour shadow_color;  // read from the body block only, for all three
  std::uint8_t font_size;  // read from the body block only
  ShortString<48> font_name;
  ShortString<32> line_text;  // caption and date blocks only
  std::uint8_t reserved95;
};

struct CompactRecord {
  CompactTextBlock caption;
  CompactTextBlock date_line;
  CompactTextBlock body;
  std::int32_t left;
  std::int32_t top;
  std::uint8_t reserved296[8];
  std::uint8_t alpha;
  std::uint8_t lock_move;
  std::uint8_t style;
  std::uint8_t use_color;
  Colour color;
  std::uint8_t expanded;
  std::uint8_t reserved313;
  std::uint16_t icon;
  std::uint8_t position;
  std::uint8_t popup_buttons;
  std::uint8_t align;
  std::uint8_t font_style;
  std::uint8_t hide_from_mouse;
  std::uint8_t reserved321[3];
  std::int32_t hide_interval;
  std::uint8_t word_wrap;
  std::uint8_t floating;
  std::uint8_t date_show;
  std::uint8_t reserved331[2073];
};

#pragma pack(pop)

inline constexpr std::size_t kCompactRecordSize = 2404;

static_assert(sizeof(CompactTextBlock) == 96);
static_assert(offsetof(CompactTextBlock, use_shadow) == 4);
static_assert(offsetof(CompactTextBlock, shadow_color) == 8);
static_assert(offsetof(CompactTextBlock, font_size) == 12);
static_assert(offsetof(CompactTextBlock, font_name) == 13);
static_assert(offsetof(CompactTextBlock, line_text) == 62);

static_assert(sizeof(CompactRecord) == kCompactRecordSize);
static_assert(offsetof(CompactRecord, date_line) == 96);
static_assert(offsetof(CompactRecord, body) == 192);
static_assert(offsetof(CompactRecord, body) + offsetof(CompactTextBlock, shadow_color) == 200);
static_assert(offsetof(CompactRecord, left) == 288);
static_assert(offsetof(CompactRecord, top) == 292);
static_assert(offsetof(CompactRecord, alpha) == 304);
static_assert(offsetof(CompactRecord, lock_move) == 305);
static_assert(offsetof(CompactRecord, style) == 306);
static_assert(offsetof(CompactRecord, use_color) == 307);
static_assert(offsetof(CompactRecord, color) == 308);
static_assert(offsetof(CompactRecord, expanded) == 312);
static_assert(offsetof(CompactRecord, icon) == 314);
static_assert(offsetof(CompactRecord, position) == 316);
static_assert(offsetof(CompactRecord, popup_buttons) == 317);
static_assert(offsetof(CompactRecord, align) == 318);
static_assert(offsetof(CompactRecord, font_style) == 319);
static_assert(offsetof(CompactRecord, hide_from_mouse) == 320);
static_assert(offsetof(CompactRecord, hide_interval) == 324);
static_assert(offsetof(CompactRecord, word_wrap) == 328);
static_assert(offsetof(CompactRecord, floating) == 329);
static_assert(offsetof(CompactRecord, date_show) == 330);
