#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "store/pattern_file.h"
#include "support/memory_profile.h"

namespace {

// ASCII is all the tests need of the code page.
std::string Narrow(std::wstring_view wide) { return {wide.begin(), wide.end()}; }
std::wstring Widen(std::string_view ansi) { return {ansi.begin(), ansi.end()}; }

using Writes = std::vector<std::tuple<std::wstring, std::wstring, std::wstring>>;

struct WriteLog final : ProfileFile {
  Writes writes;
  std::wstring ReadString(std::wstring_view, std::wstring_view, std::wstring_view fallback) const override {
    return std::wstring(fallback);
  }
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override {
    writes.emplace_back(section, key, value);
  }
};

TEST(PatternFile, TextKeysGoToEveryBlockButTheSizeOnlyToTheBody) {
  MemoryProfile file;
  for (const auto& [key, value] : {std::pair{L"Color", L"255"}, {L"ColorShadow", L"0x00FF00"}, {L"use_shadow", L"0"},
                                   {L"font", L"A font name longer than the forty-eight characters a record holds"},
                                   {L"Size", L"14"}, {L"Align", L"258"}})
    file.WriteString(L"Text", key, value);
  file.WriteString(L"Window", L"Transparent", L"300");
  file.WriteString(L"Window", L"Ico", L"65637");
  StickerRecord record = NewStickerRecord(0x123456);
  record.hide_interval = 640;
  LoadPattern(file, record, Narrow);
  for (const StickerTextBlock* block : {&record.caption, &record.date_line, &record.body}) {
    EXPECT_EQ(block->color, 0x0000FFu);
    EXPECT_EQ(block->shadow_color, 0x00FF00u);
    EXPECT_EQ(block->use_shadow, 0);
    EXPECT_EQ(block->font_name.View(), "A font name longer than the forty-eight characte");
  }
  EXPECT_EQ(record.body.font_size, 14);
  EXPECT_EQ(record.caption.font_size, 10);  // as a new record has them
  EXPECT_EQ(record.date_line.font_size, 7);
  EXPECT_EQ(record.align, 2);  // the low eight bits
  EXPECT_EQ(record.alpha, 44);
  EXPECT_EQ(record.icon, 101);  // the low sixteen bits
  EXPECT_EQ(record.style, kStylePanel);
  EXPECT_EQ(record.color, 0xFFFFFFu);
  EXPECT_EQ(record.hide_interval, 640);  // not part of a pattern
  EXPECT_EQ(PatternName(file), L"unknown pattern");
}

TEST(PatternFile, WritesTheBodyAndWindowInKeyOrderAndReadsBack) {
  StickerRecord record = NewStickerRecord(0x40A0F0);
  record.body.color = 0x0000FF;
  record.caption.color = 0x00FF00;  // the caption's own colour is not written
  record.body.shadow_color = 0x202020;
  record.body.use_shadow = 0;
  record.body.font_name.Assign("Verdana");
  record.body.font_size = 12;
  record.align = 1;
  record.font_style = 2;
  record.alpha = 200;
  record.style = 13;
  record.use_color = 0;
  record.icon = 101;
  WriteLog log;
  WritePattern(log, L"Work", L"01.02.2024 10:15", record, Widen);
  const Writes expected = {
      {L"Info", L"name", L"Work"}, {L"Info", L"Date", L"01.02.2024 10:15"}, {L"Text", L"Color", L"255"},
      {L"Text", L"ColorShadow", L"2105376"}, {L"Text", L"use_shadow", L"0"}, {L"Text", L"font", L"Verdana"},
      {L"Text", L"Size", L"12"}, {L"Text", L"Align", L"1"}, {L"Text", L"Styletext", L"2"},
      {L"Window", L"Transparent", L"200"}, {L"Window", L"Style", L"13"}, {L"Window", L"use_color", L"0"},
      {L"Window", L"Color", L"4235504"}, {L"Window", L"Ico", L"101"}};
  EXPECT_EQ(log.writes, expected);

  MemoryProfile file;
  WritePattern(file, L"Work", L"", record, Widen);
  EXPECT_EQ(PatternName(file), L"Work");
  StickerRecord back = NewStickerRecord(0);
  LoadPattern(file, back, Narrow);
  WriteLog again;
  WritePattern(again, L"Work", L"01.02.2024 10:15", back, Widen);
  EXPECT_EQ(again.writes, expected);
}

TEST(PatternFile, EntriesSplitAtTheFirstSeparatorAndStayInTheFolder) {
  struct Case {
    std::wstring_view entry;
    PatternEntry split;
    std::wstring path;
  };
  const std::wstring folder = L"C:\\Q\\patterns\\";
  const Case cases[] = {{L"Work||a.ptr", {L"Work", L"a.ptr"}, folder + L"a.ptr"},
                        {L"a||b||c.ptr", {L"a", L"b||c.ptr"}, folder + L"b||c.ptr"},
                        {L"||", {L"", L""}, L""},
                        {L"no separator", {L"no separator", L""}, L""},
                        {L"W||..\\..\\base.db", {L"W", L"..\\..\\base.db"}, folder + L"base.db"},
                        {L"W||C:/Windows/x.ptr", {L"W", L"C:/Windows/x.ptr"}, folder + L"x.ptr"},
                        {L"W||D:x.ptr", {L"W", L"D:x.ptr"}, folder + L"x.ptr"},
                        {L"W||..", {L"W", L".."}, L""}};
  for (const Case& c : cases) {
    EXPECT_EQ(SplitPatternEntry(c.entry), c.split) << testing::PrintToString(std::wstring(c.entry));
    EXPECT_EQ(PatternFilePath(L"C:\\Q\\", c.entry), c.path) << testing::PrintToString(std::wstring(c.entry));
  }
  EXPECT_EQ(PatternEntryText(L"Work", L"a.ptr"), L"Work||a.ptr");
  EXPECT_EQ(PatternEntryText(L"", L""), L"||");
}

TEST(PatternFile, FileNamesCarryTheSecondAndLaterAttempts) {
  const DateTime now = EncodeDateTime({2024, 2, 1, 9, 5, 7, 999});
  const std::pair<int, std::wstring> cases[] = {
      {1, L"010224_090507.ptr"}, {2, L"010224_090507_2.ptr"}, {3, L"010224_090507_3.ptr"}, {12, L"010224_090507_12.ptr"}};
  for (const auto& [attempt, name] : cases) EXPECT_EQ(PatternFileName(now, attempt), name) << attempt;
  EXPECT_EQ(PatternFileName(EncodeDateTime({2031, 12, 31, 23, 59, 59}), 1), L"311231_235959.ptr");
  EXPECT_EQ(PatternDateText(now), L"01.02.2024 09:05");
  EXPECT_EQ(PatternDateText(EncodeDateTime({1999, 11, 30, 18, 40})), L"30.11.1999 18:40");
}

}  // namespace
