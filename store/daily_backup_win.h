#pragma once
// Before the first write of a data file on each day, the file as it was is
// copied into the backup folder ("backup\base.db.2026-12-08"), and copies
// beyond the newest fourteen days are deleted. A copy that cannot be made or
// deleted never stops the write and is not shown: the write matters more.

#include <functional>
#include <string>

#include "store/date_time.h"

class DailyBackup {
 public:
  // `folder` ends with a backslash and is made when first needed.
  DailyBackup(std::wstring folder, std::function<DateTime()> clock);

  void BeforeWrite(const std::wstring& path);

 private:
  std::wstring folder_;
  std::function<DateTime()> clock_;
  int lastDay_ = 0;
};
