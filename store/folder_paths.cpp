#include "store/folder_paths.h"

namespace {
bool IsFolderSeparator(wchar_t c) { return c == L'\\' || c == L'/' || c == L':'; }
}  // namespace

std::wstring FileNameWithoutFolder(std::wstring_view path) {
  std::size_t start = path.size();
  while (start > 0 && !IsFolderSeparator(path[start - 1])) --start;
  return std::wstring(path.substr(start));
}
