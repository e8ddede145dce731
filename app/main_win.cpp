// Program entry: the single-instance check, the command line, then the main
// window and the message loop.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/autorun_win.h"
#include "app/command_line.h"
#include "app/data_folder_win.h"
#include "win/dialog_base_win.h"
#include "win/handles_win.h"
#include "app/main_window_win.h"
#include "app/single_instance_win.h"
#include "win/text_convert_win.h"

namespace {

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  UniqueLocal owner(reinterpret_cast<HLOCAL>(argv));
  std::vector<std::string> args;
  for (int i = 1; argv && i < count; ++i) args.push_back(Utf8FromWide(argv[i]));
  return args;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (RouteDialogKey(message)) continue;  // modeless dialogs get their keys as dialogs do
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const SingleInstanceMutex instance;
  const EntryPlan plan = PlanProgramEntry(CommandLineArguments(), instance.PrevInstanceFound());
  if (plan.writeAutorun) WriteAutorunValue(ProgramPath());
  // A first instance has no one to send its words to: no window answers yet.
  if (plan.endProcess) {
    SendToRunningInstance(plan.commands);
    return 0;
  }

  UseSystemAnsiCodePage();
  const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  TQuillor mainWindow(plan.startStickerId);
  if (!mainWindow.Create()) return 1;
  return RunMessageLoop();
}
