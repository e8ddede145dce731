#include "app/key_assignments.h"

namespace {
constexpr int kLastKey = 6, kMailKey = 5, kHomeTag = 6;
constexpr std::uintptr_t kFirstNotice = 201, kLastNotice = 207;
}  // namespace

int TChordix::FirstSet(const Flags& flags) {
  for (std::size_t k = 0; k < flags.size(); ++k)
    if (flags[k]) return static_cast<int>(k);
  return kNoKey;
}

void TChordix::Set(Flags& flags, int index) {
  flags.fill(0);
  if (index == kNoKey) return;
  flags[static_cast<std::size_t>(index >= 0 && index <= kLastKey ? index : 0)] = 1;
}

std::array<std::uint8_t, kKeyFlagCount> TChordix::LibraryTable() const {
  Flags table{};
  for (std::size_t k = 0; k < table.size(); ++k) table[k] = (create_[k] || manager_[k]) ? 1 : 0;
  return table;
}

int KeyIndexOfMenuTag(int tag) {
  if (tag <= 0) return kNoKey;
  return tag == kHomeTag ? kLastKey : tag - 1;
}

std::optional<int> MenuTagOfKeyIndex(int index) {
  if (index == kNoKey) return 0;
  if (index == kLastKey) return kHomeTag;
  if (index >= 0 && index < kMailKey) return index + 1;
  return std::nullopt;
}

std::optional<int> KeyIndexOfNotice(std::uintptr_t notice) {
  if (notice < kFirstNotice || notice > kLastNotice) return std::nullopt;
  return static_cast<int>(notice - kFirstNotice);
}
