#pragma once
// What the hot-key hook makes of one keyboard event: which notifications it
// posts to the program and whether the key is swallowed. Win followed by "+"
// or a digit, and six browser and launch keys, are watched; a table of 18
// entries says which of them no other program may see. Plain state and
// comparisons only: it runs inside the system's keyboard hook.

#include <array>
#include <cstdint>

namespace key_watch {

inline constexpr unsigned kKeyDown = 0x0100, kKeyUp = 0x0101, kSysKeyDown = 0x0104, kSysKeyUp = 0x0105;
inline constexpr unsigned kPlusKey = 0xBB, kLeftWin = 0x5B, kRightWin = 0x5C, kDigitZero = 0x30, kDigitNine = 0x39;
inline constexpr std::size_t kTableSize = 18;
inline constexpr std::size_t kPlusEntry = 0, kFirstDigitEntry = 8;
inline constexpr std::uint16_t kPlusNotice = 201, kFirstDigitNotice = 210;
// The browser and launch keys of entries 1..6, each with its notice 202..207.
inline constexpr std::array<unsigned, 6> kMediaKeys{0xAA, 0xA6, 0xA7, 0xAB, 0xB4, 0xAC};
inline constexpr std::uint16_t kFirstMediaNotice = 202;

struct State {
  bool winPressed = false;
  std::array<std::uint8_t, kTableSize> swallow{};
};

struct Reaction {
  std::array<std::uint16_t, 2> notices{};
  int noticeCount = 0;
  bool swallow = false;
};

inline void Notice(Reaction& r, std::uint16_t notice, std::uint8_t entry) {
  r.notices[static_cast<std::size_t>(r.noticeCount++)] = notice;
  if (entry) r.swallow = true;
}

// One event of the low-level keyboard hook: its message and virtual key.
inline Reaction React(State& state, unsigned message, unsigned vk) {
  Reaction r;
  if (message == kKeyUp) {
    state.winPressed = false;
    return r;
  }
  if (message != kKeyDown && message != kSysKeyDown && message != kSysKeyUp) return r;
  if (vk == kPlusKey && state.winPressed) Notice(r, kPlusNotice, state.swallow[kPlusEntry]);
  if (vk >= kDigitZero && vk <= kDigitNine && state.winPressed) {
    const unsigned digit = vk - kDigitZero;
    Notice(r, static_cast<std::uint16_t>(kFirstDigitNotice + digit), state.swallow[kFirstDigitEntry + digit]);
  }
  state.winPressed = vk == kLeftWin || vk == kRightWin;
  for (std::size_t i = 0; i < kMediaKeys.size(); ++i)
    if (vk == kMediaKeys[i]) Notice(r, static_cast<std::uint16_t>(kFirstMediaNotice + i), state.swallow[1 + i]);
  return r;
}

}  // namespace key_watch
