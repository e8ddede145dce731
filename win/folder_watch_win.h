#pragma once
// Tells a window when files in a folder change: a file written, made,
// renamed or deleted. A thread waits on the system's change notification
// and posts the message; nothing runs while nothing changes. Several changes
// close together may come as one message.

#include <windows.h>

#include <string>
#include <thread>

#include "win/handles_win.h"

class FolderWatch {
 public:
  // Nothing is watched when the folder cannot be (Watching() is false).
  FolderWatch(const std::wstring& folder, HWND window, UINT message);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  bool Watching() const { return thread_.joinable(); }

 private:
  void Run(HWND window, UINT message);

  UniqueChangeNotification change_;
  UniqueHandle stop_;
  std::thread thread_;
};
