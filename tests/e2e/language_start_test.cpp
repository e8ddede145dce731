// The language Quillory.exe starts in and what it writes back at shutdown.

#include <gtest/gtest.h>

#include "app/data_folder_win.h"
#include "win/file_io_win.h"
#include "store/profile_file_win.h"
#include "support/program_run_win.h"

namespace {

constexpr wchar_t kLanguage[] = L"Language";
constexpr wchar_t kEnglish[] = L"DefualtLanguageEng";
constexpr wchar_t kRussian[] = L"DefualtLanguageRus";
constexpr wchar_t kOther[] = L"OtherLanguage";

struct StoredLanguage {
  std::wstring english, russian, other;
  friend bool operator==(const StoredLanguage&, const StoredLanguage&) = default;
};

void Store(IniFile& config, const StoredLanguage& language) {
  config.WriteString(kLanguage, kEnglish, language.english);
  config.WriteString(kLanguage, kRussian, language.russian);
  config.WriteString(kLanguage, kOther, language.other);
}

StoredLanguage Stored(const IniFile& config) {
  return {config.ReadString(kLanguage, kEnglish, L"?"), config.ReadString(kLanguage, kRussian, L"?"),
          config.ReadString(kLanguage, kOther, L"?")};
}

void StartAndClose(const ProgramCopy& copy) {
  RunningProgram program(copy.Exe());
  ASSERT_NE(program.MainWindow(), nullptr);
  ASSERT_TRUE(program.Close());
}

TEST(LanguageStart, TheStoredChoiceIsAppliedAndWrittenBackAtShutdown) {
  struct Case {
    StoredLanguage stored, written;
  };
  const Case cases[] = {
      // A language file clears both flags, so every later start loads it again.
      {{L"0", L"0", L"German.lng"}, {L"0", L"0", L"German.lng"}},
      {{L"0", L"0", L"Gone.lng"}, {L"0", L"0", L"Gone.lng"}},  // no longer there: defaults, still chosen
      {{L"0", L"0", L"..\\..\\German.lng"}, {L"0", L"0", L"German.lng"}},
      {{L"1", L"1", L"German.lng"}, {L"1", L"0", L""}},  // English wins and clears the rest
      {{L"0", L"1", L"German.lng"}, {L"0", L"1", L""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stored.english << c.stored.russian << " " << c.stored.other.size());
    ProgramCopy copy;
    IniFile config(copy.File(L"config.txt"));
    Store(config, c.stored);
    StartAndClose(copy);
    EXPECT_EQ(Stored(config), c.written);
    StartAndClose(copy);
    EXPECT_EQ(Stored(config), c.written);
  }
}

// Runs only with Wine in a Russian locale (see the test list in the build).
TEST(RussianLocaleStart, WithoutConfigTxtARussianSystemStartsInRussian) {
  ASSERT_EQ(GetSystemDefaultLangID(), 0x0419);
  ProgramCopy copy(false);
  const auto documents = DocumentsFolder();
  ASSERT_TRUE(documents.has_value());
  const IniFile config(*documents + L"\\Quillory\\config.txt");
  DeleteFileW(config.Path().c_str());  // left by an earlier run in the same test prefix
  StartAndClose(copy);
  EXPECT_EQ(Stored(config), (StoredLanguage{L"0", L"1", L""}));
  EXPECT_EQ(config.ReadString(L"Chordix", L"NEW", L"?"), L"-1");
  DeleteFileW(config.Path().c_str());
}

}  // namespace
