#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "lang/flag_codes.h"
#include "lang/language_file.h"
#include "lang/tmui.h"
#include "support/memory_profile.h"

namespace {

constexpr TextId kCopy{L"Sticker", L"mCopys"};
constexpr TextId kProperties{L"Setting", L"fConfig"};

MemoryProfile OptionsOnly() {
  MemoryProfile file;
  file.WriteString(L"Options", L"Name", L"Test");
  file.WriteString(L"Options", L"Flag", L"de");
  return file;
}

TEST(LanguageFile, WithOnlyOptionsGivesEnglishExceptTheSevenOlderDefaults) {
  const std::map<std::wstring_view, std::wstring_view> differing = {
      {L"mCopys", L"Duplicate Window"}, {L"mSticksView", L"Show sticks"}, {L"capLColor", L"Caption color"},
      {L"vidCBSC", L"Caption shadow"},  {L"vidCBST", L"Text shadow"},     {L"vidSt10", L"Narrow"},
      {L"vidSt11", L"Aero"}};
  const TextSet texts = ReadLanguageTexts(OptionsOnly());
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const auto it = differing.find(kTextTable[i].key);
    EXPECT_EQ(texts[i], it == differing.end() ? kTextTable[i].english : it->second) << i;
  }
  EXPECT_EQ(texts[kProperties.Index()], L"Properties:");  // one colon, not two
}

TEST(LanguageFile, ReadsEachEntryFromItsSectionAndKeyAndAppendsTheColon) {
  MemoryProfile file = OptionsOnly();
  file.WriteString(L"Sticker", L"mCopys", L"Kopieren");
  file.WriteString(L"Setting", L"fConfig", L"Eigenschaften");
  file.WriteString(L"Tray", L"dialTextDeleteAll", L"Alle entfernen?");
  file.WriteString(L"Setting", L"dialTextDeleteAll", L"wrong section");
  file.WriteString(L"Manager", L"sort_list", L"");  // present but empty stays empty
  const TextSet texts = ReadLanguageTexts(file);
  EXPECT_EQ(texts[kCopy.Index()], L"Kopieren");
  EXPECT_EQ(texts[kProperties.Index()], L"Eigenschaften:");
  EXPECT_EQ(texts[TextId(L"Tray", L"dialTextDeleteAll").Index()], L"Alle entfernen?");
  EXPECT_EQ(texts[TextId(L"Manager", L"sort_list").Index()], L"");
}

TEST(LanguageFile, HeaderNamesTheLanguageAndItsFlagWithFallbacks) {
  const LanguageFileHeader header = ReadLanguageHeader(OptionsOnly(), L"test.lng");
  EXPECT_EQ(header.name, L"Test");
  EXPECT_EQ(header.flagIndex, 54);
  const LanguageFileHeader bare = ReadLanguageHeader(MemoryProfile{}, L"bare.lng");
  EXPECT_EQ(bare.name, L"bare.lng");
  EXPECT_EQ(bare.flagIndex, kNoFlag);
}

TEST(FlagIndex, FindsTheFirstPlaceOfACodeInAnyCase) {
  struct Case {
    std::wstring_view code;
    int index;
  };
  const Case cases[] = {{L"ad", 0},  {L"RU", 175}, {L"ru", 175}, {L"Ru", 175}, {L"za", 227}, {L"tg", 198},
                        {L"uk", 213}, {L"ua", 211}, {L"de", 54},  {L"zw", 229}, {L"hh", 91},  {L"", kNoFlag},
                        {L"1x", kNoFlag}, {L"_", kNoFlag}, {L"r", kNoFlag}, {L"rus", kNoFlag}, {L"xx", kNoFlag},
                        {L"ad ae", kNoFlag}, {L" r", kNoFlag}, {L"\u0440u", kNoFlag}};
  for (const Case& c : cases) EXPECT_EQ(FlagIndex(c.code), c.index) << std::wstring(c.code).size();
}

TEST(FlagIndex, NeverGivesTheSecondPlaceOfADoubledCode) {
  for (wchar_t first = L'a'; first <= L'z'; ++first)
    for (wchar_t second = L'a'; second <= L'z'; ++second) EXPECT_NE(FlagIndex(std::wstring{first, second}), 200);
}

