#include "store/backup_names.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <functional>
#include <utility>

namespace {

constexpr std::size_t kDateLength = 10;  // "YYYY-MM-DD"

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int Number(std::wstring_view digits) {
  int value = 0;
  for (wchar_t c : digits) value = value * 10 + (c - L'0');
  return value;
}

}  // namespace

int DayNumber(DateTime moment) {
  const CivilTime day = DecodeDateTime(moment);
  return day.year * 10000 + day.month * 100 + day.day;
}

std::wstring BackupName(std::wstring_view fileName, DateTime moment) {
  const CivilTime day = DecodeDateTime(moment);
  wchar_t date[16] = {};
  std::swprintf(date, 16, L"%04d-%02d-%02d", day.year, day.month, day.day);
  return std::wstring(fileName) + L"." + date;
}

std::optional<int> BackupDay(std::wstring_view fileName, std::wstring_view name) {
  if (name.size() != fileName.size() + 1 + kDateLength) return std::nullopt;
  // Names compare as the file system does, without regard to case.
  for (std::size_t i = 0; i < fileName.size(); ++i)
    if (std::towlower(name[i]) != std::towlower(fileName[i])) return std::nullopt;
  if (name[fileName.size()] != L'.') return std::nullopt;
  const std::wstring_view date = name.substr(fileName.size() + 1);
  for (std::size_t i = 0; i < kDateLength; ++i) {
    const bool dash = i == 4 || i == 7;
    if (dash ? date[i] != L'-' : !IsDigit(date[i])) return std::nullopt;
  }
  return Number(date.substr(0, 4)) * 10000 + Number(date.substr(5, 2)) * 100 + Number(date.substr(8, 2));
}

std::vector<std::wstring> BackupsBeyond(std::wstring_view fileName, const std::vector<std::wstring>& names, int today,
                                        std::size_t kept) {
  std::vector<std::pair<int, std::wstring>> copies;
  for (const std::wstring& name : names)
    if (const auto day = BackupDay(fileName, name); day && *day <= today) copies.emplace_back(*day, name);
  if (copies.size() <= kept) return {};
  std::sort(copies.begin(), copies.end(), std::greater<>());
  std::vector<std::wstring> beyond;
  for (std::size_t i = kept; i < copies.size(); ++i) beyond.push_back(copies[i].second);
  return beyond;
}
