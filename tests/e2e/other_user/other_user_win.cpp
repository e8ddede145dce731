// The user at the other computer, for the end-to-end tests of two computers
// on one data folder. The test runs it in the other computer's Wine prefix,
// whose windows the test cannot see; this program can. Each command waits for
// what it names and answers with its exit code:
//   ready       Quillory's start-up is over (a later start finds it)
//   shown N     Quillory shows exactly N sticker windows
//   accept-new  the new-sticker form shows; press its OK
// 0 = done, 1 = it did not come in time, 2 = no such command.

#include <windows.h>

#include <cstdlib>
#include <string_view>

#include "app/single_instance_win.h"
#include "support/sticker_windows_win.h"
#include "support/wait_win.h"
#include "support/window_search_win.h"

namespace {

enum ExitCode : int { kDone = 0, kNotInTime = 1, kUnknownCommand = 2 };

// A start in a prefix made a moment ago, on a busy machine, takes a while.
constexpr DWORD kStartWait = 60000;
// The first new-sticker form lists every font of the system.
constexpr DWORD kFormWait = 30000;
// Another computer's change shows within this.
constexpr DWORD kChangeWait = 5000;

HWND ReadyMainWindow() {
  HWND main = nullptr;
  Eventually([&] { return (main = FindRunningInstance()) != nullptr; }, kStartWait);
  return main && Answers(main, kStartWait) ? main : nullptr;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

int Shown(std::size_t count) {
  HWND main = ReadyMainWindow();
  return main && WaitForStickerWindows(ProcessOf(main), count, kChangeWait) ? kDone : kNotInTime;
}

int AcceptNewSticker() {
  HWND main = ReadyMainWindow();
  if (!main) return kNotInTime;
  HWND form = nullptr;
  const bool shows = Eventually(
      [&] {
        const auto forms = TopLevelWindows({L"TFormStickerMess", ProcessOf(main), true});
        form = forms.empty() ? nullptr : forms.front();
        return form != nullptr;
      },
      kFormWait);
  if (!shows) return kNotInTime;
  PostMessageW(form, WM_COMMAND, IDOK, 0);  // its OK button
  // The form stays, hidden, for the next time; the handler that shows the new
  // sticker writes it too, before it returns.
  return Eventually([&] { return !IsWindowVisible(form); }) && Answers(main) ? kDone : kNotInTime;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  if (command == "ready") return ReadyMainWindow() ? kDone : kNotInTime;
  if (command == "shown" && argc > 2) return Shown(static_cast<std::size_t>(std::atoi(argv[2])));
  if (command == "accept-new") return AcceptNewSticker();
  return kUnknownCommand;
}
