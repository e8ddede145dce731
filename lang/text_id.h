#pragma once
// A text of the table named by section and key in code, for example
// TextId{L"Sticker", L"mConfig"}. The name is looked up while compiling, so a
// misspelt section or key does not build.

#include <cstddef>
#include <string_view>

#include "lang/text_table.h"

class TextId {
 public:
  consteval TextId(std::wstring_view section, std::wstring_view key) : index_(IndexOf(section, key)) {}

  constexpr std::size_t Index() const { return index_; }
  constexpr const TextEntry& Entry() const { return kTextTable[index_]; }
  friend constexpr bool operator==(TextId, TextId) = default;

 private:
  static consteval std::size_t IndexOf(std::wstring_view section, std::wstring_view key) {
    for (std::size_t i = 0; i < kTextCount; ++i)
      if (kTextTable[i].section == section && kTextTable[i].key == key) return i;
    throw "no such text in the table";  // reached only while compiling: a build error
  }

  std::size_t index_;
};

// The position of a text in the table, for tables of controls.
consteval int TextIndex(std::wstring_view section, std::wstring_view key) {
  return static_cast<int>(TextId(section, key).Index());
}
