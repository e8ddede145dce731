#include "store/folder_paths.h"

std::wstring WithTrailingBackslash(std::wstring_view folder) {
  std::wstring path(folder);
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path;
}
