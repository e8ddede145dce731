// Pattern files in a patterns folder against the real profile functions.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "store/patterns_win.h"
#include "win/file_io_win.h"
#include "support/temp_folder_win.h"

namespace {

const DateTime kNow = EncodeDateTime({2024, 2, 1, 10, 15, 30});

// A program folder with a patterns folder (or without one).
struct ProgramFolder {
  TempFolder root;
  explicit ProgramFolder(bool withPatterns = true) {
    if (withPatterns) CreateDirectoryW(Patterns().c_str(), nullptr);
  }
  std::wstring Patterns() const { return PatternsFolder(root.Path()); }
  std::wstring Pattern(const std::wstring& name) const { return Patterns() + name; }
};

std::vector<std::wstring> Entries(const ProgramFolder& program) {
  bool exists = false;
  std::vector<std::wstring> entries = ListPatternEntries(program.root.Path(), exists);
  EXPECT_TRUE(exists);
  return entries;
}

bool SameRecord(const StickerRecord& a, const StickerRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Patterns, ListsPtrFilesInAnyCaseInListingOrder) {
  ProgramFolder program;
  WriteText(program.Pattern(L"b.ptr"), "[Info]\r\nname=Beta\r\n");
  WriteText(program.Pattern(L"a.PTR"), "[Text]\r\nColor=255\r\n");
  WriteText(program.Pattern(L"c.Ptr"), "[Info]\r\nname=Gamma||odd\r\n");
  WriteText(program.Pattern(L"d.txt"), "[Info]\r\nname=Text file\r\n");
  CreateDirectoryW(program.Pattern(L"x.ptr").c_str(), nullptr);

  std::vector<std::wstring> expected;
  for (const std::wstring& path : FilesWithExtension(program.Patterns(), L".ptr")) {
    const std::wstring file = path.substr(program.Patterns().size());
    const std::wstring name = file == L"b.ptr" ? L"Beta" : file == L"c.Ptr" ? L"Gamma||odd" : L"unknown pattern";
    expected.push_back(name + L"||" + file);
  }
  EXPECT_EQ(expected.size(), 3u);
  EXPECT_EQ(Entries(program), expected);

  bool exists = true;
  EXPECT_TRUE(ListPatternEntries(ProgramFolder(false).root.Path(), exists).empty());
  EXPECT_FALSE(exists);
}

TEST(Patterns, TwoSavesWithinOneSecondKeepBothPatterns) {
  ProgramFolder program;
  StickerRecord first = NewStickerRecord(0x0000FF), second = NewStickerRecord(0x00FF00);
  second.style = kStyleModern;
  ASSERT_TRUE(SavePattern(program.root.Path(), L"First", first, kNow));
  ASSERT_TRUE(SavePattern(program.root.Path(), L"Second", second, kNow));
  std::vector<std::wstring> entries = Entries(program);
  std::sort(entries.begin(), entries.end());
  ASSERT_EQ(entries, (std::vector<std::wstring>{L"First||010224_101530.ptr", L"Second||010224_101530_2.ptr"}));

  const StickerRecord loaded = PatternRecord(program.root.Path(), entries[1], 0x123456);
  EXPECT_EQ(loaded.color, 0x00FF00u);
  EXPECT_EQ(loaded.style, kStyleModern);
  EXPECT_EQ(PatternRecord(program.root.Path(), entries[0], 0x123456).color, 0x0000FFu);
}

TEST(Patterns, TheFileIsAnAnsiProfileFile) {
  ProgramFolder program;
  ASSERT_TRUE(SavePattern(program.root.Path(), L"Caf\u00e9", NewStickerRecord(0), kNow));
  const std::string text = ReadText(program.Pattern(L"010224_101530.ptr"));
  EXPECT_NE(text.find("name=Caf\xe9\r\nDate=01.02.2024 10:15\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Window]"), std::string::npos) << text;
}

TEST(Patterns, AFileThatCannotBeWrittenIsReportedAndNothingIsCreated) {
  const std::wstring unable = L"Cannot create file \"";
  std::vector<std::wstring> reports;
  const ErrorReport record = [&](const std::wstring& text) { reports.push_back(text); };

  ProgramFolder missing(false);
  EXPECT_FALSE(SavePattern(missing.root.Path(), L"Work", NewStickerRecord(0), kNow, record));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].rfind(unable + missing.Pattern(L"010224_101530.ptr") + L"\". ", 0), 0u) << reports[0];
  EXPECT_EQ(GetFileAttributesW(missing.Patterns().c_str()), INVALID_FILE_ATTRIBUTES);

  // A folder where the first free name points: the write itself fails.
  ProgramFolder blocked;
  CreateDirectoryW(blocked.Pattern(L"010224_101530.ptr").c_str(), nullptr);
  reports.clear();
  EXPECT_FALSE(SavePattern(blocked.root.Path(), L"Work", NewStickerRecord(0), kNow, record));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].rfind(unable + blocked.Pattern(L"010224_101530.ptr") + L"\". ", 0), 0u) << reports[0];
}

TEST(Patterns, DeleteRemovesAReadOnlyFileAndNothingOutsideTheFolder) {
  ProgramFolder program;
  const std::wstring path = program.Pattern(L"a.ptr");
  WriteText(path, "[Info]\r\nname=A\r\n");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  const std::wstring outside = program.root.File(L"base.db");
  WriteText(outside, "notes");
  DeletePattern(program.root.Path(), L"Base||..\\base.db");
  EXPECT_TRUE(FileExists(outside));
  DeletePattern(program.root.Path(), L"A||a.ptr");
  EXPECT_FALSE(FileExists(path));
  DeletePattern(program.root.Path(), L"A||a.ptr");  // gone already: nothing happens
  DeletePattern(program.root.Path(), L"||");
}

TEST(Patterns, WithoutItsFileAnEntryGivesANewStickerRecord) {
  ProgramFolder program;
  for (const wchar_t* entry : {L"||", L"Gone||gone.ptr", L"Up||..\\base.db"})
    EXPECT_TRUE(SameRecord(PatternRecord(program.root.Path(), entry, 0x4080C0), NewStickerRecord(0x4080C0))) << entry;
}

}  // namespace
