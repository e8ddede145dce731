#include "win/busy_file_win.h"

namespace {
constexpr DWORD kLookAgainMs = 50;
}

bool FileBusy(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_NOT_READY;
}

bool ReplacedFileBusy(DWORD error) { return FileBusy(error) || error == ERROR_ACCESS_DENIED; }

DWORD RetryWhileBusy(const std::function<DWORD()>& attempt, bool (*busy)(DWORD), std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    const DWORD error = attempt();
    if (error == 0 || !busy(error) || std::chrono::steady_clock::now() >= deadline) return error;
    Sleep(kLookAgainMs);
  }
}
