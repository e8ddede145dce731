// The names of the daily copies of base.db and plan.db, and which copies go
// when more than fourteen days are kept.

#include <gtest/gtest.h>

#include <algorithm>

#include "store/backup_names.h"

namespace {

DateTime Day(int year, int month, int day, int hour = 12) { return EncodeDateTime({year, month, day, hour}); }

TEST(BackupNames, NameTheFileAndTheDayOfTheMoment) {
  EXPECT_EQ(BackupName(L"base.db", Day(2026, 12, 8)), L"base.db.2026-12-08");
  EXPECT_EQ(BackupName(L"plan.db", Day(2027, 1, 1, 0)), L"plan.db.2027-01-01");
  EXPECT_EQ(BackupName(L"base.db", EncodeDateTime({2026, 12, 8, 23, 59, 59, 999})), L"base.db.2026-12-08");
  EXPECT_EQ(DayNumber(Day(2026, 12, 8)), 20261208);
  EXPECT_LT(DayNumber(Day(2026, 12, 31)), DayNumber(Day(2027, 1, 1)));
}

TEST(BackupNames, ReadBackOnlyCopiesOfTheSameFile) {
  EXPECT_EQ(BackupDay(L"base.db", L"base.db.2026-12-08"), 20261208);
  EXPECT_EQ(BackupDay(L"base.db", L"BASE.DB.2026-12-08"), 20261208);  // the file system ignores case
  for (const wchar_t* other : {L"plan.db.2026-12-08", L"base.db", L"base.db.unread", L"base.db.2026-12-8",
                               L"base.db.2026_12_08", L"base.db.2026-12-08.tmp", L"base.db-2026-12-08",
                               L"base.db.20x6-12-08", L""})
    EXPECT_FALSE(BackupDay(L"base.db", other).has_value()) << std::string(other, other + wcslen(other));
}

// Twenty days of copies beside other files: the six oldest copies go, in any
// listing order, and nothing else does.
TEST(BackupNames, BeyondTheNewestFourteenDaysOnlyOldCopiesGo) {
  std::vector<std::wstring> names = {L"plan.db.2026-11-01", L"base.db.unread", L"notes.txt"};
  for (int day = 20; day >= 1; --day) names.push_back(BackupName(L"base.db", Day(2026, 11, day)));
  const int today = 20261120;
  std::vector<std::wstring> beyond = BackupsBeyond(L"base.db", names, today);
  std::sort(beyond.begin(), beyond.end());
  const std::vector<std::wstring> oldest = {L"base.db.2026-11-01", L"base.db.2026-11-02", L"base.db.2026-11-03",
                                            L"base.db.2026-11-04", L"base.db.2026-11-05", L"base.db.2026-11-06"};
  EXPECT_EQ(beyond, oldest);
  names.resize(3 + kKeptBackupDays);
  EXPECT_TRUE(BackupsBeyond(L"base.db", names, today).empty());
  // Across a year's end the newest days are still the ones kept.
  EXPECT_EQ(BackupsBeyond(L"base.db", {L"base.db.2026-12-31", L"base.db.2027-01-01"}, 20270101, 1),
            std::vector<std::wstring>{L"base.db.2026-12-31"});
}

// A clock once set ahead left copies dated in the future: they stay, and the
// fourteen real days stay beside them, today's copy first of all.
TEST(BackupNames, CopiesDatedAfterTodayNeitherGoNorPushOutRealOnes) {
  std::vector<std::wstring> names;
  for (int day = 1; day <= 20; ++day) names.push_back(BackupName(L"base.db", Day(2030, 1, day)));
  for (int day = 1; day <= static_cast<int>(kKeptBackupDays); ++day) names.push_back(BackupName(L"base.db", Day(2026, 12, day)));
  EXPECT_TRUE(BackupsBeyond(L"base.db", names, 20261214).empty());
  names.push_back(BackupName(L"base.db", Day(2026, 11, 30)));
  EXPECT_EQ(BackupsBeyond(L"base.db", names, 20261214), std::vector<std::wstring>{L"base.db.2026-11-30"});
}

}  // namespace
