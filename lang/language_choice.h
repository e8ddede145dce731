#pragma once
// Which language the program shows and how that choice is kept in config.txt.

#include <cstdint>
#include <string>

enum class BuiltinLanguage { kRussian, kEnglish };

// The numbers are the stored language kind.
enum class LanguageKind : std::uint8_t { kRussian = 1, kEnglish = 2, kFile = 3 };

// The choice as config.txt keeps it: exactly one flag set for a built-in
// language, neither for a language file, which is then named by its file name
// (without folder) in otherLanguage.
struct TLanguage {
  bool english = true;
  bool russian = false;
  std::wstring otherLanguage;

  friend bool operator==(const TLanguage&, const TLanguage&) = default;
};
