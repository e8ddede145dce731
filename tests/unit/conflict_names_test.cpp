// The names sync tools give the copies of base.db and plan.db they could not
// reconcile, and the program's own files that must never be taken for one.

#include <gtest/gtest.h>

#include <string>

#include "store/conflict_names.h"

namespace {

std::string Narrow(std::wstring_view name) { return std::string(name.begin(), name.end()); }

TEST(ConflictNames, TheUsualCopiesOfEitherFile) {
  constexpr struct {
    const wchar_t* name;
    DataFileKind kind;
  } kCopies[] = {
      {L"base-COMPUTERNAME.db", DataFileKind::kStickers},
      {L"base (NAME's conflicted copy 2026-12-09).db", DataFileKind::kStickers},
      {L"base (conflicted copy 2026-12-09 101010).db", DataFileKind::kStickers},
      {L"base (1).db", DataFileKind::kStickers},
      {L"base (12).db", DataFileKind::kStickers},
      {L"base.sync-conflict-20261209-101010-ABCDEFG.db", DataFileKind::kStickers},
      {L"plan-OFFICE-PC.db", DataFileKind::kTasks},
      {L"plan (Anna's conflicted copy 2026-12-09).db", DataFileKind::kTasks},
      {L"plan (2).db", DataFileKind::kTasks},
      {L"plan.sync-conflict-20261209-101010-ABCDEFG.db", DataFileKind::kTasks},
      {L"BASE-LAPTOP.DB", DataFileKind::kStickers},
      {L"Plan (Conflict 2026-12-09).Db", DataFileKind::kTasks},
  };
  for (const auto& copy : kCopies) {
    const auto kind = ConflictCopyOf(copy.name);
    ASSERT_TRUE(kind.has_value()) << Narrow(copy.name);
    EXPECT_EQ(*kind, copy.kind) << Narrow(copy.name);
  }
}

TEST(ConflictNames, NeitherTheFilesNorTheirOwnCopiesNorNearMisses) {
  for (const wchar_t* name : {
           L"base.db", L"plan.db", L"BASE.DB", L"base.db.tmp", L"plan.db.tmp", L"base.db.unread",
           L"base.db.unread.2", L"base.db.2026-12-08", L"plan.db.2026-12-08",  // the program's own
           L"base-.db", L"base ().db", L"base (old).db", L"base (1)x.db", L"base (1).db.tmp",
           L"base-PC.db.tmp", L"base-PC.db.2026-12-08", L"base.sync-conflict-.db", L"base.sync-conflict-x.y.db",
           L"basement.db", L"database-PC.db", L"my base-PC.db", L"base-PC.txt", L"base-PC", L"base.PC.db",
           L"base_PC.db", L"config-PC.db", L"base (1)", L"", L".db", L"-PC.db"})
    EXPECT_FALSE(ConflictCopyOf(name).has_value()) << Narrow(name);
}

}  // namespace
