// Language files read through the system's profile functions: real files in
// the system ANSI code page, and the language files we ship.

#include <gtest/gtest.h>

#include <windows.h>

#include <span>

#include "lang/flag_codes.h"
#include "lang/language_file_win.h"
#include "win/file_io_win.h"
#include "store/profile_file_win.h"
#include "support/memory_profile.h"
#include "support/program_run_win.h"
#include "support/temp_folder_win.h"

namespace {

constexpr UINT kWesternCodePage = 1252;
constexpr UINT kCyrillicCodePage = 1251;

struct Sample {
  TextId id;
  std::wstring_view text;
};

std::wstring ShippedFile(const wchar_t* name) { return BuiltProgramFolder() + L"Languages\\" + name; }

// Every entry has its own key in the file: none falls back to a default.
void ExpectEveryKeyPresent(const std::wstring& path) {
  const IniFile file(path);
  constexpr wchar_t kAbsent[] = L"\x1F absent";
  for (const TextEntry& entry : kTextTable)
    EXPECT_NE(file.ReadString(entry.section, entry.key, kAbsent), kAbsent) << std::wstring(entry.key).size();
}

void ExpectShippedLanguage(const wchar_t* fileName, const LanguageFileHeader& header, std::span<const Sample> samples) {
  const std::wstring path = ShippedFile(fileName);
  ExpectEveryKeyPresent(path);
  const LanguageFileHeader read = ReadLanguageFileHeader(path);
  EXPECT_EQ(read.name, header.name);
  EXPECT_EQ(read.flagIndex, header.flagIndex);
  TMUI mui;
  ApplyLanguageFile(mui, path);
  EXPECT_EQ(mui.Kind(), LanguageKind::kFile);
  EXPECT_EQ(mui.Language(), (TLanguage{.english = false, .russian = false, .otherLanguage = fileName}));
  for (const Sample& s : samples) EXPECT_EQ(mui.Text(s.id), s.text) << s.id.Index();
}

TEST(LanguageFiles, AreReadInTheAnsiCodePageWithoutRegardToCase) {
  ASSERT_EQ(GetACP(), kWesternCodePage);
  TempFolder folder;
  const std::wstring path = folder.File(L"probe.LNG");
  WriteText(path,
            "[OPTIONS]\r\nNAME=Pr\xFC" "fung\r\nflag=RU\r\n"
            "[sticker]\r\nMCONFIG=Einstellungen f\xFCr\r\n"
            "[SETTING]\r\nfconfig=Gr\xF6\xDF" "e\r\n");
  TMUI mui;
  ApplyLanguageFile(mui, path);
  EXPECT_EQ(mui.Text({L"Sticker", L"mConfig"}), L"Einstellungen f\u00FCr");
  EXPECT_EQ(mui.Text({L"Setting", L"fConfig"}), L"Gr\u00F6\u00DFe:");
  EXPECT_EQ(mui.Text({L"Sticker", L"mCopys"}), L"Duplicate Window");
  EXPECT_EQ(mui.Text({L"Tray", L"mClose"}), L"Close");
  EXPECT_EQ(mui.Language().otherLanguage, L"probe.LNG");
  const LanguageFileHeader header = ReadLanguageFileHeader(path);
  EXPECT_EQ(header.name, L"Pr\u00FC" L"fung");
  EXPECT_EQ(header.flagIndex, 175);
}

TEST(LanguageFiles, AMissingFileOrAFolderGivesTheDefaultsAsAFileLanguage) {
  TempFolder folder;
  const TextSet defaults = ReadLanguageTexts(MemoryProfile{});
  for (const std::wstring& path : {folder.File(L"absent.lng"), folder.Path()}) {
    TMUI mui;
    mui.ApplyBuiltin(BuiltinLanguage::kRussian);
    ApplyLanguageFile(mui, path);
    EXPECT_EQ(mui.Kind(), LanguageKind::kFile);
    EXPECT_FALSE(mui.Language().english || mui.Language().russian);
    EXPECT_EQ(mui.Text({L"Tray", L"mSticksView"}), L"Show sticks");
    EXPECT_TRUE(ReadLanguageTexts(IniFile(path)) == defaults);
    const LanguageFileHeader header = ReadLanguageFileHeader(path);
    EXPECT_EQ(header.flagIndex, kNoFlag);
  }
  EXPECT_FALSE(FileExists(folder.File(L"absent.lng")));  // reading never creates the file
}

TEST(LanguageFiles, TheShippedGermanFileHasEveryTextInWindows1252) {
  ASSERT_EQ(GetACP(), kWesternCodePage);
  const Sample samples[] = {{{L"Tray", L"mClose"}, L"Beenden"},
                            {{L"Setting", L"bPrim"}, L"\u00DCbernehmen"},
                            {{L"Setting", L"m3"}, L"M\u00E4rz"},
                            {{L"Setting", L"fConfig"}, L"Eigenschaften:"},
                            {{L"Tray", L"mFindSreen"}, L"Notizen au\u00DFerhalb des Bildschirms holen"},
                            {{L"Manager", L"close"}, L"Schlie\u00DFen"},
                            {{L"Plan", L"grid_everyday"}, L"T\u00E4glich um"},
                            {{L"Sticker", L"mUndo"}, L"R\u00FCckg\u00E4ngig"}};
  ExpectShippedLanguage(L"German.lng", {L"Deutsch", FlagIndex(L"de")}, samples);
}

// Runs only with Wine in a Russian locale (see the test list in the build).
TEST(RussianLocaleLanguageFiles, TheShippedUkrainianFileHasEveryTextInWindows1251) {
  ASSERT_EQ(GetACP(), kCyrillicCodePage);
  const Sample samples[] = {{{L"Tray", L"mLang"}, L"\u041C\u043E\u0432\u0430"},                  // Мова
                            {{L"Setting", L"wd7"}, L"\u041D\u0434"},                             // Нд
                            {{L"Setting", L"m1"}, L"\u0421\u0456\u0447\u0435\u043D\u044C"},      // Січень
                            {{L"Setting", L"fConfig"}, L"\u0412\u043B\u0430\u0441\u0442\u0438\u0432\u043E\u0441\u0442\u0456:"},
                            {{L"Manager", L"refresh"}, L"\u041E\u043D\u043E\u0432\u0438\u0442\u0438"},  // Оновити
                            {{L"Sticker", L"mUndo"}, L"\u0421\u043A\u0430\u0441\u0443\u0432\u0430\u0442\u0438"}};  // Скасувати
  ExpectShippedLanguage(L"Ukrainian.lng",
                        {L"\u0423\u043A\u0440\u0430\u0457\u043D\u0441\u044C\u043A\u0430", FlagIndex(L"ua")}, samples);
}

}  // namespace
