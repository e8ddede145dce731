#pragma once
// What program entry does with its command line: register autorun, hand
// commands to a running instance, remember the sticker to open at start-up.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct InstanceCommand {
  std::uint32_t argument;  // wParam
  std::int32_t command;    // lParam
  bool operator==(const InstanceCommand&) const = default;
};

struct EntryPlan {
  bool writeAutorun = false;
  std::vector<InstanceCommand> commands;  // for the running instance, in order
  std::int32_t startStickerId = 0;
  bool endProcess = false;  // another instance runs: end once the commands are sent
};

// args are the arguments after the program name, in UTF-8.
EntryPlan PlanProgramEntry(const std::vector<std::string>& args, bool prevInstanceFound);

// The decimal digits of an "id=" argument as a sticker id; no digits, or a
// number that does not fit 32 signed bits, gives 0.
std::int32_t StickerIdFromArgument(std::string_view argument);
