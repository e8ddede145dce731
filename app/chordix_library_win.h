#pragma once
// The hot-key hook library as the program uses it: loaded from the program
// folder when it is there, each export looked up at the moment of its call,
// so that a missing library or export only means that no key is reported.

#include <windows.h>

#include <string>

#include "app/key_assignments.h"
#include "win/handles_win.h"

class ChordixLibrary {
 public:
  // Loads Chordix.dll from the folder (ending in a backslash), if it is there,
  // and installs its hook for the window.
  ChordixLibrary(const std::wstring& programFolder, HWND window);
  // Removes the hook, then unloads the library.
  ~ChordixLibrary();
  ChordixLibrary(const ChordixLibrary&) = delete;
  ChordixLibrary& operator=(const ChordixLibrary&) = delete;

  // Tells the library which keys to keep from other programs.
  void PassTable(const TChordix& keys) const;
  bool Loaded() const { return module_.Valid(); }

 private:
  void Hook(bool install) const;

  UniqueModule module_;
  HWND window_;  // not owned
};
