#include <gtest/gtest.h>

#include <map>

#include "app/configuration.h"
#include "app/data_folder.h"
#include "support/memory_profile.h"

namespace {

TEST(ProfileValues, IntegersAreReadLikeTheSystemProfileFunctions) {
  struct Case { const wchar_t* text; int expected; };
  const Case cases[] = {{L"12", 12}, {L"-1", -1}, {L" 7", 7}, {L"0x10", 16}, {L"3abc", 3},
                        {L"", 99},   {L"abc", 99}, {L"-", 99}, {L"0x", 0}};
  for (const Case& c : cases) EXPECT_EQ(ParseProfileInt(c.text, 99), c.expected) << c.text;
}

TEST(Configuration, AnEmptyFileGivesTheDefaults) {
  const MemoryProfile empty;
  const Configuration c = ReadConfiguration(empty);
  EXPECT_EQ(ReadLanguageChoice(empty), (TLanguage{.english = true, .russian = false, .otherLanguage = L""}));
  EXPECT_EQ(c.newStickerKey, 0);  // a missing "Chordix" section gives the first key
  EXPECT_EQ(c.managerKey, 0);
  EXPECT_FALSE(c.managerSort);
  EXPECT_EQ(c.managerPage, 0);
}

TEST(Configuration, WithoutAFileTheSystemLanguageDecidesAndNoKeyIsSet) {
  EXPECT_EQ(LanguageWithoutFile(true), (TLanguage{.english = false, .russian = true, .otherLanguage = L""}));
  EXPECT_EQ(LanguageWithoutFile(false), (TLanguage{.english = true, .russian = false, .otherLanguage = L""}));
  EXPECT_EQ(ConfigurationWithoutFile().newStickerKey, kNoHotKey);
  EXPECT_EQ(ConfigurationWithoutFile().managerKey, kNoHotKey);
}

TEST(Configuration, WritesEveryKeyWithItsExactNameAndReadsItBack) {
  const TLanguage language{.english = false, .russian = false, .otherLanguage = L"German.lng"};
  Configuration c = ConfigurationWithoutFile();
  c.managerKey = 6;
  c.managerSort = true;
  c.managerPage = 1;
  MemoryProfile file;
  WriteConfiguration(file, language, c);
  const std::map<std::pair<std::wstring, std::wstring>, std::wstring> expected = {
      {{L"Language", L"DefualtLanguageEng"}, L"0"}, {{L"Language", L"DefualtLanguageRus"}, L"0"},
      {{L"Language", L"OtherLanguage"}, L"German.lng"}, {{L"Chordix", L"NEW"}, L"-1"},
      {{L"Chordix", L"MANAGER"}, L"6"}, {{L"Manager", L"Sort"}, L"1"}, {{L"Manager", L"Page"}, L"1"}};
  EXPECT_EQ(file.values, expected);
  const Configuration back = ReadConfiguration(file);
  EXPECT_EQ(back.newStickerKey, kNoHotKey);
  EXPECT_EQ(back.managerKey, 6);
  EXPECT_TRUE(back.managerSort);
  EXPECT_EQ(ReadLanguageChoice(file), language);
}

TEST(Configuration, KeyIndexesOutsideTheTableMeanTheFirstKey) {
  for (const auto& [stored, expected] : std::map<int, int>{{-2, 0}, {-1, -1}, {0, 0}, {6, 6}, {7, 0}, {1000, 0}})
    EXPECT_EQ(NormalizeHotKeyIndex(stored), expected) << stored;
  MemoryProfile file;
  file.WriteString(L"Language", L"DefualtLanguageEng", L"0");
  file.WriteString(L"Language", L"DefualtLanguageRus", L"yes");  // not a number: the default
  file.WriteString(L"Chordix", L"NEW", L"9");
  const TLanguage language = ReadLanguageChoice(file);
  EXPECT_FALSE(language.english);
  EXPECT_FALSE(language.russian);
  EXPECT_EQ(ReadConfiguration(file).newStickerKey, 0);
}

TEST(DataFolder, OnlyTheFiveWordsSwitchToPortableMode) {
  for (const wchar_t* yes : {L"true", L"OK", L"1", L"YES", L"y", L"Yes"}) EXPECT_TRUE(IsPortableSwitch(yes)) << yes;
  for (const wchar_t* no : {L"on", L"", L"yes ", L"0", L"no", L"yess"}) EXPECT_FALSE(IsPortableSwitch(no)) << no;
}

TEST(DataFolder, ThePerUserFolderHasExactlyOneSeparator) {
  EXPECT_EQ(PerUserDataFolder(L"C:\\Users\\me\\Documents"), L"C:\\Users\\me\\Documents\\Quillory\\");
  EXPECT_EQ(PerUserDataFolder(L"D:\\"), L"D:\\Quillory\\");
  EXPECT_EQ(PerUserDataFolder(L""), L"\\Quillory\\");
}

}  // namespace
