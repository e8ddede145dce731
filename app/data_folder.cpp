#include "app/data_folder.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::wstring_view kDataFolderName = L"Quillory";
}

bool IsPortableSwitch(std::wstring_view value) {
  std::wstring lower(value);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; });
  constexpr std::array<std::wstring_view, 5> kYes = {L"true", L"ok", L"1", L"yes", L"y"};
  return std::find(kYes.begin(), kYes.end(), lower) != kYes.end();
}

std::wstring PerUserDataFolder(std::wstring_view documents) {
  if (!documents.empty() && documents.back() == L'\\') documents.remove_suffix(1);
  std::wstring path(documents);
  path += L'\\';
  path += kDataFolderName;
  path += L'\\';
  return path;
}
