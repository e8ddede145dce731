#pragma once
// Waiting in tests: for a condition, with a deadline, never for a fixed time.
// Header only: the end-to-end tests, the Win32 tests and the soak test share it.

#include <windows.h>

inline constexpr DWORD kUsualWait = 5000;

// Dispatches what has been sent or posted to this thread's windows.
inline void DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Looks at `condition` until it holds or the deadline passes; true when it
// held. This thread's windows go on meanwhile, so a test may wait for its own.
template <typename Condition>
bool Eventually(Condition condition, DWORD timeoutMs = kUsualWait) {
  constexpr DWORD kLookAgainMs = 10;
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    DispatchPending();
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kLookAgainMs, QS_ALLINPUT);  // wakes at once for a message
  }
}

// The window's thread answers a sent message only between the messages it
// handles: once this returns true, it has finished what it was doing and
// handled everything sent to it before.
inline bool Answers(HWND window, DWORD timeoutMs = kUsualWait) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

// The thread runs the system's move loop: a press moved a window and the
// button is still down.
inline bool InMoveLoop(DWORD thread) {
  GUITHREADINFO info{sizeof(info)};
  return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE);
}

// The control that has the keyboard focus in the window's thread; GetFocus
// sees only the calling thread's.
inline HWND FocusIn(HWND window) {
  GUITHREADINFO info{sizeof(info)};
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}
