#include "store/daily_backup_win.h"

#include <windows.h>

#include "store/backup_names.h"
#include "win/file_io_win.h"

DailyBackup::DailyBackup(std::wstring folder, std::function<DateTime()> clock)
    : folder_(std::move(folder)), clock_(std::move(clock)) {}

// A copy made earlier the same day (by an earlier start) is kept: it holds
// the file as the day began. The day counts as done only once it has its
// copy: a day that began without the file gets one with the file's first
// write, and a copy that failed is tried again.
void DailyBackup::BeforeWrite(const std::wstring& path) {
  const DateTime now = clock_();
  const int today = DayNumber(now);
  if (today == lastDay_ || !FileExists(path)) return;
  const std::wstring fileName = path.substr(path.find_last_of(L"\\/") + 1);
  CreateDirectoryW(folder_.c_str(), nullptr);
  const std::wstring copy = folder_ + BackupName(fileName, now);
  if (!CopyFileW(path.c_str(), copy.c_str(), TRUE) && !FileExists(copy)) return;
  lastDay_ = today;
  for (const std::wstring& old : BackupsBeyond(fileName, FileNamesIn(folder_), today))
    DeleteFileW((folder_ + old).c_str());
}
