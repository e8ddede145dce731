#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <vector>

#include "lang/text_id.h"
#include "lang/tmui.h"

namespace {

std::wstring Lower(std::wstring_view text) {
  std::wstring lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
  return lower;
}

TEST(TextTable, HoldsItsSectionsInTheFixedOrder) {
  struct Run {
    std::wstring_view section;
    std::size_t length;
  };
  // The two confirmation texts of "Tray" stand among the "Setting" entries;
  // texts added later (the find field's label, the kept-file notice, the full
  // store, the marker of a task whose sticker is gone, the wizard's note on
  // an unknown task kind, a sticker's Undo) end the table.
  const std::vector<Run> expected = {{L"Sticker", 8}, {L"Tray", 15},   {L"Setting", 55}, {L"Tray", 2},
                                     {L"Setting", 32}, {L"Plan", 45},  {L"Manager", 25}, {L"Tray", 1},
                                     {L"Manager", 1},  {L"Plan", 1},   {L"Sticker", 1}};
  std::vector<Run> runs;
  for (const TextEntry& entry : kTextTable) {
    if (runs.empty() || runs.back().section != entry.section) runs.push_back({entry.section, 0});
    ++runs.back().length;
  }
  ASSERT_EQ(runs.size(), expected.size());
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].section, expected[i].section) << i;
    EXPECT_EQ(runs[i].length, expected[i].length) << i;
  }
}

TEST(TextTable, PlacesSampleKeysAtTheirPositions) {
  struct Case {
    TextId id;
    std::size_t index;
  };
  const Case cases[] = {{{L"Sticker", L"mConfig"}, 0},          {{L"Sticker", L"dfRazver"}, 7},
                        {{L"Tray", L"mNewStick"}, 8},           {{L"Tray", L"mChordix"}, 22},
                        {{L"Setting", L"bOk"}, 23},             {{L"Setting", L"capLtext"}, 26},
                        {{L"Setting", L"capLFont"}, 27},        {{L"Setting", L"fUseColor"}, 77},
                        {{L"Tray", L"dialCaptionDeleteAll"}, 78}, {{L"Setting", L"calO"}, 111},
                        {{L"Plan", L"Button_prev"}, 112},       {{L"Plan", L"Name"}, 156},
                        {{L"Manager", L"show_stick"}, 157},     {{L"Manager", L"sort_list"}, 179}};
  for (const Case& c : cases) EXPECT_EQ(c.id.Index(), c.index) << c.index;
}

// Language files are read through case-insensitive profile functions, so two
// entries must never differ only in case.
TEST(TextTable, EverySectionAndKeyPairIsUniqueWithoutRegardToCase) {
  std::set<std::pair<std::wstring, std::wstring>> seen;
  for (const TextEntry& entry : kTextTable)
    EXPECT_TRUE(seen.insert({Lower(entry.section), Lower(entry.key)}).second) << Lower(entry.key);
}

TEST(BuiltinTexts, NoEntryIsEmptyInEitherLanguage) {
  for (const TextEntry& entry : kTextTable) {
    EXPECT_FALSE(entry.english.empty()) << Lower(entry.key);
    EXPECT_FALSE(entry.russian.empty()) << Lower(entry.key);
  }
}

TEST(BuiltinTexts, MatchTheSystemsOwnTextsAcrossAllSections) {
  struct Case {
    TextId id;
    std::wstring_view english;
    std::wstring_view russian;
  };
  const Case cases[] = {
      {{L"Sticker", L"mCopys"}, L"Duplicate sticker", L"Создать копию"},
      {{L"Tray", L"mClose"}, L"Close", L"Закрыть программу"},
      {{L"Tray", L"mAbout"}, L"About", L"Об Авторе"},
      {{L"Setting", L"fConfig"}, L"Properties:", L"Настройки:"},
      {{L"Setting", L"vidSt12"}, L"Vista Glass", L"Vista Glass"},
      {{L"Setting", L"vidSt15"}, L"H.Z.", L"Х.З."},
      {{L"Tray", L"dialCaptionDeleteAll"}, L"Quillory: Confirmation", L"Quillory: Подтверждение"},
      {{L"Setting", L"wd7"}, L"Sun", L"Вс"},
      {{L"Setting", L"m5"}, L"May", L"Май"},
      {{L"Sticker", L"dfRazver"}, L"Restore sticker", L"Развернуть стикер"},
      {{L"Plan", L"caption"}, L"Scheduler", L"Планировщик"},
      {{L"Plan", L"capt_bold_main"}, L"Schedule Wizard", L"Мастер планировки заданий"},
      {{L"Plan", L"hint_show"}, L"Show the sticker's text in a tray balloon", L"Показать подсказку в трее из стикера"},
      {{L"Plan", L"every_hour"}, L"Hourly (for example at 12:00, 13:00, 14:00)",
       L"Ежечасно (например, в 12:00, 13:00, 14:00 и тд)"},
      {{L"Plan", L"Name"}, L"New Task", L"Новое задание"},
      {{L"Manager", L"Link"}, L"Create shortcut", L"Создать ярлык"},
      {{L"Manager", L"ts_plan"}, L"Scheduler", L"Планировщик"},
      {{L"Manager", L"ts_manager"}, L"Sticker manager", L"Менеджер стикеров"},
      {{L"Manager", L"dialog_del_stick_caption"}, L"Remove Sticker", L"Удаление стикера"},
      {{L"Manager", L"dialog_del_stick"}, L"Are you sure you want to delete this sticker?", L"Вы хотите удалить стикер?"},
  };
  TMUI mui;
  for (const Case& c : cases) EXPECT_EQ(mui.Text(c.id), c.english) << Lower(c.id.Entry().key);
  mui.ApplyBuiltin(BuiltinLanguage::kRussian);
  for (const Case& c : cases) EXPECT_EQ(mui.Text(c.id), c.russian) << Lower(c.id.Entry().key);
}

// Every page of the task wizard carries the same bold title; a change to one
// of its seven copies that misses another shows as two wizards.
TEST(BuiltinTexts, TheWizardsPagesShareOneTitleInEitherLanguage) {
  const TextId titles[] = {{L"Plan", L"capt_bold_main"}, {L"Plan", L"capt_bold_period"},
                           {L"Plan", L"capt_bold_time"}, {L"Plan", L"capt_bold_auto"},
                           {L"Plan", L"capt_bold_mess"}, {L"Plan", L"capt_bold_mess_end"},
                           {L"Plan", L"capt_bold_stick"}};
  TMUI mui;
  for (BuiltinLanguage language : {BuiltinLanguage::kEnglish, BuiltinLanguage::kRussian}) {
    mui.ApplyBuiltin(language);
    for (const TextId& title : titles) EXPECT_EQ(mui.Text(title), mui.Text(titles[0])) << Lower(title.Entry().key);
  }
}

// Written with escapes, so a compiler that misreads the UTF-8 source fails here.
TEST(BuiltinTexts, RussianIsDecodedFromTheSourceAsUnicode) {
  TMUI mui;
  mui.ApplyBuiltin(BuiltinLanguage::kRussian);
  EXPECT_EQ(mui.Text({L"Tray", L"mLang"}), L"\u042F\u0437\u044B\u043A");  // "Язык"
}

}  // namespace
