#include "support/other_computer_win.h"

#include <gtest/gtest.h>

#include "support/temp_folder_win.h"
#include "support/wait_win.h"
#include "win/handles_win.h"
#include "win/text_convert_win.h"

namespace {

// Making the prefix (the first time in a test run) takes Wine a while on a
// busy machine; later lines take a second or two.
constexpr DWORD kPrefixWait = 180000;
constexpr DWORD kLineWait = 90000;
constexpr DWORD kProgramEndWait = 30000;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::string FolderOf(const std::string& unixPath) { return unixPath.substr(0, unixPath.find_last_of('/')); }

std::wstring WindowsPathOf(const std::string& unixPath) {
  std::wstring path = L"Z:" + WideFromUtf8(unixPath);
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

std::string Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH);
  return n > 0 && n < MAX_PATH ? Utf8FromWide(value) : std::string();
}

std::string ThisProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return FolderOf(UnixPathOf(path));
}

}  // namespace

std::string UnixPathOf(const std::wstring& windowsPath) {
  using UnixFileName = char*(CDECL*)(const wchar_t*);
  const auto convert = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) {
    ADD_FAILURE() << "not running under Wine";
    return {};
  }
  char* converted = convert(windowsPath.c_str());
  if (!converted) return {};
  std::string path = converted;
  HeapFree(GetProcessHeap(), 0, converted);
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

OtherComputer::OtherComputer()
    : home_(FolderOf(Environment(L"WINEPREFIX")) + "/other-computer"),
      launcher_(ThisProgramFolder() + "/wine-run.sh"),
      otherUser_(ThisProgramFolder() + "/other_user.exe") {
  EXPECT_FALSE(Environment(L"WINEPREFIX").empty()) << "the test's own prefix is named by WINEPREFIX";
  RemoveTree(WindowsPathOf(StatusFolder()) + L"\\");  // a cut run's status files would answer this run's lines
  PullThePlug();  // a run cut short may have left a program there, which a start would join
  EXPECT_EQ(Run(InPrefix("cmd /c exit 0"), kPrefixWait), 0) << "the other computer's prefix in " << home_;
}

OtherComputer::~OtherComputer() {
  PullThePlug();
  ProgramEnded();
}

bool OtherComputer::StartProgram(const std::wstring& exe) {
  programExe_ = UnixPathOf(exe);
  programEnded_ = NextStatusFile();
  Launch(InPrefix(Quoted(programExe_)), programEnded_);
  return User("ready");
}

bool OtherComputer::LaterStart(const std::string& arguments) {
  return Run(InPrefix(Quoted(programExe_) + " " + arguments), kLineWait) == 0;
}

bool OtherComputer::User(const std::string& command) {
  return Run(InPrefix(Quoted(otherUser_) + " " + command), kLineWait) == 0;
}

bool OtherComputer::EndSession() {
  return Run(InPrefix("wineboot --end-session"), kLineWait) == 0 && ProgramEnded() == 0;
}

std::optional<int> OtherComputer::ProgramEnded() {
  if (programEnded_.empty()) return std::nullopt;
  const auto status = WaitForStatus(programEnded_, kProgramEndWait);
  programEnded_.clear();
  return status;
}

// The wineserver goes too, and is waited for: a start meanwhile would join
// the server that is going, and go with it.
void OtherComputer::PullThePlug() {
  const std::string prefix = "HOME=" + Quoted(home_) + " WINEPREFIX=" + Quoted(home_ + "/prefix");
  Run(prefix + " wineserver -k; " + prefix + " wineserver -w", kLineWait);
}

std::string OtherComputer::InPrefix(const std::string& line) const {
  return "QUILLORY_WINE_HOME=" + Quoted(home_) + " " + Quoted(launcher_) + " " + line;
}

std::string OtherComputer::StatusFolder() const { return home_ + "/status"; }

std::string OtherComputer::NextStatusFile() {
  return StatusFolder() + "/" + std::to_string(started_) + "-" + std::to_string(++runs_);
}

std::optional<int> OtherComputer::Run(const std::string& line, DWORD timeoutMs) {
  const std::string statusFile = NextStatusFile();
  Launch(line, statusFile);
  const auto status = WaitForStatus(statusFile, timeoutMs);
  if (!status) ADD_FAILURE() << "no end of " << line << " within " << timeoutMs << " ms; see " << Log();
  return status;
}

std::string OtherComputer::Log() const { return home_ + "/lines.log"; }

// What the lines print goes to a log beside the prefix, each line's output
// between the times it started and ended, for a failure to be looked into.
// The status appears whole: written aside, then renamed.
void OtherComputer::Launch(const std::string& line, const std::string& statusFile) {
  const std::string log = Quoted(Log()), name = statusFile.substr(statusFile.find_last_of('/') + 1);
  const std::string script = "mkdir -p " + Quoted(StatusFolder()) + "; echo $(date +%T.%N) " + name + " starts >>" +
                             log + "; " + line + " >>" + log + " 2>&1; status=$?; echo $(date +%T.%N) " + name +
                             " ends: $status >>" + log + "; echo $status >" + Quoted(statusFile + ".part") +
                             "; mv " + Quoted(statusFile + ".part") + " " + Quoted(statusFile);
  std::wstring commandLine = L"/bin/sh -c \"" + WideFromUtf8(script) + L"\"";
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "cannot start /bin/sh, error " << GetLastError();
    return;
  }
  // A Unix program has no Windows process to wait for: the status file tells.
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
}

std::optional<int> OtherComputer::WaitForStatus(const std::string& statusFile, DWORD timeoutMs) {
  const std::wstring path = WindowsPathOf(statusFile);
  if (!Eventually([&] { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs))
    return std::nullopt;
  const int status = std::atoi(ReadText(path).c_str());
  DeleteFileW(path.c_str());
  return status;
}
