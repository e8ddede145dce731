// Chordix.dll: the program's system-wide keyboard hook. It tells the target
// window (the program's main window) when a watched key is pressed, posting
// WM_USER with the key's notice and kUserHotKey, and swallows the keys the
// program asked for. The state is this process's own. The program installs the hook
// and passes the table from one thread of its own that only reads messages,
// and the hook is called on the thread that installed it: everything here
// runs on that one thread, so it needs no locks.

#include <windows.h>

#include "hook/key_watch.h"
#include "protocol/messages.h"

namespace {

HMODULE module = nullptr;
HWND target = nullptr;
HHOOK hook = nullptr;
key_watch::State state;

LRESULT CALLBACK KeyboardProcedure(int code, WPARAM message, LPARAM event) {
  const LRESULT next = CallNextHookEx(hook, code, message, event);
  if (code != HC_ACTION) return next;
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(event);
  const key_watch::Reaction reaction = key_watch::React(state, static_cast<unsigned>(message), key->vkCode);
  for (int i = 0; i < reaction.noticeCount; ++i)
    PostMessageW(target, WM_USER, reaction.notices[static_cast<std::size_t>(i)], kUserHotKey);
  return reaction.swallow ? 1 : next;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

// Installs (or removes) the hook; either way the swallow table starts empty.
extern "C" HHOOK Hook(unsigned char install, HWND window) {
  state = {};
  if (install) {
    hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProcedure, module, 0);
    target = window;
  } else {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
  return hook;
}

// An index beyond the table is ignored.
extern "C" void HookTablenum(unsigned char value, unsigned char index) {
  if (index < key_watch::kTableSize) state.swallow[index] = value;
}
