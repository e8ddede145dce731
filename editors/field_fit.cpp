#include "editors/field_fit.h"

#include <algorithm>
#include <vector>

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

struct Character {
  std::size_t units;
  std::size_t bytes;
};

// Stored widths add up character by character: no code page a system runs
// on carries a state from one character to the next.
std::vector<Character> Characters(std::wstring_view text, const StoredWidth& width) {
  std::vector<Character> characters;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t units = at + 1 < text.size() && IsHighSurrogate(text[at]) && IsLowSurrogate(text[at + 1]) ? 2 : 1;
    characters.push_back({units, width(text.substr(at, units))});
    at += units;
  }
  return characters;
}

}  // namespace

FittedText FitToField(std::wstring_view text, std::size_t caret, std::size_t capacity, const StoredWidth& width) {
  const std::vector<Character> characters = Characters(text, width);
  std::size_t bytes = 0;
  for (const Character& c : characters) bytes += c.bytes;
  // The caret as a character index; one inside a pair stands after it.
  std::size_t before = 0, caretUnits = 0;
  while (before < characters.size() && caretUnits < std::min(caret, text.size())) caretUnits += characters[before++].units;
  // What goes: characters from `from` up to the caret, then from `end` on.
  std::size_t from = before, fromUnits = caretUnits;
  while (bytes > capacity && from > 0) {
    --from;
    fromUnits -= characters[from].units;
    bytes -= characters[from].bytes;
  }
  std::size_t end = characters.size(), endUnits = text.size();
  while (bytes > capacity && end > before) {
    --end;
    endUnits -= characters[end].units;
    bytes -= characters[end].bytes;
  }
  std::wstring kept(text.substr(0, fromUnits));
  kept += text.substr(caretUnits, endUnits - caretUnits);
  return {kept, fromUnits};
}
