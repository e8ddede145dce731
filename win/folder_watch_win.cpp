#include "win/folder_watch_win.h"

namespace {
constexpr DWORD kWatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;
}  // namespace

FolderWatch::FolderWatch(const std::wstring& folder, HWND window, UINT message)
    : change_(FindFirstChangeNotificationW(folder.c_str(), FALSE, kWatchedChanges)),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  if (change_ && stop_) thread_ = std::thread([this, window, message] { Run(window, message); });
}

FolderWatch::~FolderWatch() {
  if (!thread_.joinable()) return;
  SetEvent(stop_.Get());
  thread_.join();
}

void FolderWatch::Run(HWND window, UINT message) {
  const HANDLE waits[] = {stop_.Get(), change_.Get()};
  while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    PostMessageW(window, message, 0, 0);
    if (!FindNextChangeNotification(change_.Get())) return;
  }
}