TEST(LanguageFilePath, KeepsOnlyTheFileNameOfAStoredName) {
  struct Case {
    std::wstring_view stored;
    std::wstring_view path;
  };
  const Case cases[] = {{L"German.lng", L"C:\\Q\\Languages\\German.lng"},
                        {L"..\\..\\Windows\\win.ini", L"C:\\Q\\Languages\\win.ini"},
                        {L"C:\\other\\x.lng", L"C:\\Q\\Languages\\x.lng"},
                        {L"D:y.lng", L"C:\\Q\\Languages\\y.lng"},
                        {L"sub/z.lng", L"C:\\Q\\Languages\\z.lng"},
                        {L"", L"C:\\Q\\Languages\\"}};
  for (const Case& c : cases) EXPECT_EQ(LanguageFilePath(L"C:\\Q\\", c.stored), c.path) << c.path.size();
}

TEST(TMUI, StartsInBuiltinEnglish) {
  const TMUI mui;
  EXPECT_EQ(mui.Kind(), LanguageKind::kEnglish);
  EXPECT_EQ(mui.Language(), (TLanguage{.english = true, .russian = false, .otherLanguage = L""}));
  EXPECT_EQ(mui.Text(kCopy), L"Duplicate sticker");
}

TEST(TMUI, EachApplySetsKindFlagsAndFileName) {
  struct Step {
    const wchar_t* file;  // null: built-in
    BuiltinLanguage builtin;
    LanguageKind kind;
    TLanguage language;
    std::wstring_view copyText;
  };
  const Step steps[] = {
      {L"German.lng", {}, LanguageKind::kFile, {false, false, L"German.lng"}, L"Duplicate Window"},
      {nullptr, BuiltinLanguage::kRussian, LanguageKind::kRussian, {false, true, L""}, L"Создать копию"},
      {L"other.lng", {}, LanguageKind::kFile, {false, false, L"other.lng"}, L"Duplicate Window"},
      {nullptr, BuiltinLanguage::kEnglish, LanguageKind::kEnglish, {true, false, L""}, L"Duplicate sticker"},
  };
  TMUI mui;
  for (const Step& step : steps) {
    if (step.file)
      mui.ApplyFile(OptionsOnly(), step.file);
    else
      mui.ApplyBuiltin(step.builtin);
    EXPECT_EQ(mui.Kind(), step.kind);
    EXPECT_EQ(mui.Language(), step.language);
    EXPECT_EQ(mui.Text(kCopy), step.copyText);
    EXPECT_EQ(static_cast<int>(mui.Kind()), step.file ? 3 : step.builtin == BuiltinLanguage::kRussian ? 1 : 2);
  }
}

TEST(TMUI, EveryApplyRelabelsEveryRegisteredWindowInOrderWithTheNewTexts) {
  TMUI mui;
  std::vector<std::wstring> seen;
  mui.Hooks().Register([&](const TMUI& texts) { seen.push_back(L"menu " + texts.Text(kCopy)); });
  mui.Hooks().Register([&](const TMUI& texts) { seen.push_back(L"manager " + texts.Text(kCopy)); });
  mui.ApplyBuiltin(BuiltinLanguage::kRussian);
  mui.ApplyFile(OptionsOnly(), L"test.lng");
  const std::vector<std::wstring> expected = {L"menu Создать копию", L"manager Создать копию",
                                              L"menu Duplicate Window", L"manager Duplicate Window"};
  EXPECT_EQ(seen, expected);
}

// A window that goes away takes its hook with it, even from inside a relabel.
TEST(RelabelHooks, ARemovedHookIsNeverCalledAgain) {
  TMUI mui;
  std::vector<std::wstring> seen;
  int second = 0;
  const int first = mui.Hooks().Register([&](const TMUI&) {
    seen.push_back(L"first");
    mui.Hooks().Remove(second);  // its window closes during the relabel
  });
  second = mui.Hooks().Register([&](const TMUI&) { seen.push_back(L"second"); });
  mui.ApplyBuiltin(BuiltinLanguage::kEnglish);
  EXPECT_EQ(seen, std::vector<std::wstring>{L"first"});
  mui.Hooks().Remove(first);
  mui.ApplyBuiltin(BuiltinLanguage::kRussian);
  EXPECT_EQ(seen.size(), 1u);
}

}  // namespace
