#include "store/pattern_file.h"

#include "store/folder_paths.h"

namespace {

constexpr wchar_t kInfo[] = L"Info";
constexpr wchar_t kText[] = L"Text";
constexpr wchar_t kWindow[] = L"Window";
constexpr wchar_t kUnknownPattern[] = L"unknown pattern";
constexpr std::wstring_view kSeparator = L"||";
constexpr wchar_t kExtension[] = L".ptr";
constexpr wchar_t kFolder[] = L"patterns\\";

constexpr Colour kWhite = 0xFFFFFF;
constexpr int kDefaultFontSize = 8;
constexpr wchar_t kDefaultFont[] = L"Tahoma";

// Two digits with a leading zero.
std::wstring Two(int value) { return (value < 10 ? L"0" : L"") + std::to_wstring(value); }


}  // namespace

std::wstring PatternName(const ProfileFile& file) { return file.ReadString(kInfo, L"name", kUnknownPattern); }

void LoadPattern(const ProfileFile& file, StickerRecord& record, AnsiFromWideFunction toAnsi) {
  const auto color = static_cast<Colour>(file.ReadInt(kText, L"Color", kWhite));
  const auto shadow = static_cast<Colour>(file.ReadInt(kText, L"ColorShadow", 0));
  const bool useShadow = file.ReadBool(kText, L"use_shadow", true);
  const std::string font = toAnsi(file.ReadString(kText, L"font", kDefaultFont));
  for (StickerTextBlock* block : {&record.caption, &record.date_line, &record.body}) {
    block->color = color;
    block->shadow_color = shadow;
    block->use_shadow = useShadow ? 1 : 0;
    block->font_name.Assign(font);
  }
  record.body.font_size = static_cast<std::uint8_t>(file.ReadInt(kText, L"Size", kDefaultFontSize));
  record.align = static_cast<std::uint8_t>(file.ReadInt(kText, L"Align", 0));
  record.font_style = static_cast<std::uint8_t>(file.ReadInt(kText, L"Styletext", 0));
  record.alpha = static_cast<std::uint8_t>(file.ReadInt(kWindow, L"Transparent", 255));
  record.style = static_cast<std::uint16_t>(file.ReadInt(kWindow, L"Style", kStylePanel));
  record.use_color = file.ReadBool(kWindow, L"use_color", true) ? 1 : 0;
  record.color = static_cast<Colour>(file.ReadInt(kWindow, L"Color", kWhite));
  record.icon = static_cast<std::uint16_t>(file.ReadInt(kWindow, L"Ico", 0));
}

void WritePattern(ProfileFile& file, std::wstring_view name, std::wstring_view date, const StickerRecord& record,
                  WideFromAnsiFunction toWide) {
  file.WriteString(kInfo, L"name", name);
  file.WriteString(kInfo, L"Date", date);
  file.WriteInt(kText, L"Color", static_cast<int>(record.body.color));
  file.WriteInt(kText, L"ColorShadow", static_cast<int>(record.body.shadow_color));
  file.WriteBool(kText, L"use_shadow", record.body.use_shadow != 0);
  file.WriteString(kText, L"font", toWide(record.body.font_name.View()));
  file.WriteInt(kText, L"Size", record.body.font_size);
  file.WriteInt(kText, L"Align", record.align);
  file.WriteInt(kText, L"Styletext", record.font_style);
  file.WriteInt(kWindow, L"Transparent", record.alpha);
  file.WriteInt(kWindow, L"Style", record.style);
  file.WriteBool(kWindow, L"use_color", record.use_color != 0);
  file.WriteInt(kWindow, L"Color", static_cast<int>(record.color));
  file.WriteInt(kWindow, L"Ico", record.icon);
}

std::wstring PatternDateText(DateTime time) {
  const CivilTime t = DecodeDateTime(time);
  return Two(t.day) + L'.' + Two(t.month) + L'.' + std::to_wstring(t.year) + L' ' + Two(t.hour) + L':' + Two(t.minute);
}

std::wstring PatternFileName(DateTime now, int attempt) {
  const CivilTime t = DecodeDateTime(now);
  std::wstring name = Two(t.day) + Two(t.month) + Two(t.year % 100) + L'_' + Two(t.hour) + Two(t.minute) + Two(t.second);
  if (attempt > 1) name += L'_' + std::to_wstring(attempt);
  return name + kExtension;
}

PatternEntry SplitPatternEntry(std::wstring_view entry) {
  const std::size_t at = entry.find(kSeparator);
  if (at == std::wstring_view::npos) return {std::wstring(entry), {}};
  return {std::wstring(entry.substr(0, at)), std::wstring(entry.substr(at + kSeparator.size()))};
}

std::wstring PatternEntryText(std::wstring_view name, std::wstring_view file) {
  return std::wstring(name) + std::wstring(kSeparator) + std::wstring(file);
}

std::wstring PatternsFolder(std::wstring_view programFolder) { return std::wstring(programFolder) + kFolder; }

std::wstring PatternFilePath(std::wstring_view programFolder, std::wstring_view entry) {
  const std::wstring name = FileNameWithoutFolder(SplitPatternEntry(entry).file);
  if (name.empty() || name == L"." || name == L"..") return {};
  return PatternsFolder(programFolder) + name;
}
