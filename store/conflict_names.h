#pragma once
// Copies of base.db and plan.db that a sync tool made when both computers
// changed the file at once. They hold the other computer's records and are
// merged into the store, then removed.

#include <optional>
#include <string_view>

enum class DataFileKind { kStickers, kTasks };  // base.db, plan.db

// Which data file a file name is a conflict copy of, for the names sync tools
// give, without regard to case:
//   base-COMPUTER.db                                the computer's own copy
//   base (1).db                                     a number in brackets
//   base (Name's conflicted copy 2026-12-09).db     "conflict" in brackets
//   base.sync-conflict-20261209-101010-ABCDEFG.db
// The files themselves, their temporary and unread names and the daily
// copies ("base.db.2026-12-08") are never conflict copies.
std::optional<DataFileKind> ConflictCopyOf(std::wstring_view name);
