#include "store/profile_file_win.h"

#include <windows.h>

#include "win/busy_file_win.h"
#include "win/error_box_win.h"

namespace {
constexpr DWORD kLongestValue = 4096;
// Each key is written alone: a program reading the file holds it a moment.
constexpr std::chrono::milliseconds kWritePatience{1000};
}

std::wstring IniFile::ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const {
  const std::wstring s(section), k(key), f(fallback);
  std::wstring value(kLongestValue, L'\0');
  const DWORD n = GetPrivateProfileStringW(s.c_str(), k.c_str(), f.c_str(), value.data(), kLongestValue, path_.c_str());
  value.resize(n);
  return value;
}

void IniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  const std::wstring s(section), k(key), v(value);
  if (writeError_ != 0) return;
  writeError_ = RetryWhileBusy(
      [&] {
        if (WritePrivateProfileStringW(s.c_str(), k.c_str(), v.c_str(), path_.c_str())) return DWORD{0};
        // Some failures leave no reason behind; the box still needs one.
        const DWORD error = GetLastError();
        return error != 0 ? error : static_cast<DWORD>(ERROR_WRITE_FAULT);
      },
      FileBusy, kWritePatience);
}

bool ReportWriteFailure(const IniFile& file) {
  if (!file.WriteFailed()) return true;
  ShowFileError(FileErrorKind::kCreate, file.Path(), file.WriteError());
  return false;
}
