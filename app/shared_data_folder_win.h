#pragma once
// The data folder as another computer shares it through a sync tool, or
// another copy of the program on the same folder: when base.db or plan.db
// changes there, the change is merged into the store; a conflict copy the
// sync tool made is merged in once and then moved into backup\. The folder is
// watched, not polled: nothing runs while nothing changes.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "store/data_files_win.h"
#include "win/folder_watch_win.h"

struct SharedDataFolderArgs {
  std::wstring folder;                  // ends with a backslash
  std::wstring backupFolder;            // where merged conflict copies go
  StickerDatabaseFile* database;        // not owned
  TaskFile* tasks;                      // not owned
  Tmassiv* store;                       // not owned
  HWND window;                          // not owned: hears of changes
  UINT changedMessage;                  // posted to it on a change
  std::function<void(const StickerMergeReport&)> stickersMerged;
  std::function<void(const TaskMergeReport&)> tasksMerged;
  std::function<bool()> saveDatabase;
  std::function<bool()> saveTasks;
};

class SharedDataFolder {
 public:
  explicit SharedDataFolder(SharedDataFolderArgs args);

  // At start-up and on each change message. False when a file could not be
  // taken in yet (held, or still arriving): ask again a moment later.
  [[nodiscard]] bool TakeInChanges();

 private:
  // False when a copy could not be read whole yet.
  bool TakeInConflictCopy(const std::wstring& name);
  void MoveToBackup(const std::wstring& name);

  SharedDataFolderArgs a_;
  FolderWatch watch_;
};
