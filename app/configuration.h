#pragma once
// config.txt in the data folder: the language choice, the hot-key indexes and
// the manager's state. Read at start-up and after a shell restart, written at
// shutdown. The key names (spelling included) are a file format.

#include "lang/language_choice.h"
#include "store/profile.h"

// Everything config.txt keeps but the language, which the text table holds
// while the program runs.
struct Configuration {
  int newStickerKey = 0;  // hot-key index: -1 none, 0..6 a key
  int managerKey = 0;
  bool managerSort = false;
  int managerPage = 0;
};

inline constexpr int kNoHotKey = -1;
inline constexpr int kHotKeyCount = 7;

// When there is no config.txt no hot key is assigned and the language
// follows the system language.
Configuration ConfigurationWithoutFile();
TLanguage LanguageWithoutFile(bool russianSystem);

Configuration ReadConfiguration(const ProfileFile& file);
TLanguage ReadLanguageChoice(const ProfileFile& file);
void WriteConfiguration(ProfileFile& file, const TLanguage& language, const Configuration& configuration);

// A stored key index: -1 and 0..6 stand, anything else means the first key.
int NormalizeHotKeyIndex(int index);
