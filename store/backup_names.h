#pragma once
// The daily copies of a data file: "base.db.2026-12-08" holds base.db as it
// was before the first write of 8 December 2026. The newest fourteen days
// are kept.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/date_time.h"

inline constexpr std::size_t kKeptBackupDays = 14;

// The day of a moment as a number that orders days: 20261208.
int DayNumber(DateTime moment);
// The name of the copy of `fileName` made on the day of `moment`.
std::wstring BackupName(std::wstring_view fileName, DateTime moment);
// The day a name holds when it is a copy of `fileName`; nothing otherwise.
std::optional<int> BackupDay(std::wstring_view fileName, std::wstring_view name);
// The copies of `fileName` among `names` beyond the newest `kept` days up to
// `today`, to be deleted; names of other files are never among them. Copies
// dated after today (made while the clock was set ahead) are the user's and
// stay, but do not count: they must not push out the real ones.
std::vector<std::wstring> BackupsBeyond(std::wstring_view fileName, const std::vector<std::wstring>& names, int today,
                                        std::size_t kept = kKeptBackupDays);
