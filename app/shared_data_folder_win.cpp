#include "app/shared_data_folder_win.h"

#include "app/data_folder_win.h"
#include "store/conflict_names.h"
#include "store/database_merge.h"
#include "store/task_merge.h"
#include "win/file_io_win.h"

namespace {
constexpr std::size_t kLargestCopy = kStickerSlotCount * kStickerRecordSize;
}  // namespace

SharedDataFolder::SharedDataFolder(SharedDataFolderArgs args)
    : a_(std::move(args)), watch_(a_.folder, a_.window, a_.changedMessage) {}

bool SharedDataFolder::TakeInChanges() {
  bool whole = a_.database->MergeChanges(*a_.store) != GuardedFile::Check::kNotYet;
  whole = a_.tasks->MergeChanges(*a_.store) != GuardedFile::Check::kNotYet && whole;
  for (const std::wstring& name : FileNamesIn(a_.folder))
    if (ConflictCopyOf(name)) whole = TakeInConflictCopy(name) && whole;
  return whole;
}

// The copy goes only once what it brought is written: were the write to
// fail, the copy is all that holds the other computer's notes.
bool SharedDataFolder::TakeInConflictCopy(const std::wstring& name) {
  const DataFileKind kind = *ConflictCopyOf(name);
  const std::size_t unit = kind == DataFileKind::kStickers ? kStickerRecordSize : kTaskRecordSize;
  const FileReadResult copy = ReadWholeFile(a_.folder + name, kLargestCopy);
  if (copy.status == FileReadResult::Status::kMissing) return true;
  if (copy.status != FileReadResult::Status::kOk || copy.bytes.size() % unit != 0) return false;
  bool written = false;
  if (kind == DataFileKind::kStickers) {
    a_.stickersMerged(MergeDatabaseCopy(*a_.store, copy.bytes));
    written = a_.saveDatabase();
  } else {
    a_.tasksMerged(MergeTaskCopy(*a_.store, copy.bytes));
    written = a_.saveTasks();
  }
  if (written) MoveToBackup(name);
  return true;
}

// Under its own name, or the first free one after it: an older copy of the
// same name stays.
void SharedDataFolder::MoveToBackup(const std::wstring& name) {
  EnsureFolderExists(a_.backupFolder);
  std::wstring target = a_.backupFolder + name;
  for (int n = 1; FileExists(target); ++n) target = a_.backupFolder + name + L"." + std::to_wstring(n);
  MoveFileExW((a_.folder + name).c_str(), target.c_str(), MOVEFILE_COPY_ALLOWED);
}
