#include <gtest/gtest.h>

#include <map>

#include "app/configuration.h"
#include "app/data_folder.h"

namespace {

// Section and key names as written, so the tests see the exact spelling.
struct MemoryProfile final : ProfileFile {
  std::map<std::pair<std::wstring, std::wstring>, std::wstring> values;
  std::wstring ReadString(std::wstring_view s, std::wstring_view k, std::wstring_view fallback) const override {
    const auto it = values.find({std::wstring(s), std::wstring(k)});
    return it == values.end() ? std::wstring(fallback) : it->second;
  }
  void WriteString(std::wstring_view s, std::wstring_view k, std::wstring_view v) override {
    values[{std::wstring(s), std::wstring(k)}] = std::wstring(v);
  }
};

TEST(ProfileValues, IntegersAreReadLikeTheSystemProfileFunctions) {
  struct Case { const wchar_t* text; int expected; };
  const Case cases[] = {{L"12", 12}, {L"-1", -1}, {L" 7", 7}, {L"0x10", 16}, {L"3abc", 3},
                        {L"", 99},   {L"abc", 99}, {L"-", 99}, {L"0x", 0}};
  for (const Case& c : cases) EXPECT_EQ(ParseProfileInt(c.text, 99), c.expected) << c.text;
}

TEST(Configuration, AnEmptyFileGivesTheDefaults) {
  const MemoryProfile empty;
  const Configuration c = ReadConfiguration(empty);
  EXPECT_TRUE(c.englishLanguage);
  EXPECT_FALSE(c.russianLanguage);
  EXPECT_EQ(c.otherLanguage, L"");
  EXPECT_EQ(c.newStickerKey, 0);  // a missing "Chordix" section gives the first key
  EXPECT_EQ(c.managerKey, 0);
  EXPECT_FALSE(c.managerSort);
  EXPECT_EQ(c.managerPage, 0);
}

TEST(Configuration, WithoutAFileTheSystemLanguageDecidesAndNoKeyIsSet) {
  const Configuration ru = ConfigurationWithoutFile(true);
  EXPECT_FALSE(ru.englishLanguage);
  EXPECT_TRUE(ru.russianLanguage);
  EXPECT_EQ(ru.newStickerKey, kNoHotKey);
  EXPECT_TRUE(ConfigurationWithoutFile(false).englishLanguage);
}

TEST(Configuration, WritesEveryKeyWithItsExactNameAndReadsItBack) {
  Configuration c = ConfigurationWithoutFile(false);
  c.otherLanguage = L"German.lng";
  c.managerKey = 6;
  c.managerSort = true;
  c.managerPage = 1;
  MemoryProfile file;
  WriteConfiguration(file, c);
  const std::map<std::pair<std::wstring, std::wstring>, std::wstring> expected = {
      {{L"Language", L"DefualtLanguageEng"}, L"1"}, {{L"Language", L"DefualtLanguageRus"}, L"0"},
      {{L"Language", L"OtherLanguage"}, L"German.lng"}, {{L"Chordix", L"NEW"}, L"-1"},
      {{L"Chordix", L"MANAGER"}, L"6"}, {{L"Manager", L"Sort"}, L"1"}, {{L"Manager", L"Page"}, L"1"}};
  EXPECT_EQ(file.values, expected);
  const Configuration back = ReadConfiguration(file);
  EXPECT_EQ(back.newStickerKey, kNoHotKey);
  EXPECT_EQ(back.managerKey, 6);
  EXPECT_TRUE(back.managerSort);
  EXPECT_EQ(back.otherLanguage, L"German.lng");
}

TEST(Configuration, KeyIndexesOutsideTheTableMeanTheFirstKey) {
  for (const auto& [stored, expected] : std::map<int, int>{{-2, 0}, {-1, -1}, {0, 0}, {6, 6}, {7, 0}, {1000, 0}})
    EXPECT_EQ(NormalizeHotKeyIndex(stored), expected) << stored;
  MemoryProfile file;
  file.WriteString(L"Language", L"DefualtLanguageEng", L"0");
  file.WriteString(L"Language", L"DefualtLanguageRus", L"yes");  // not a number: the default
  file.WriteString(L"Chordix", L"NEW", L"9");
  const Configuration c = ReadConfiguration(file);
  EXPECT_FALSE(c.englishLanguage);
  EXPECT_FALSE(c.russianLanguage);
  EXPECT_EQ(c.newStickerKey, 0);
}

TEST(DataFolder, OnlyTheFiveWordsSwitchToPortableMode) {
  for (const wchar_t* yes : {L"true", L"OK", L"1", L"YES", L"y", L"Yes"}) EXPECT_TRUE(IsPortableSwitch(yes)) << yes;
  for (const wchar_t* no : {L"on", L"", L"yes ", L"0", L"no", L"yess"}) EXPECT_FALSE(IsPortableSwitch(no)) << no;
}

TEST(DataFolder, ThePerUserFolderHasExactlyOneSeparator) {
  EXPECT_EQ(PerUserDataFolder(L"C:\\Users\\me\\Documents"), L"C:\\Users\\me\\Documents\\Quillory\\");
  EXPECT_EQ(PerUserDataFolder(L"D:\\"), L"D:\\Quillory\\");
  EXPECT_EQ(PerUserDataFolder(L""), L"\\Quillory\\");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\x"), L"C:\\x\\");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\x\\"), L"C:\\x\\");
}

}  // namespace
