#pragma once
// What the manager asks of the program: the sticker operations, which keep
// the sticker windows, the store, base.db and this very list in step, and the
// task file. Every sticker operation takes an id; one the store no longer
// holds makes it do nothing.

#include <cstdint>

class ManagerCommands {
 public:
  virtual void NewSticker() = 0;
  // Each writes base.db and refreshes the manager.
  virtual void ShowSticker(std::int32_t id) = 0;  // nothing when it is shown already
  virtual void HideSticker(std::int32_t id) = 0;
  virtual void DeleteSticker(std::int32_t id) = 0;
  virtual void DuplicateSticker(std::int32_t id) = 0;
  virtual void ToggleFloating(std::int32_t id) = 0;
  virtual void OpenSettings(std::int32_t id) = 0;
  virtual void CreateShortcut(std::int32_t id) = 0;
  // The date changed: every shown sticker rebuilds what depends on it.
  virtual void RebuildShownStickers() = 0;
  // Writes plan.db from the store; false when it failed (the error was shown).
  virtual bool SaveTasks() = 0;

 protected:
  ~ManagerCommands() = default;
};
