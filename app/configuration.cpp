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

Configuration ConfigurationWithoutFile(bool russianSystem) {
  Configuration c;
  c.englishLanguage = !russianSystem;
  c.russianLanguage = russianSystem;
  c.newStickerKey = kNoHotKey;
  c.managerKey = kNoHotKey;
  return c;
}

int NormalizeHotKeyIndex(int index) { return (index >= kNoHotKey && index < kHotKeyCount) ? index : 0; }

Configuration ReadConfiguration(const ProfileFile& file) {
  Configuration c;
  c.englishLanguage = file.ReadBool(kLanguageSection, kEnglishKey, true);
  c.russianLanguage = file.ReadBool(kLanguageSection, kRussianKey, false);
  c.otherLanguage = file.ReadString(kLanguageSection, kOtherLanguageKey, L"");
  c.newStickerKey = NormalizeHotKeyIndex(file.ReadInt(kHotKeySection, kNewStickerKey, 0));
  c.managerKey = NormalizeHotKeyIndex(file.ReadInt(kHotKeySection, kManagerKey, 0));
  c.managerSort = file.ReadBool(kManagerSection, kSortKey, false);
  c.managerPage = file.ReadInt(kManagerSection, kPageKey, 0);
  return c;
}

void WriteConfiguration(ProfileFile& file, const Configuration& c) {
  file.WriteBool(kLanguageSection, kEnglishKey, c.englishLanguage);
  file.WriteBool(kLanguageSection, kRussianKey, c.russianLanguage);
  file.WriteString(kLanguageSection, kOtherLanguageKey, c.otherLanguage);
  file.WriteInt(kHotKeySection, kNewStickerKey, c.newStickerKey);
  file.WriteInt(kHotKeySection, kManagerKey, c.managerKey);
  file.WriteBool(kManagerSection, kSortKey, c.managerSort);
  file.WriteInt(kManagerSection, kPageKey, c.managerPage);
}
