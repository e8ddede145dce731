#include "lang/language_file.h"

#include "lang/flag_codes.h"
#include "lang/text_id.h"

namespace {

constexpr wchar_t kOptionsSection[] = L"Options";
constexpr wchar_t kNameKey[] = L"Name";
constexpr wchar_t kFlagKey[] = L"Flag";
constexpr wchar_t kNoFlagCode[] = L"_";
constexpr wchar_t kLanguagesFolder[] = L"Languages\\";

// Keys whose default in a language file differs from the English text.
struct MissingKeyDefault {
  TextId id;
  std::wstring_view text;
};
constexpr MissingKeyDefault kMissingKeyDefaults[] = {
    {{L"Sticker", L"mCopys"}, L"Duplicate Window"}, {{L"Tray", L"mSticksView"}, L"Show sticks"},
    {{L"Setting", L"capLColor"}, L"Caption color"},  {{L"Setting", L"vidCBSC"}, L"Caption shadow"},
    {{L"Setting", L"vidCBST"}, L"Text shadow"},      {{L"Setting", L"vidSt10"}, L"Narrow"},
    {{L"Setting", L"vidSt11"}, L"Aero"},
};

// Stored with a colon appended; the file holds the text without it.
constexpr TextId kColonText{L"Setting", L"fConfig"};
constexpr wchar_t kColon = L':';

std::wstring_view DefaultFor(std::size_t index) {
  for (const MissingKeyDefault& d : kMissingKeyDefaults)
    if (d.id.Index() == index) return d.text;
  std::wstring_view english = kTextTable[index].english;
  if (index == kColonText.Index()) english.remove_suffix(1);
  return english;
}

}  // namespace

TextSet ReadLanguageTexts(const ProfileFile& file) {
  TextSet texts;
  for (std::size_t i = 0; i < kTextCount; ++i)
    texts[i] = file.ReadString(kTextTable[i].section, kTextTable[i].key, DefaultFor(i));
  texts[kColonText.Index()] += kColon;
  return texts;
}

LanguageFileHeader ReadLanguageHeader(const ProfileFile& file, std::wstring_view fileName) {
  return {file.ReadString(kOptionsSection, kNameKey, fileName),
          FlagIndex(file.ReadString(kOptionsSection, kFlagKey, kNoFlagCode))};
}

std::wstring LanguageFilePath(std::wstring_view programFolder, std::wstring_view fileName) {
  return std::wstring(programFolder) + kLanguagesFolder + FileNameWithoutFolder(fileName);
}
