#include "app/single_instance_win.h"

#include "protocol/messages.h"

namespace {

// A start-up with every slot full takes seconds on a slow machine; one that
// takes longer than this is taken for a failed one.
constexpr ULONGLONG kWindowWaitMs = 30000;
constexpr DWORD kWindowPollMs = 50;
// Per command: a hide of 256 stickers may take a while, a hung instance is
// left at once (SMTO_ABORTIFHUNG).
constexpr UINT kCommandTimeoutMs = 30000;

bool RunningInstanceLives() {
  const UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, kInstanceMutexName));
  return mutex.Valid() || GetLastError() == ERROR_ACCESS_DENIED;
}

HWND WaitForRunningInstance() {
  const ULONGLONG end = GetTickCount64() + kWindowWaitMs;
  for (;;) {
    if (HWND window = FindRunningInstance()) return window;
    if (!RunningInstanceLives() || GetTickCount64() >= end) return nullptr;
    Sleep(kWindowPollMs);
  }
}

}  // namespace

SingleInstanceMutex::SingleInstanceMutex() {
  SetLastError(ERROR_SUCCESS);
  mutex_.Reset(CreateMutexW(nullptr, TRUE, kInstanceMutexName));
  prevInstanceFound_ = GetLastError() != ERROR_SUCCESS || !mutex_;
  // Only the name matters; nobody ever waits on the mutex.
  if (mutex_) ReleaseMutex(mutex_.Get());
  // A later start lets go of the name at once: it must vanish with the
  // running instance, which is how a waiting start learns that it ended.
  if (prevInstanceFound_) mutex_.Reset();
}

HWND FindRunningInstance() { return FindWindowW(kMainWindowClass, kMainWindowTitle); }

void SendToRunningInstance(const std::vector<InstanceCommand>& commands) {
  for (const InstanceCommand& c : commands) {
    HWND window = WaitForRunningInstance();
    DWORD_PTR ignored = 0;
    if (!window || !SendMessageTimeoutW(window, WM_INSTANCE_COMMAND, static_cast<WPARAM>(c.argument),
                                        static_cast<LPARAM>(c.command), SMTO_ABORTIFHUNG, kCommandTimeoutMs, &ignored))
      return;
  }
}
