#pragma once
// Language files ("*.lng" in the "Languages\" folder beside the program):
// INI files whose section "Options" names the language and its flag and whose
// other sections hold one key per entry of the text table.

#include <string>
#include <string_view>

#include "lang/text_table.h"
#include "store/folder_paths.h"
#include "store/profile.h"

// Every entry of the table from the file. A key the file lacks gives the
// English text, or for seven keys an older default of their own.
TextSet ReadLanguageTexts(const ProfileFile& file);

struct LanguageFileHeader {
  std::wstring name;  // as shown in the language menu
  int flagIndex;      // picture in the flag strip, or kNoFlag
};

// fileName (without folder) is the name when the file gives none.
LanguageFileHeader ReadLanguageHeader(const ProfileFile& file, std::wstring_view fileName);


// The language file of that name beside the program. Folder parts of the name
// are dropped, so a name read from config.txt cannot reach outside the folder.
std::wstring LanguageFilePath(std::wstring_view programFolder, std::wstring_view fileName);
