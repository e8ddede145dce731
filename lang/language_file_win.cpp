#include "lang/language_file_win.h"

#include "store/profile_file_win.h"

void ApplyLanguageFile(TMUI& mui, const std::wstring& path) { mui.ApplyFile(IniFile(path), FileNameWithoutFolder(path)); }

LanguageFileHeader ReadLanguageFileHeader(const std::wstring& path) {
  return ReadLanguageHeader(IniFile(path), FileNameWithoutFolder(path));
}
