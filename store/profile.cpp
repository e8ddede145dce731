#include "store/profile.h"

#include <cstdint>

namespace {

int DigitValue(wchar_t c, int base) {
  int digit = -1;
  if (c >= L'0' && c <= L'9') digit = c - L'0';
  if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
  if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
  return digit;
}

}  // namespace

int ParseProfileInt(std::wstring_view value, int fallback) {
  while (!value.empty() && (value.front() == L' ' || value.front() == L'\t')) value.remove_prefix(1);
  bool negative = false;
  if (!value.empty() && (value.front() == L'-' || value.front() == L'+')) {
    negative = value.front() == L'-';
    value.remove_prefix(1);
  }
  int base = 10;
  if (value.size() > 2 && value[0] == L'0' && (value[1] == L'x' || value[1] == L'X') && DigitValue(value[2], 16) >= 0) {
    base = 16;
    value.remove_prefix(2);
  }
  std::int64_t number = 0;
  bool anyDigit = false;
  for (const wchar_t c : value) {
    const int digit = DigitValue(c, base);
    if (digit < 0) break;
    anyDigit = true;
    number = number * base + digit;
    if (number > UINT32_MAX) number = UINT32_MAX;  // saturate; the cast below wraps like the system does
  }
  if (!anyDigit) return fallback;
  const auto magnitude = static_cast<std::uint32_t>(number);
  return static_cast<int>(negative ? 0u - magnitude : magnitude);
}

int ProfileFile::ReadInt(std::wstring_view section, std::wstring_view key, int fallback) const {
  return ParseProfileInt(ReadString(section, key, L""), fallback);
}

bool ProfileFile::ReadBool(std::wstring_view section, std::wstring_view key, bool fallback) const {
  return ReadInt(section, key, fallback ? 1 : 0) != 0;
}

void ProfileFile::WriteInt(std::wstring_view section, std::wstring_view key, int value) {
  WriteString(section, key, std::to_wstring(value));
}

void ProfileFile::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
  WriteString(section, key, value ? L"1" : L"0");
}
