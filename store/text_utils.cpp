#include "store/text_utils.h"

namespace {

constexpr std::wstring_view kNotInShortcutNames = L"\"*/:;<>?\\";
constexpr std::wstring_view kLineBreaks = L"\r\n";
constexpr std::wstring_view kEllipsis = L"...";
constexpr wchar_t kDriveColon = L':';
constexpr wchar_t kSeparator = L'\\';

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

}  // namespace

std::wstring CleanShortcutName(std::wstring_view name) {
  std::wstring clean(name);
  std::erase_if(clean, [](wchar_t c) { return kNotInShortcutNames.find(c) != std::wstring_view::npos; });
  return clean;
}

std::wstring WithTrailingSeparator(std::wstring_view path) {
  std::wstring folder(path);
  if (path.empty() || path.back() == kDriveColon || path.back() == kSeparator) return folder;
  if (path.size() == 1 && IsDriveLetter(path.front())) folder += kDriveColon;
  folder += kSeparator;
  return folder;
}

std::wstring TextPreview(std::wstring_view text, std::size_t n) {
  const std::wstring_view head = text.substr(0, n);
  const std::size_t lineBreak = head.find_first_of(kLineBreaks);
  std::wstring preview(head.substr(0, lineBreak));
  if (lineBreak != std::wstring_view::npos || text.size() > n) preview += kEllipsis;
  return preview;
}
