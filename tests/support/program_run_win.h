#pragma once
// Running the built Quillory.exe from a private copy of its program folder.

#include <windows.h>

#include <string>

#include "win/handles_win.h"
#include "support/temp_folder_win.h"

// The program folder as the build lays it out (named by QUILLORY_PROGRAM_DIR),
// with a trailing backslash.
std::wstring BuiltProgramFolder();

// The program folder as the build lays it out, copied to a temporary folder.
// Portable copies keep their data beside the program.
class ProgramCopy {
 public:
  explicit ProgramCopy(bool portable = true);
  std::wstring Folder() const { return folder_.Path(); }
  std::wstring Exe() const { return folder_.File(L"Quillory.exe"); }
  std::wstring File(const std::wstring& name) const { return folder_.File(name); }

 private:
  TempFolder folder_;
};

class RunningProgram {
 public:
  RunningProgram(const std::wstring& exe, const std::wstring& arguments = L"");
  ~RunningProgram();  // ends the process if it still runs
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return process_.Valid(); }
  // The process's main window, waiting for it to appear (null on time-out).
  HWND MainWindow(DWORD timeoutMs = 20000);
  LRESULT SendUserCommand(LPARAM command, WPARAM argument = 0);
  bool WaitForExit(DWORD timeoutMs = 20000);
  DWORD ExitCode() const;
  bool Close();  // WM_CLOSE, then wait for the process to end
  void Kill();
  DWORD ProcessId() const { return processId_; }

 private:
  UniqueHandle process_;
  DWORD processId_ = 0;
};

// The main window of class TQuillor that belongs to the process, or null.
HWND FindMainWindowOf(DWORD processId);
int CountMainWindows();

// A message box shown by the process: its window and the text it shows.
struct ShownMessageBox {
  HWND window = nullptr;
  std::wstring text;
};
// Waits for a dialog window of the process to show a text containing
// `expected` and reads its texts.
ShownMessageBox WaitForMessageBox(DWORD processId, const std::wstring& expected = L"Cannot", DWORD timeoutMs = 20000);
// Presses the box's OK button and waits for the box to close.
void DismissMessageBox(const ShownMessageBox& box);
