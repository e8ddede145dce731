#include "store/daily_backup_win.h"

#include <windows.h>

#include "store/backup_names.h"
#include "win/file_io_win.h"

DailyBackup::DailyBackup(std::wstring folder, std::function<DateTime()> clock)
    : folder_(std::move(folder)), clock_(std::move(clock)) {}

// A copy made earlier the same day (by an earlier start) is kept: it holds
// the file as the day began.
void DailyBackup::BeforeWrite(const std::wstring& path) {
  const DateTime now = clock_();
  if (DayNumber(now) == lastDay_) return;
  lastDay_ = DayNumber(now);
  if (!FileExists(path)) return;
  const std::wstring fileName = path.substr(path.find_last_of(L"\\/") + 1);
  CreateDirectoryW(folder_.c_str(), nullptr);
  CopyFileW(path.c_str(), (folder_ + BackupName(fileName, now)).c_str(), TRUE);
  for (const std::wstring& old : BackupsBeyond(fileName, FileNamesIn(folder_)))
    DeleteFileW((folder_ + old).c_str());
}
