// libFuzzer target for every loader of stored or delivered data: the first
// byte picks the loader, the rest is its input. base.db and plan.db images,
// the records and strings other programs send to a sticker window, the
// command line, the calendar notation, and the profile files (config.txt,
// default_settings.txt, patterns, language files) read through an in-memory
// profile built from the bytes. A finding is a sanitizer report, a crash, a
// time-out or a broken promise checked below.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/configuration.h"
#include "lang/language_file.h"
#include "sticker/calendar_layout.h"
#include "store/default_settings.h"
#include "store/pattern_file.h"
#include "store/record_merge.h"
#include "store/sticker_database.h"
#include "store/task_file.h"
#include "support/memory_profile.h"

namespace {

std::wstring Widened(std::string_view bytes) { return std::wstring(bytes.begin(), bytes.end()); }
std::string Narrowed(std::wstring_view text) {
  std::string bytes;
  for (const wchar_t c : text) bytes += static_cast<char>(c);
  return bytes;
}

// "[section]" lines and "key=value" lines, as a profile file holds them.
MemoryProfile ProfileOf(std::string_view text) {
  MemoryProfile profile;
  std::wstring section;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = Widened(line.substr(1, line.size() - 2));
    } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
      profile.WriteString(section, Widened(line.substr(0, equals)), Widened(line.substr(equals + 1)));
    }
  }
  return profile;
}

void Stores(std::span<const std::uint8_t> bytes) {
  auto store = std::make_unique<Tmassiv>();
  std::int32_t startId = bytes.empty() ? 0 : bytes[0];
  LoadDatabaseImage(bytes, *store, startId);
  LoadTaskImage(bytes, *store);
  for (int slot = 0; slot < kStickerSlotCount; ++slot)
    if (store->Sticker(slot).in_use && store->Sticker(slot).text_length > kStickerTextCapacity) __builtin_trap();
  if (BuildDatabaseImage(*store).size() % kStickerRecordSize != 0) __builtin_trap();
  if (BuildTaskImage(*store).size() != static_cast<std::size_t>(store->CountTasks()) * kTaskRecordSize) __builtin_trap();
}

void Deliveries(std::span<const std::uint8_t> bytes) {
  StickerRecord copy = NewStickerRecord(0x808080);
  (void)ApplyCompactRecord(copy, bytes);
  if (bytes.size() >= kStickerRecordSize) {
    StickerRecord delivered;
    std::memcpy(&delivered, bytes.data(), kStickerRecordSize);
    copy = WindowCopyOf(delivered, copy);
    (void)GetStickerText(copy);
  }
  const int selector = bytes.empty() ? 0 : bytes[0] % 6;
  (void)ApplyDeliveredString(copy, selector, PayloadString(bytes.subspan(bytes.empty() ? 0 : 1)));
  if (copy.text_length > kStickerTextCapacity) __builtin_trap();
}

void CommandLine(std::string_view text) {
  std::vector<std::string> args;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || text[i] == '\0') {
      args.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  (void)PlanProgramEntry(args, !text.empty() && (text[0] & 1));
  for (const std::string& arg : args) (void)StickerIdFromArgument(arg);
}

void Calendar(std::string_view text) {
  const CivilTime today{2026, 12, 8};
  if (!IsCalendar(text)) return;
  const CalendarPage page = CalendarPageOf(text, today);
  if (page.month.month < 1 || page.month.month > 12 || page.rows < 4 || page.rows > 6) __builtin_trap();
  const CalendarMetrics metrics{12, 13, 13, 150, 20, 110, 12, 15};
  const CalendarSize size = SizeOfCalendar(page, metrics);
  const CalendarPlan plan = PlanCalendar(page, metrics, {0, 0, size.width, size.height});
  if (static_cast<int>(plan.cells.size()) != page.days) __builtin_trap();
}

void Profiles(std::string_view text) {
  const MemoryProfile profile = ProfileOf(text);
  const Configuration configuration = ReadConfiguration(profile);
  if (configuration.newStickerKey < -1 || configuration.newStickerKey > 6) __builtin_trap();
  (void)ReadLanguageChoice(profile);
  (void)ReadDefaultSettings(profile);
  StickerRecord record = NewStickerRecord(0x808080);
  LoadPattern(profile, record, &Narrowed);
  (void)PatternName(profile);
  if (record.text_length > kStickerTextCapacity) __builtin_trap();
  (void)ReadLanguageTexts(profile);
  (void)ReadLanguageHeader(profile, L"fuzz.lng");
  for (const auto& [key, value] : profile.values) (void)ParseProfileInt(value, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  switch (data[0] % 5) {
    case 0: Stores(bytes); break;
    case 1: Deliveries(bytes); break;
    case 2: CommandLine(text); break;
    case 3: Calendar(text); break;
    default: Profiles(text); break;
  }
  return 0;
}
