#pragma once
// The other computer on a shared data folder: a Wine prefix of its own, so a
// wineserver of its own, where the single-instance rule cannot join its
// Quillory.exe to the test's. The test runs Unix shell lines from its Windows
// process (Wine starts Unix programs natively) and learns how each ended from
// a file the line writes last. The prefix lives in a fixed folder beside the
// test's own and is made once, by the first test that needs it.

#include <windows.h>

#include <optional>
#include <string>

// The Unix path of a Windows path of this prefix.
std::string UnixPathOf(const std::wstring& windowsPath);

class OtherComputer {
 public:
  OtherComputer();
  ~OtherComputer();  // ends every process of the prefix, the program too
  OtherComputer(const OtherComputer&) = delete;
  OtherComputer& operator=(const OtherComputer&) = delete;

  // Starts the program (a Windows path) with no arguments and waits until
  // its start-up is over; false when it did not come.
  [[nodiscard]] bool StartProgram(const std::wstring& exe);
  // A later start with these arguments, handed to the running program;
  // true once it has handed them over and ended.
  [[nodiscard]] bool LaterStart(const std::string& arguments);
  // The user there: a command of other_user.exe, true when it did it.
  [[nodiscard]] bool User(const std::string& command);
  // The session ends (log-off, shut-down): every program is asked to end.
  // True once the program has ended.
  [[nodiscard]] bool EndSession();
  // The power goes: every process ends at once, nothing is asked.
  void PullThePlug();

 private:
  // Runs a line in the prefix and waits for its exit status (none when it
  // did not end in time).
  std::optional<int> Run(const std::string& line, DWORD timeoutMs);
  // Starts a line in the prefix; its exit status goes to the file.
  void Launch(const std::string& line, const std::string& statusFile);
  // Waits for the program started last to end: its exit status.
  std::optional<int> ProgramEnded();
  std::optional<int> WaitForStatus(const std::string& statusFile, DWORD timeoutMs);
  std::string InPrefix(const std::string& line) const;
  std::string StatusFolder() const;
  std::string NextStatusFile();
  std::string Log() const;

  std::string home_;       // Unix path
  std::string launcher_;   // wine-run.sh of the build
  std::string otherUser_;  // Unix path of other_user.exe
  std::string programExe_;
  std::string programEnded_;
  // Names this test's status files apart from those of earlier tests (Wine
  // gives each test process the same id), which a line cut off may write late.
  ULONGLONG started_ = GetTickCount64();
  int runs_ = 0;
};
