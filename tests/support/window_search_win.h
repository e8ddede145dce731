#pragma once
// Finding the top-level windows of a class, as the tests and the benchmarks
// look for the program's windows from outside it. Header only: it needs
// nothing but the system.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

inline constexpr DWORD kAnyProcess = 0;

struct WindowQuery {
  const wchar_t* className;
  DWORD processId = kAnyProcess;
  bool visibleOnly = false;
};

inline std::vector<HWND> TopLevelWindows(const WindowQuery& query) {
  struct Search {
    WindowQuery query;
    std::vector<HWND> found;
  } search{query, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (std::wstring(name) == s->query.className &&
            (s->query.processId == kAnyProcess || owner == s->query.processId) &&
            (!s->query.visibleOnly || IsWindowVisible(window)))
          s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A control anywhere inside a window, tab pages and panels included.
inline HWND ControlById(HWND window, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<std::pair<int, HWND>*>(context);
        if (GetDlgCtrlID(child) == s->first) s->second = child;
        return s->second == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}
