#pragma once
// The fields of a sticker record and the rules each takes part in, in one
// table: what an edit merges into the stored record, what a sticker window
// takes from a record it is given, what needs a new frame and layout when it
// changes, what makes two copies of a sticker different, and where the
// compact record keeps its fields. The edit merge, the window copy, the
// rebuild test, the file merge and the compact reader all walk these tables.

#include <cstddef>
#include <cstdint>
#include <span>

// The rules a field takes part in; a field may take part in several.
enum RecordRule : unsigned {
  kRuleEdited = 1,     // an edit (settings dialog, paste, a tray choice) carries it into the store
  kRuleDelivered = 2,  // a sticker window takes it from a record it is given
  kRuleLayout = 4,     // a change of it needs a new frame and layout, not only a redraw
  kRuleStored = 8,     // the sticker as the user knows it: two copies that differ in it differ
  kRuleTyped = 16,     // text the user typed (caption, date line, body); always stored too
};

// How a field is compared: short strings and the body text by their
// characters (the bytes behind the length mean nothing), everything else byte
// for byte. The body text is the 2048 characters and the length behind them.
enum class FieldKind { kBytes, kShortString, kBodyText };

struct RecordField {
  std::size_t offset;
  std::size_t size;
  FieldKind kind;
  unsigned rules;
};

// Every field of the sticker record that a rule names.
std::span<const RecordField> StickerRecordFields();

// A field of the compact record and the sticker record field it fills; a
// narrower compact field is widened, a short string is cut to the capacity.
struct CompactField {
  std::size_t from;  // offset in the compact record
  std::size_t fromSize;
  std::size_t to;    // offset in the sticker record
  std::size_t toSize;
  FieldKind kind;
};

std::span<const CompactField> CompactRecordFields();
