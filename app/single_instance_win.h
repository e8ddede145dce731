#pragma once
// One instance per logon: the mutex "Quillorer" exists while an instance runs,
// and a later start finds the running one by its main window.

#include <windows.h>

#include <vector>

#include "app/command_line.h"
#include "win/handles_win.h"

inline constexpr wchar_t kInstanceMutexName[] = L"Quillorer";
inline constexpr wchar_t kMainWindowClass[] = L"TQuillor";
inline constexpr wchar_t kMainWindowTitle[] = L"Quillory";

class SingleInstanceMutex {
 public:
  SingleInstanceMutex();
  bool PrevInstanceFound() const { return prevInstanceFound_; }

 private:
  UniqueHandle mutex_;
  bool prevInstanceFound_ = false;
};

HWND FindRunningInstance();

// Sends each command to the running instance's main window and waits for it
// to be handled. The window gets its title only when start-up is over, so a
// start that comes meanwhile waits for it; the commands are lost when the
// running instance ends first, or hangs.
void SendToRunningInstance(const std::vector<InstanceCommand>& commands);
