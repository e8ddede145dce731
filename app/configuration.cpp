#include "app/configuration.h"

namespace {

constexpr wchar_t kLanguageSection[] = L"Language";
constexpr wchar_t kEnglishKey[] = L"DefualtLanguageEng";
constexpr wchar_t kRussianKey[] = L"DefualtLanguageRus";
constexpr wchar_t kOtherLanguageKey[] = L"OtherLanguage";
constexpr wchar_t kHotKeySection[] = L"Chordix";
constexpr wchar_t kNewStickerKey[] = L"NEW";
constexpr wchar_t kManagerKey[] = L"MANAGER";
constexpr wchar_t kManagerSection[] = L"Manager";
constexpr wchar_t kSortKey[] = L"Sort";
constexpr wchar_t kPageKey[] = L"Page";

}  // namespace

Configuration ConfigurationWithoutFile() {
  Configuration c;
  c.newStickerKey = kNoHotKey;
  c.managerKey = kNoHotKey;
  return c;
}

TLanguage LanguageWithoutFile(bool russianSystem) {
  return {.english = !russianSystem, .russian = russianSystem, .otherLanguage = {}};
}

int NormalizeHotKeyIndex(int index) { return (index >= kNoHotKey && index < kHotKeyCount) ? index : 0; }

Configuration ReadConfiguration(const ProfileFile& file) {
  Configuration c;
  c.newStickerKey = NormalizeHotKeyIndex(file.ReadInt(kHotKeySection, kNewStickerKey, 0));
  c.managerKey = NormalizeHotKeyIndex(file.ReadInt(kHotKeySection, kManagerKey, 0));
  c.managerSort = file.ReadBool(kManagerSection, kSortKey, false);
  c.managerPage = file.ReadInt(kManagerSection, kPageKey, 0);
  return c;
}

TLanguage ReadLanguageChoice(const ProfileFile& file) {
  return {.english = file.ReadBool(kLanguageSection, kEnglishKey, true),
          .russian = file.ReadBool(kLanguageSection, kRussianKey, false),
          .otherLanguage = file.ReadString(kLanguageSection, kOtherLanguageKey, L"")};
}

void WriteConfiguration(ProfileFile& file, const TLanguage& language, const Configuration& c) {
  file.WriteBool(kLanguageSection, kEnglishKey, language.english);
  file.WriteBool(kLanguageSection, kRussianKey, language.russian);
  file.WriteString(kLanguageSection, kOtherLanguageKey, language.otherLanguage);
  file.WriteInt(kHotKeySection, kNewStickerKey, c.newStickerKey);
  file.WriteInt(kHotKeySection, kManagerKey, c.managerKey);
  file.WriteBool(kManagerSection, kSortKey, c.managerSort);
  file.WriteInt(kManagerSection, kPageKey, c.managerPage);
}
