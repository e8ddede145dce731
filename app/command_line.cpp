#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "protocol/messages.h"

namespace {

constexpr std::string_view kAutorunWord = "-autorun";
constexpr std::string_view kIdWord = "id=";

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(c < 0x80 ? std::tolower(c) : c); });
  return lower;
}

bool Contains(std::string_view text, std::string_view word) { return text.find(word) != std::string_view::npos; }

struct WordCommand {
  std::string_view word;
  std::int32_t command;
};

// Tested on the lower-cased argument, in this order; the first match wins.
constexpr WordCommand kWordCommands[] = {
    {"hideall", kInstanceHideAll},
    {"showall", kInstanceShowAll},
    {"new", kInstanceNewSticker},
    {"manager", kInstanceShowManager},
};

void ProcessArgument(std::string_view argument, bool prevInstanceFound, EntryPlan& plan) {
  if (Contains(argument, kIdWord)) {
    const std::int32_t id = StickerIdFromArgument(argument);
    plan.startStickerId = 0;
    if (!prevInstanceFound)
      plan.startStickerId = id;
    else if (id != 0)
      plan.commands.push_back({static_cast<std::uint32_t>(id), kInstanceToggleSticker});
    return;
  }
  const std::string lower = LowerAscii(argument);
  for (const auto& [word, command] : kWordCommands) {
    if (Contains(lower, word)) {
      plan.commands.push_back({static_cast<std::uint32_t>(command), command});
      return;
    }
  }
}

}  // namespace

std::int32_t StickerIdFromArgument(std::string_view argument) {
  std::int64_t value = 0;
  for (const char c : argument) {
    if (c < '0' || c > '9') continue;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) return 0;
  }
  return static_cast<std::int32_t>(value);
}

EntryPlan PlanProgramEntry(const std::vector<std::string>& args, bool prevInstanceFound) {
  EntryPlan plan;
  plan.endProcess = prevInstanceFound;
  const std::string_view first = args.empty() ? std::string_view{} : std::string_view(args.front());
  if (first.empty()) {
    if (prevInstanceFound) plan.commands.push_back({kInstanceNewStickerBareStart, kInstanceNewStickerBareStart});
    return plan;
  }
  if (Contains(first, kAutorunWord)) {
    plan.writeAutorun = true;
    return plan;
  }
  for (const auto& argument : args) ProcessArgument(argument, prevInstanceFound, plan);
  return plan;
}
