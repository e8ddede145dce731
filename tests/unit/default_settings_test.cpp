#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "store/default_settings.h"
#include "support/memory_profile.h"

namespace {

using Writes = std::vector<std::pair<std::wstring, std::wstring>>;  // key, value

// Keeps the order of the writes.
struct WriteLog final : ProfileFile {
  Writes writes;
  std::wstring ReadString(std::wstring_view, std::wstring_view, std::wstring_view fallback) const override {
    return std::wstring(fallback);
  }
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override {
    EXPECT_EQ(section, L"Default");
    writes.emplace_back(key, value);
  }
};

Writes WritesOf(const TDefaultSettings& settings) {
  WriteLog log;
  WriteDefaultSettings(log, settings);
  return log.writes;
}

TEST(DefaultSettings, WritesEveryKeyInOrderAndReadsItBack) {
  const TDefaultSettings changed{128, true, 17, false, 0x80FF40, 3, 2, true, 600, false, true, 2, 3, false, L"Verdana",
                                 14, 0x0000FF, 0x80000005, false, false, false, L"Work||a.ptr", true, false, false};
  const Writes expected = {
      {L"transparent", L"128"}, {L"LockMove", L"1"}, {L"Style", L"17"}, {L"use_color", L"0"}, {L"Color", L"8453952"},
      {L"picture_num", L"3"}, {L"position", L"2"}, {L"mouse_look", L"1"}, {L"mouse_interval", L"600"},
      {L"use_pin", L"0"}, {L"use_data", L"1"}, {L"text_align", L"2"}, {L"style_text", L"3"},
      {L"use_text_shadow", L"0"}, {L"Fonttext", L"Verdana"}, {L"text_sixe", L"14"}, {L"colortext", L"255"},
      {L"colorShadow", L"-2147483643"}, {L"_autoPer", L"0"}, {L"i_s_t", L"0"}, {L"i_s_c", L"0"},
      {L"Pattern", L"Work||a.ptr"}, {L"random_color", L"1"}, {L"collapce_caption", L"0"}, {L"collapce_text", L"0"}};
  EXPECT_EQ(WritesOf(changed), expected);
  MemoryProfile file;
  WriteDefaultSettings(file, changed);
  EXPECT_EQ(ReadDefaultSettings(file), changed);
}

TEST(DefaultSettings, MissingKeysGiveTheDefaults) {
  EXPECT_EQ(ReadDefaultSettings(MemoryProfile{}), TDefaultSettings{});
}

TEST(DefaultSettings, ValuesAreReadLikeTheProfileFunctions) {
  struct Case {
    const wchar_t *key, *stored, *expected;
  };
  const Case cases[] = {{L"transparent", L"0x10", L"16"}, {L"Color", L"0xFF", L"255"},  {L"Style", L"glass", L"5"},
                        {L"mouse_interval", L"", L"2000"}, {L"text_align", L"300", L"44"}, {L"style_text", L"-1", L"255"},
                        {L"LockMove", L"7", L"1"},          {L"use_color", L"no", L"1"}};
  for (const Case& c : cases) {
    MemoryProfile file;
    file.WriteString(L"Default", c.key, c.stored);
    MemoryProfile back;
    WriteDefaultSettings(back, ReadDefaultSettings(file));
    EXPECT_EQ((back.values[{L"Default", c.key}]), c.expected) << c.key << "=" << c.stored;
  }
}

TEST(DefaultSettings, ThePanelStatesGoToBothOfTheirKeys) {
  TDefaultSettings s;
  s.collapce_text = false;
  s.i_s_c = false;
  const Writes writes = WritesOf(s);
  const Writes panels = {writes[19], writes[20], writes[23], writes[24]};
  EXPECT_EQ(panels, (Writes{{L"i_s_t", L"0"}, {L"i_s_c", L"1"}, {L"collapce_caption", L"1"}, {L"collapce_text", L"0"}}));
}

}  // namespace
