#pragma once
// The hot-key hook library as the program uses it: loaded from the program
// folder when it is there, each export looked up at the moment of its call,
// so that a missing library or export only means that no key is reported.
//
// The hook lives on a thread of its own that does nothing but read messages.
// A low-level hook is called on the thread that installed it, and every key
// on the desktop waits for it: on the program's thread a long start-up or a
// save would hold each keystroke, and Windows silently removes a hook that
// keeps it waiting too long. The hook's state is touched by that thread only.

#include <windows.h>

#include <future>
#include <string>
#include <thread>

#include "app/key_assignments.h"
#include "win/handles_win.h"

class ChordixLibrary {
 public:
  // Loads Chordix.dll from the folder (ending in a backslash), if it is there,
  // and installs its hook for the window before returning.
  ChordixLibrary(const std::wstring& programFolder, HWND window);
  // Removes the hook on its thread, ends the thread, then unloads the library.
  ~ChordixLibrary();
  ChordixLibrary(const ChordixLibrary&) = delete;
  ChordixLibrary& operator=(const ChordixLibrary&) = delete;

  // Tells the library which keys to keep from other programs; the hook's
  // thread passes the table on.
  void PassTable(const TChordix& keys) const;
  bool Loaded() const { return module_.Valid(); }

 private:
  void RunHookThread(std::promise<DWORD> started);
  void Hook(bool install) const;
  void PassTableNow(WPARAM packedTable) const;

  UniqueModule module_;
  HWND window_;  // not owned
  std::thread hookThread_;
  DWORD hookThreadId_ = 0;
};
