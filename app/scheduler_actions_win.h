#pragma once
// What the scheduler's tasks do in the program: stickers shown, hidden or
// deleted by the sticker operations, as the user would (written at once),
// balloons over the tray icon, reminder windows, and plan.db.

#include <functional>

#include "app/sticker_operations_win.h"
#include "app/tray_icon_win.h"
#include "manager/reminders_win.h"
#include "manager/scheduler.h"

struct ProgramSchedulerActionsArgs {
  StickerOperations* stickers;    // not owned
  TTrayIconAdv* tray;             // not owned
  Reminders* reminders;           // not owned
  std::function<bool()> saveTasks;
};

class ProgramSchedulerActions final : public SchedulerActions {
 public:
  explicit ProgramSchedulerActions(ProgramSchedulerActionsArgs args) : a_(std::move(args)) {}

  void ShowSticker(std::int32_t id) override;
  void HideSticker(std::int32_t id) override;
  void DeleteSticker(std::int32_t id) override;
  void ShowBalloon(std::string_view text) override;
  bool ShowMessage(std::string_view text) override;
  void SaveTasks() override;

 private:
  ProgramSchedulerActionsArgs a_;
};
