#pragma once
// An INI-style profile file (sections, keys, values) as the program reads and
// writes it: booleans "1"/"0", integers in decimal. The Win32 layer provides
// the real file through the system's profile functions.

#include <string>
#include <string_view>

class ProfileFile {
 public:
  virtual std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const = 0;
  virtual void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) = 0;

  // A missing key, or a value that does not start with a number, gives fallback.
  // Decimal with an optional sign, or hexadecimal after "0x".
  int ReadInt(std::wstring_view section, std::wstring_view key, int fallback) const;
  bool ReadBool(std::wstring_view section, std::wstring_view key, bool fallback) const;
  void WriteInt(std::wstring_view section, std::wstring_view key, int value);
  void WriteBool(std::wstring_view section, std::wstring_view key, bool value);

 protected:
  ~ProfileFile() = default;
};

// The integer a profile value starts with, or fallback when it has no digits.
int ParseProfileInt(std::wstring_view value, int fallback);
