#include "app/single_instance_win.h"

#include "win/messages.h"

namespace {
constexpr wchar_t kMutexName[] = L"Quillorer";
}

SingleInstanceMutex::SingleInstanceMutex() {
  SetLastError(ERROR_SUCCESS);
  mutex_.Reset(CreateMutexW(nullptr, TRUE, kMutexName));
  prevInstanceFound_ = GetLastError() != ERROR_SUCCESS || !mutex_;
  // Only the name matters; nobody ever waits on the mutex.
  if (mutex_) ReleaseMutex(mutex_.Get());
}

HWND FindRunningInstance() { return FindWindowW(kMainWindowClass, kMainWindowTitle); }

void SendToRunningInstance(const std::vector<InstanceCommand>& commands) {
  for (const InstanceCommand& c : commands) {
    if (HWND window = FindRunningInstance())
      SendMessageW(window, WM_INSTANCE_COMMAND, static_cast<WPARAM>(c.argument), static_cast<LPARAM>(c.command));
  }
}
