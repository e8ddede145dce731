#pragma once
// TChordix: which global key creates a sticker and which opens the manager.
// Key indexes: -1 none, 0 Win+"+", 1 Search, 2 Back, 3 Forward, 4 Favourites,
// 5 Mail (never offered), 6 Home; the same numbers index the hook library's
// swallow table and config.txt's "NEW" and "MANAGER".

#include <array>
#include <cstdint>
#include <optional>

inline constexpr int kNoKey = -1;
inline constexpr std::size_t kKeyFlagCount = 8;

class TChordix {
 public:
  // The index of the first key set, or -1.
  int GetCreate() const { return FirstSet(create_); }
  int GetManager() const { return FirstSet(manager_); }
  // -1 clears; 0..6 sets that key alone; anything else sets key 0 alone.
  void SetCreate(int index) { Set(create_, index); }
  void SetManager(int index) { Set(manager_, index); }
  // Entry k is 1 when either action has key k: the keys to swallow.
  std::array<std::uint8_t, kKeyFlagCount> LibraryTable() const;

 private:
  using Flags = std::array<std::uint8_t, kKeyFlagCount>;
  static int FirstSet(const Flags& flags);
  static void Set(Flags& flags, int index);

  Flags create_{};
  Flags manager_{};
};

// The hot-key menus list seven items, tags 0..6: "-/-", Win+"+", Find, Back,
// Forward, Favourites, WWW.
inline constexpr int kHotKeyMenuItems = 7;
int KeyIndexOfMenuTag(int tag);
// The tag of the item that shows the index, or none (the Mail key has none).
std::optional<int> MenuTagOfKeyIndex(int index);
// The key of a notice the hook library posts (201..207), or none.
std::optional<int> KeyIndexOfNotice(std::uintptr_t notice);
