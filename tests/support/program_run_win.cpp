#include "support/program_run_win.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/single_instance_win.h"
#include "win/text_convert_win.h"
#include "support/wait_win.h"
#include "support/window_search_win.h"

std::wstring BuiltProgramFolder() {
  const char* folder = std::getenv("QUILLORY_PROGRAM_DIR");
  EXPECT_NE(folder, nullptr) << "QUILLORY_PROGRAM_DIR names the built program folder";
  std::wstring path = WideFromUtf8(folder ? folder : "");
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

ProgramCopy::ProgramCopy(bool portable) {
  CopyTree(BuiltProgramFolder(), folder_.Path());
  if (portable) WriteText(File(L"config.txt"), "[Base]\r\nportable=yes\r\n");
}

RunningProgram::RunningProgram(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "cannot start " << Utf8FromWide(exe) << ", error " << GetLastError();
    return;
  }
  CloseHandle(info.hThread);
  process_.Reset(info.hProcess);
  processId_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
  if (process_ && !WaitForExit(0)) Kill();
}

// The program names its main window once start-up is over, as later starts
// find it: only then does it answer.
HWND FindMainWindowOf(DWORD processId) {
  for (HWND window : TopLevelWindows({kMainWindowClass, processId})) {
    wchar_t title[32] = {};
    GetWindowTextW(window, title, 32);
    if (std::wstring(title) == kMainWindowTitle) return window;
  }
  return nullptr;
}

int CountMainWindows() { return static_cast<int>(TopLevelWindows({kMainWindowClass}).size()); }

HWND RunningProgram::MainWindow(DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  HWND window = nullptr;
  if (!Eventually([&] { return (window = FindMainWindowOf(processId_)) != nullptr; }, timeoutMs)) return nullptr;
  // The window exists from the first step of start-up on; a sent message is
  // answered only once start-up has finished (or shows a box), so a test
  // never races the steps that are still running.
  const ULONGLONG now = GetTickCount64();
  Answers(window, static_cast<DWORD>(now < end ? end - now : 1));
  return window;
}

LRESULT RunningProgram::SendUserCommand(LPARAM command, WPARAM argument) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(MainWindow(), WM_USER, argument, command, SMTO_NORMAL, 20000, &result);
  return static_cast<LRESULT>(result);
}

bool RunningProgram::WaitForExit(DWORD timeoutMs) {
  return process_ && WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.Get(), &code);
  return code;
}

bool RunningProgram::Close() {
  if (WaitForExit(0)) return true;  // ended already (killed, or closed from its menu)
  PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
  return WaitForExit();
}

void RunningProgram::Kill() {
  TerminateProcess(process_.Get(), 1);
  WaitForSingleObject(process_.Get(), 10000);
}

namespace {

BOOL CALLBACK CollectText(HWND child, LPARAM context) {
  wchar_t text[1024] = {};
  GetWindowTextW(child, text, 1024);
  *reinterpret_cast<std::wstring*>(context) += std::wstring(text) + L"\n";
  return TRUE;
}

}  // namespace

// A box is shown before its texts are filled in: wait for both.
ShownMessageBox WaitForMessageBox(DWORD processId, const std::wstring& expected, DWORD timeoutMs) {
  ShownMessageBox box;
  Eventually(
      [&] {
        const std::vector<HWND> dialogs = TopLevelWindows({L"#32770", processId, true});
        box = {dialogs.empty() ? nullptr : dialogs.front(), L""};
        if (box.window) EnumChildWindows(box.window, CollectText, reinterpret_cast<LPARAM>(&box.text));
        return box.window && box.text.find(expected) != std::wstring::npos;
      },
      timeoutMs);
  return box;
}

// Presses OK and waits until the box is gone, so the program has gone on.
void DismissMessageBox(const ShownMessageBox& box) {
  PostMessageW(box.window, WM_COMMAND, IDOK, 0);
  Eventually([&] { return !IsWindow(box.window); }, 10000);
}
