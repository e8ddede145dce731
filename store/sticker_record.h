#pragma once
// The sticker record: one fixed 2532-byte image shared by memory, base.db and
// the messages that carry a whole sticker to its window. Every offset is a file
// format and is checked at compile time below.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pixels/colour.h"
#include "store/short_string.h"

#pragma pack(push, 1)

// One line or area of text: the caption, the date line or the body.
struct StickerTextBlock {
  Colour color;
  Colour shadow_color;
  std::uint8_t use_shadow;
  std::uint8_t reserved9[3];
  std::int32_t layout_x;
  std::int32_t layout_y;
  std::int32_t layout_width;
  std::int32_t layout_extra;
  std::uint8_t font_size;
  ShortString<48> font_name;
  ShortString<32> line_text;
  std::uint8_t reserved111;
  std::uint8_t show;
  std::uint8_t reserved113[3];
};

// The most bytes a caption or a date line keeps.
inline constexpr std::size_t kLineTextCapacity = decltype(StickerTextBlock::line_text)::kCapacity;
inline constexpr std::size_t kStickerTextCapacity = 2048;

struct StickerRecord {
  std::uint32_t window;  // handle of the open window, 0 when none; meaningless in a file
  StickerTextBlock caption;
  StickerTextBlock date_line;
  StickerTextBlock body;
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;
  std::uint8_t alpha;
  std::uint8_t lock_move;
  std::uint16_t style;
  std::uint8_t use_color;
  std::uint8_t reserved373[3];
  Colour color;
  std::uint8_t expanded;
  std::uint8_t reserved381;
  std::uint16_t icon;
  std::uint8_t position;
  std::uint8_t reserved385;
  std::uint8_t word_wrap;
  std::uint8_t align;
  std::uint8_t hide_from_mouse;
  std::uint8_t reserved389[3];
  std::int32_t hide_interval;
  std::uint8_t popup_buttons;
  std::uint8_t font_style;
  std::uint8_t floating;
  std::uint8_t reserved399[64];
  std::uint8_t reserved463;
  char text[kStickerTextCapacity];
  std::uint32_t text_length;
  std::uint8_t visible;
  std::uint8_t reserved2517[3];
  std::int32_t id;
  std::uint8_t reserved2524[4];
  std::uint8_t in_use;
  std::uint8_t reserved2529;
  std::uint8_t reserved2530[2];
};

#pragma pack(pop)

inline constexpr std::size_t kStickerTextBlockSize = 116;
inline constexpr std::size_t kStickerRecordSize = 2532;

static_assert(sizeof(StickerTextBlock) == kStickerTextBlockSize);
static_assert(offsetof(StickerTextBlock, shadow_color) == 4);
static_assert(offsetof(StickerTextBlock, use_shadow) == 8);
static_assert(offsetof(StickerTextBlock, layout_x) == 12);
static_assert(offsetof(StickerTextBlock, layout_y) == 16);
static_assert(offsetof(StickerTextBlock, layout_width) == 20);
static_assert(offsetof(StickerTextBlock, layout_extra) == 24);
static_assert(offsetof(StickerTextBlock, font_size) == 28);
static_assert(offsetof(StickerTextBlock, font_name) == 29);
static_assert(offsetof(StickerTextBlock, line_text) == 78);
static_assert(offsetof(StickerTextBlock, reserved111) == 111);
static_assert(offsetof(StickerTextBlock, show) == 112);

static_assert(sizeof(StickerRecord) == kStickerRecordSize);
static_assert(offsetof(StickerRecord, caption) == 4);
static_assert(offsetof(StickerRecord, date_line) == 120);
static_assert(offsetof(StickerRecord, body) == 236);
static_assert(offsetof(StickerRecord, left) == 352);
static_assert(offsetof(StickerRecord, top) == 356);
static_assert(offsetof(StickerRecord, width) == 360);
static_assert(offsetof(StickerRecord, height) == 364);
static_assert(offsetof(StickerRecord, alpha) == 368);
static_assert(offsetof(StickerRecord, lock_move) == 369);
static_assert(offsetof(StickerRecord, style) == 370);
static_assert(offsetof(StickerRecord, use_color) == 372);
static_assert(offsetof(StickerRecord, color) == 376);
static_assert(offsetof(StickerRecord, expanded) == 380);
static_assert(offsetof(StickerRecord, reserved381) == 381);
static_assert(offsetof(StickerRecord, icon) == 382);
static_assert(offsetof(StickerRecord, position) == 384);
static_assert(offsetof(StickerRecord, word_wrap) == 386);
static_assert(offsetof(StickerRecord, align) == 387);
static_assert(offsetof(StickerRecord, hide_from_mouse) == 388);
static_assert(offsetof(StickerRecord, hide_interval) == 392);
static_assert(offsetof(StickerRecord, popup_buttons) == 396);
static_assert(offsetof(StickerRecord, font_style) == 397);
static_assert(offsetof(StickerRecord, floating) == 398);
static_assert(offsetof(StickerRecord, reserved399) == 399);
static_assert(offsetof(StickerRecord, text) == 464);
static_assert(offsetof(StickerRecord, text_length) == 2512);
static_assert(offsetof(StickerRecord, visible) == 2516);
static_assert(offsetof(StickerRecord, id) == 2520);
static_assert(offsetof(StickerRecord, reserved2524) == 2524);
static_assert(offsetof(StickerRecord, in_use) == 2528);
static_assert(offsetof(StickerRecord, reserved2529) == 2529);

// Skin styles, the numbers of the record's `style` field.
enum StyleNumber : int {
  kStyleDarkGlass = 0,
  kStyleInner = 1,
  kStyleFlat = 2,
  kStyleSilverGlass = 3,
  kStyleGlass = 4,
  kStylePanel = 5,
  kStyleClassic = 6,
  kStyleNarrow = 7,
  kStyleAero = 8,
  kStyleModern = 9,
  kStyleList = 10,
  kStyleVistaGlass = 11,
  kStyleVista = 12,
  kStyleVistaAero = 13,
  kStyleHz = 14,
  kStyleFlatPanel = 15,
  kStyleClear = 16,
  kStyleIceWhite = 17,
  kStyleCount = 18,
};

// Stacking positions of a sticker window.
enum StickerPosition : std::uint8_t { kPositionNormal = 0, kPositionTopmost = 1, kPositionBottom = 2, kPositionDesktop = 3 };

// A record with the defaults of a new sticker in the given colour; id,
// visibility and placement are set by whoever creates the sticker.
StickerRecord NewStickerRecord(Colour color);

// The body text buffer: writing cuts a longer text on a character boundary of
// the ANSI code page and fills the unused bytes with '+'; reading gives
// at most kStickerTextCapacity characters whatever `text_length` says.
void SetStickerText(StickerRecord& record, std::string_view text);
std::string_view GetStickerText(const StickerRecord& record);

// True when the record has not been placed on the screen yet.
bool IsUnplaced(const StickerRecord& record);
