// The built Chordix.dll loaded as the program loads it: its keyboard hook
// answers keys while the thread that loaded it is busy.

#include <gtest/gtest.h>

#include <windows.h>

#include <future>
#include <thread>

#include "app/chordix_library_win.h"
#include "support/program_run_win.h"

namespace {

constexpr DWORD kNoticeWaitMs = 5000;
constexpr WPARAM kWinPlusNotice = 201;
constexpr LPARAM kHotKeyCommand = 12;

void PressWinPlus() {
  INPUT keys[4] = {};
  const WORD order[4] = {VK_LWIN, VK_OEM_PLUS, VK_OEM_PLUS, VK_LWIN};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = order[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof(INPUT));
}

// Waits on this thread's queue for the hook's notice to the window.
bool NoticeArrives(HWND window) {
  const ULONGLONG end = GetTickCount64() + kNoticeWaitMs;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, window, 0, 0, PM_REMOVE)) {
      if (message.message == WM_USER && message.wParam == kWinPlusNotice && message.lParam == kHotKeyCommand) return true;
    }
  }
  return false;
}

// The library reports to a window of a second thread, which also presses the
// keys; the thread that loaded the library waits for that thread without
// reading a message, as the program's thread does in a long start-up.
TEST(ChordixLibrary, TheHookAnswersWhileTheLoadingThreadIsBusy) {
  std::promise<HWND> targetMade;
  std::promise<void> libraryLoaded;
  bool noticed = false;
  std::thread keyboard([&] {
    const UniqueWindow target(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    targetMade.set_value(target.Get());
    libraryLoaded.get_future().wait();
    PressWinPlus();
    noticed = NoticeArrives(target.Get());
  });
  {
    const ChordixLibrary library(BuiltProgramFolder(), targetMade.get_future().get());
    EXPECT_TRUE(library.Loaded());
    libraryLoaded.set_value();
    keyboard.join();  // busy: no message is read on this thread meanwhile
  }
  EXPECT_TRUE(noticed);
}

}  // namespace
