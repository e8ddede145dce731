#pragma once
// config.txt in the data folder: the language choice, the hot-key indexes and
// the manager's state. Read at start-up and after a shell restart, written at
// shutdown. The key names (spelling included) are a file format.

#include <string>

#include "store/profile.h"

struct Configuration {
  bool englishLanguage = true;
  bool russianLanguage = false;
  std::wstring otherLanguage;  // language file name; empty for a built-in language
  int newStickerKey = 0;       // hot-key index: -1 none, 0..6 a key
  int managerKey = 0;
  bool managerSort = false;
  int managerPage = 0;
};

inline constexpr int kNoHotKey = -1;
inline constexpr int kHotKeyCount = 7;

// The configuration when there is no config.txt: the language follows the
// system language, no hot key is assigned.
Configuration ConfigurationWithoutFile(bool russianSystem);

Configuration ReadConfiguration(const ProfileFile& file);
void WriteConfiguration(ProfileFile& file, const Configuration& configuration);

// A stored key index: -1 and 0..6 stand, anything else means the first key.
int NormalizeHotKeyIndex(int index);
